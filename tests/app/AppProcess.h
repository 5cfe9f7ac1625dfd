// Helpers for tests that run the real program: a copy of it in a folder of its own, and a
// virtual X server to show its windows on.
#pragma once

#include "model/Reminder.h"

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace nudgeon::test {

// A virtual X server on a free display, ended with the object.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    bool IsRunning() const { return !display_.isEmpty(); }
    QString Display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

// The program copied under `fileName` into a fresh folder, which is its program folder.
class ProgramCopy {
public:
    explicit ProgramCopy(const QString& fileName = "nudgeon");
    QString Dir() const { return folder_.path(); }
    QString FilePath(const QString& name) const { return folder_.filePath(name); }
    bool Exists(const QString& name) const;

    // Starts the copy; display empty means the offscreen platform. runtimeDir stands for the
    // user's runtime folder, where the single-instance lock lives.
    void Start(const QString& runtimeDir, const QString& display = {});
    // Waits until the program has shown its main window (its placement is then saved).
    bool WaitUntilRunning(int timeoutMs = 15000);
    QProcess& Process() { return process_; }
    // What the program printed, for the report of a failed test.
    QString Output() const;
    // Asks it to end as the system does at log-out, and waits.
    bool Terminate(int timeoutMs = 10000);

private:
    QTemporaryDir folder_;
    QString program_;
    QProcess process_;
};

// Runs a command and returns its standard output, trimmed; empty on failure.
QString RunCommand(const QString& program, const QStringList& arguments, const QString& display,
                   int timeoutMs = 10000);

// The first visible window whose title is exactly `title`, waiting up to timeoutMs for it.
QString WaitForWindow(const QString& title, const QString& display, int timeoutMs = 15000);
// Waits until no visible window has that title.
bool WaitForWindowGone(const QString& title, const QString& display, int timeoutMs = 15000);
// Waits until the process shows at least `count` windows (an open menu is one).
bool WaitForWindowCount(qint64 pid, int count, const QString& display);
// Both lists as the data file holds them now.
struct StoredLists {
    ReminderList oneTime;
    ReminderList repeating;
};
StoredLists ReadDataFile(const QString& file);

// A window's top-left corner on the screen.
QPoint WindowPosition(const QString& window, const QString& display);
// Clicks with the left button at a point of the screen.
void ClickAt(QPoint point, const QString& display);
// Saves a picture of the whole screen under the build's artifacts folder; returns its path.
QString Screenshot(const QString& name, const QString& display);
// The file's inode: a file written anew by a rename gets another one.
quint64 InodeOf(const QString& path);

} // namespace nudgeon::test
