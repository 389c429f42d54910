#include "gui/app/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

#include "core/app/Fd.h"

namespace zicalc {

namespace {

constexpr char kActivate[] = "activate";
constexpr char kAck[] = "ok\n";
// A request is one short line; anything longer, or slower, is no zicalc and is dropped.
constexpr qsizetype kMaxRequest = 1024;
constexpr int kRequestTimeoutMs = 2000;

// The socket's address; false when the path does not fit in one.
bool MakeAddress(const QByteArray& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Waits for `events` on `fd` until the deadline; false on timeout or error.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, static_cast<int>(qMax<qint64>(0, deadline.remainingTime())));
        if (r > 0) {
            return (p.revents & events) != 0;
        }
        if (r == 0 || errno != EINTR) {
            return false;
        }
    }
}

// One connection to the primary: reads one request line, answers it and closes. Ends itself on a
// malformed or overlong request, on the peer closing, or when the time allowed is up.
class Request final : public QObject {
public:
    Request(int fd, std::function<void(const QByteArray&)> onActivate, QObject* parent)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read, this), onActivate_(std::move(onActivate))
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { read(); });
        QTimer::singleShot(kRequestTimeoutMs, this, [this] { finish(); });
    }

private:
    void read()
    {
        char chunk[256];
        const ssize_t n = ::recv(fd_.get(), chunk, sizeof chunk, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        }
        if (n <= 0) {
            finish();
            return;
        }
        buffer_.append(chunk, n);
        const qsizetype end = buffer_.indexOf('\n');
        if (end < 0 || end > kMaxRequest) {
            if (end > kMaxRequest || buffer_.size() > kMaxRequest) {
                finish();
            }
            return;
        }
        const QByteArray line = buffer_.left(end).trimmed();
        QByteArray token;
        if (line.startsWith(QByteArray(kActivate) + ' ')) {
            token = line.mid(static_cast<qsizetype>(sizeof kActivate)).trimmed();
        } else if (line != kActivate) {
            finish();
            return;
        }
        // A short write to a fresh local socket does not block; a vanished peer is no error of ours.
        (void)!::send(fd_.get(), kAck, sizeof kAck - 1, MSG_NOSIGNAL);
        finish();
        onActivate_(token);
    }

    void finish()
    {
        notifier_.setEnabled(false);
        ::shutdown(fd_.get(), SHUT_RDWR);
        deleteLater();
    }

    Fd fd_;
    QSocketNotifier notifier_;
    std::function<void(const QByteArray&)> onActivate_;
    QByteArray buffer_;
};

// One attempt of a secondary start: connect, send the request, read the answer.
bool AskPrimary(const QByteArray& path, const QByteArray& activationToken, const QDeadlineTimer& deadline)
{
    sockaddr_un address{};
    if (!MakeAddress(path, address)) {
        return false;
    }
    const Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid()) {
        return false;
    }
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN) {
            return false;
        }
        int error = 0;
        socklen_t length = sizeof error;
        if (!WaitFor(fd.get(), POLLOUT, deadline) ||
            ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
            return false;
        }
    }
    const QByteArray request = QByteArray(kActivate) + ' ' + activationToken + '\n';
    qsizetype sent = 0;
    while (sent < request.size()) {
        const ssize_t n =
            ::send(fd.get(), request.constData() + sent, static_cast<std::size_t>(request.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && (errno == EINTR ||
                             ((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd.get(), POLLOUT, deadline)))) {
            continue;
        } else {
            return false;
        }
    }
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 64) {
        if (!WaitFor(fd.get(), POLLIN, deadline)) {
            return false;
        }
        char chunk[64];
        const ssize_t n = ::recv(fd.get(), chunk, sizeof chunk, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        answer.append(chunk, n);
    }
    return answer == kAck;
}

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
    if (listenFd_ >= 0) {
        delete incoming_;
        ::close(listenFd_);
        ::unlink(QFile::encodeName(socketPath_).constData());
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
    const QByteArray path = QFile::encodeName(socketPath_);
    ::unlink(path.constData());
    // Even if listening fails, the lock keeps other starts out; they will time out and end.
    sockaddr_un address{};
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!MakeAddress(path, address) || !fd.valid()) {
        std::fprintf(stderr, "zicalc: cannot listen on %s\n", path.constData());
        return true;
    }
    // Only this user may connect: the socket is made with no rights for anyone else.
    const mode_t previous = ::umask(0077);
    const bool bound = ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd.get(), 16) != 0) {
        std::fprintf(stderr, "zicalc: cannot listen on %s: %s\n", path.constData(), std::strerror(errno));
        return true;
    }
    listenFd_ = fd.release();
    incoming_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(incoming_, &QSocketNotifier::activated, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection()
{
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;  // none left (EAGAIN), or out of descriptors: the next start tries again
        }
        new Request(
            fd, [this](const QByteArray& token) { emit activationRequested(token); }, this);
    }
}

bool SingleInstance::activatePrimary(const QByteArray& activationToken, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray path = QFile::encodeName(socketPath_);
    // The primary may hold the lock a moment before it listens: retry until the deadline.
    while (!deadline.hasExpired()) {
        if (AskPrimary(path, activationToken, deadline)) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

}  // namespace zicalc
