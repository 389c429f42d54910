#include "gui/app/SingleInstance.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace zicalc {

namespace {
constexpr char kActivate[] = "activate";
constexpr char kAck[] = "ok\n";
// A request is one short line; anything longer, or slower, is no zicalc and is dropped.
constexpr qsizetype kMaxRequest = 1024;
constexpr int kRequestTimeoutMs = 2000;
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
        // A shared directory needs a name of this user's own, or one user would block the next.
        dir = QDir(QDir::tempPath()).filePath(QStringLiteral("zicalc-%1").arg(::getuid()));
    }
    return dir;
}

bool SingleInstance::becomePrimary()
{
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    if (!lock_->tryLock(0)) {
        if (lock_->error() == QLockFile::LockFailedError) {
            return false;  // another instance holds it
        }
        // The lock cannot be made at all (no such directory, no permission): running without the
        // single-instance guarantee beats not running.
        std::fprintf(stderr, "zicalc: cannot create %s; not checking for another instance\n",
                     qPrintable(QDir::toNativeSeparators(lockPath_)));
        return true;
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
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequest) {
                    socket->abort();
                }
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequest).trimmed();
            QByteArray token;
            if (line == kActivate) {
                token.clear();
            } else if (line.startsWith(QByteArray(kActivate) + ' ')) {
                token = line.mid(static_cast<qsizetype>(sizeof kActivate)).trimmed();
            } else {
                socket->abort();
                return;
            }
            socket->write(kAck);
            socket->flush();
            socket->disconnectFromServer();
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
            socket.write(QByteArray(kActivate) + ' ' + activationToken + '\n');
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
