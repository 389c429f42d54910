#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QSocketNotifier;

namespace zicalc {

// One running zicalc per user. The lock file decides who is primary (a lock left by a dead
// process is taken over by PID); only the lock holder clears a stale socket and listens. Every
// other start connects, asks the primary to come to the front, waits for its answer and ends.
class SingleInstance final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    // `directory`: where lock and socket live (the per-user runtime directory in production).
    explicit SingleInstance(const QString& directory, QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultDirectory();

    // Takes the lock and listens. False when another instance holds the lock.
    bool becomePrimary();

    // From a secondary start: asks the primary to activate, passing the desktop's activation
    // token. True when the primary acknowledged within the time allowed.
    bool activatePrimary(const QByteArray& activationToken, int timeoutMs = 3000);

signals:
    void activationRequested(const QByteArray& activationToken);

private:
    void onNewConnection();

    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    int listenFd_ = -1;  // a plain Unix socket: the program needs no network library for this
    QSocketNotifier* incoming_ = nullptr;
};

}  // namespace zicalc
