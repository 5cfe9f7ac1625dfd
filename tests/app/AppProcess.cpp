#include "AppProcess.h"

#include "store/DataFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

namespace nudgeon::test {

XvfbServer::XvfbServer()
{
    // Xvfb picks a free display and writes its number to the given file descriptor.
    process_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!process_.waitForStarted(5000) || !process_.waitForReadyRead(10000))
        return;
    const QString number = QString::fromUtf8(process_.readLine()).trimmed();
    if (!number.isEmpty())
        display_ = ":" + number;
}

XvfbServer::~XvfbServer()
{
    process_.terminate();
    process_.waitForFinished(5000);
}

ProgramCopy::ProgramCopy(const QString& fileName) : program_(folder_.filePath(fileName))
{
    QFile::copy(NUDGEON_BINARY, program_);
    QFile::setPermissions(program_, QFile::permissions(NUDGEON_BINARY));
}

bool ProgramCopy::Exists(const QString& name) const
{
    return QFile::exists(folder_.filePath(name));
}

void ProgramCopy::Start(const QString& runtimeDir, const QString& display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    if (display.isEmpty()) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display);
    }
    environment.insert("SDL_AUDIODRIVER", "dummy");
    // Leaks inside the system's font and window libraries are not the program's to fix.
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder_.path());
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(folder_.filePath("output.log"), QIODevice::Append);
    process_.start(program_, {});
    process_.waitForStarted(5000);
}

QString ProgramCopy::Output() const
{
    QFile log(folder_.filePath("output.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

bool ProgramCopy::WaitUntilRunning(int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < timeoutMs) {
        if (process_.state() != QProcess::Running)
            return false;
        if (Exists("Nudgeon.INI"))
            return true;
        process_.waitForFinished(100);
    }
    return false;
}

bool ProgramCopy::Terminate(int timeoutMs)
{
    if (process_.state() == QProcess::NotRunning)
        return true;
    ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
    return process_.waitForFinished(timeoutMs);
}

QString RunCommand(const QString& program, const QStringList& arguments, const QString& display,
                   int timeoutMs)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString WaitForWindow(const QString& title, const QString& display, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < timeoutMs) {
        const QString found = RunCommand(
            "xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}, display);
        if (!found.isEmpty())
            return found.section('\n', 0, 0);
        QThread::msleep(100);
    }
    return {};
}

bool WaitForWindowGone(const QString& title, const QString& display, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < timeoutMs) {
        if (RunCommand("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}, display)
                .isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool WaitForWindowCount(qint64 pid, int count, const QString& display)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 10000) {
        const QString windows = RunCommand(
            "xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)}, display);
        if (!windows.isEmpty() && windows.count('\n') + 1 >= count)
            return true;
        QThread::msleep(50);
    }
    return false;
}

StoredLists ReadDataFile(const QString& file)
{
    StoredLists lists;
    TDateTime lastDate = 0;
    LoadFromDisk(file.toStdString(), lists.oneTime, lists.repeating, lastDate);
    return lists;
}

QPoint WindowPosition(const QString& window, const QString& display)
{
    const QString geometry =
        RunCommand("xdotool", {"getwindowgeometry", "--shell", window}, display);
    return {geometry.section("X=", 1).section('\n', 0, 0).toInt(),
            geometry.section("Y=", 1).section('\n', 0, 0).toInt()};
}

void ClickAt(QPoint point, const QString& display)
{
    RunCommand("xdotool",
               {"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"},
               display);
}

QString Screenshot(const QString& name, const QString& display)
{
    const QString artifacts = QString(NUDGEON_ARTIFACTS_DIR);
    QDir().mkpath(artifacts);
    const QString path = artifacts + "/" + name;
    QFile::remove(path);
    RunCommand("/usr/bin/import", {"-window", "root", path}, display);
    return path;
}

quint64 InodeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace nudgeon::test
