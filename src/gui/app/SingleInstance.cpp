#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace zicalc {

namespace {
constexpr char kActivate[] = "activate ";
constexpr char kAck[] = "ok\n";
}  // namespace

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent),
      lockPath_(QDir(directory).filePath(QStringLiteral("zicalc.lock"))),
      socketPath_(QDir(directory).filePath(QStringLiteral("zicalc.socket"))),
      lock_(std::make_unique<QLockFile>(lockPath_))
{
    // Never stale by age: a lock is stale only when the process that wrote it is gone.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (server_ != nullptr) {
        server_->close();
    }
}

QString SingleInstance::defaultDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir;
}

bool SingleInstance::becomePrimary()
{
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    if (!lock_->tryLock(0)) {
        return false;
    }
    // We hold the lock, so a socket file here can only be a leftover of a dead primary.
    QLocalServer::removeServer(socketPath_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    // Even if listening fails, the lock keeps other starts out; they will time out and end.
    server_->listen(socketPath_);
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QByteArray line = socket->readLine().trimmed();
            if (!line.startsWith(QByteArray(kActivate).trimmed())) {
                socket->disconnectFromServer();
                return;
            }
            const QByteArray token = line.mid(static_cast<qsizetype>(sizeof kActivate) - 1).trimmed();
            socket->write(kAck);
            socket->flush();
            emit activationRequested(token);
        });
    }
}

bool SingleInstance::activatePrimary(const QByteArray& activationToken, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // The primary may hold the lock a moment before it listens: retry until the deadline.
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(static_cast<int>(qMin<qint64>(500, deadline.remainingTime())))) {
            socket.write(QByteArray(kActivate) + activationToken + '\n');
            socket.flush();
            while (!deadline.hasExpired() && !socket.canReadLine()) {
                if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
                    break;
                }
            }
            if (socket.canReadLine() && socket.readLine() == kAck) {
                return true;
            }
        }
        QThread::msleep(50);
    }
    return false;
}

}  // namespace zicalc
