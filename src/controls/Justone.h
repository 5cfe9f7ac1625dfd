// The single-instance guard: one running copy per program file name and user.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace nudgeon {

// Takes the per-user lock keyed by the program file's name when constructed. A copy that
// finds the lock taken by a living process has PreviousFound set and holds nothing.
class TPreviousInstance {
public:
    // lockDirectory: where the lock and the socket live; by default the user's runtime
    // directory (the temporary directory where there is none).
    explicit TPreviousInstance(const QString& programFilePath, QString lockDirectory = {});
    ~TPreviousInstance();
    TPreviousInstance(const TPreviousInstance&) = delete;
    TPreviousInstance& operator=(const TPreviousInstance&) = delete;

    // The program file's name without a ".EXE" extension (any case); empty without one.
    QString InstanceTitle;
    bool PreviousFound = false;

    QString FileName() const { return fileName_; }
    // The local socket through which a later copy asks this one to come forward.
    QString ServerName() const;
    // Asks the running copy to bring its main window forward; false when it did not answer
    // within the time given.
    bool ActivatePrevious(int timeoutMs = 2000) const;

private:
    QString fileName_;
    QString lockDirectory_;
    std::unique_ptr<QLockFile> lock_;
};

// Listens, in the running copy, for later copies of the program asking it to come forward.
class TJustOne : public QObject {
    Q_OBJECT

public:
    TJustOne(const TPreviousInstance& instance, QObject* parent = nullptr);
    bool IsListening() const;

signals:
    void ActivateRequested();

private:
    void AcceptConnections();
    QLocalServer* server_;
};

QString InstanceTitleOf(const QString& fileName);

} // namespace nudgeon
