#include "controls/Justone.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace nudgeon {
namespace {

const QByteArray ActivateRequest = "activate\n";

QString DefaultLockDirectory()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    QDir().mkpath(directory);
    return directory;
}

} // namespace

QString InstanceTitleOf(const QString& fileName)
{
    if (fileName.size() > 4 && fileName.right(4).compare(".EXE", Qt::CaseInsensitive) == 0)
        return fileName.left(fileName.size() - 4);
    return {};
}

TPreviousInstance::TPreviousInstance(const QString& programFilePath, QString lockDirectory)
    : fileName_(QFileInfo(programFilePath).fileName()),
      lockDirectory_(lockDirectory.isEmpty() ? DefaultLockDirectory() : std::move(lockDirectory))
{
    InstanceTitle = InstanceTitleOf(fileName_);
    lock_ = std::make_unique<QLockFile>(lockDirectory_ + "/nudgeon-" + fileName_ + ".lock");
    // A lock left by a copy that crashed names a dead process; QLockFile takes it over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        PreviousFound = false;
    } else {
        // A lock that cannot be created at all lets this copy run as the first one.
        PreviousFound = lock_->error() == QLockFile::LockFailedError;
        lock_.reset();
    }
}

TPreviousInstance::~TPreviousInstance() = default;

QString TPreviousInstance::ServerName() const
{
    return lockDirectory_ + "/nudgeon-" + fileName_ + ".socket";
}

bool TPreviousInstance::ActivatePrevious(int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ActivateRequest);
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}

TJustOne::TJustOne(const TPreviousInstance& instance, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this))
{
    if (instance.PreviousFound)
        return;
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left behind is a crashed copy's.
    QLocalServer::removeServer(instance.ServerName());
    if (server_->listen(instance.ServerName()))
        connect(server_, &QLocalServer::newConnection, this, &TJustOne::AcceptConnections);
}

bool TJustOne::IsListening() const
{
    return server_->isListening();
}

void TJustOne::AcceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(ActivateRequest.trimmed()))
                emit ActivateRequested();
        });
    }
}

} // namespace nudgeon
