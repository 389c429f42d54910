#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#ifndef PROBE_PATH
#error "PROBE_PATH must name the single-instance probe"
#endif

// The single-instance rule between real processes: one primary per directory, every other start
// asks it to come to the front and ends with status 0.
class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }
    void cleanup()
    {
        for (auto& p : running_) {
            p->closeWriteChannel();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(1000);
            }
        }
        running_.clear();
    }

    void secondStartActivatesTheFirstAndEnds()
    {
        QProcess* primary = startPrimary();
        QProcess second;
        second.setProcessEnvironment(envWithToken("token-42"));
        QElapsedTimer clock;
        clock.start();
        second.start(QStringLiteral(PROBE_PATH), {dir_->path()});
        QVERIFY(second.waitForFinished(2000));
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray("secondary acknowledged\n"));
        QVERIFY(waitForLine(primary, "activated token-42"));
        QCOMPARE(primary->state(), QProcess::Running);
    }

    // A primary killed outright leaves its lock and its socket behind; the next start takes over.
    void staleLockAndSocketAreTakenOver()
    {
        QProcess* first = startPrimary();
        first->kill();
        QVERIFY(first->waitForFinished(2000));
        QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("zicalc.lock"))));
        QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("zicalc.socket"))));
        startPrimary();
    }

    void staleSocketWithoutLockIsReplaced()
    {
        QProcess* first = startPrimary();
        first->kill();
        QVERIFY(first->waitForFinished(2000));
        QVERIFY(QFile::remove(dir_->filePath(QStringLiteral("zicalc.lock"))));
        QProcess* second = startPrimary();
        // And it really listens: a third start reaches it.
        QProcess third;
        third.start(QStringLiteral(PROBE_PATH), {dir_->path()});
        QVERIFY(third.waitForFinished(3000));
        QCOMPARE(third.exitCode(), 0);
        QVERIFY(waitForLine(second, "activated"));
    }

    // A leftover lock whose PID now belongs to some other program (the PID was reused) counts
    // for nothing either.
    void lockNamingAnotherProgramIsStale()
    {
        QProcess* first = startPrimary();
        first->kill();
        QVERIFY(first->waitForFinished(2000));
        QProcess other;
        other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(other.waitForStarted(2000));
        QFile lock(dir_->filePath(QStringLiteral("zicalc.lock")));
        QVERIFY(lock.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = lock.readAll().split('\n');
        lock.close();
        lines[0] = QByteArray::number(other.processId());
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(lines.join('\n'));
        lock.close();
        startPrimary();
        other.kill();
        other.waitForFinished(1000);
    }

    // Whatever else connects to the socket is dropped without an activation, and the primary
    // goes on answering real starts.
    void garbledClientsAreDropped()
    {
        QProcess* primary = startPrimary();
        const QString socketPath = dir_->filePath(QStringLiteral("zicalc.socket"));
        for (const QByteArray& junk : {QByteArray("activatefoo\n"), QByteArray("hello\n"), QByteArray(4096, 'x')}) {
            QLocalSocket client;
            client.connectToServer(socketPath);
            QVERIFY(client.waitForConnected(1000));
            client.write(junk);
            client.flush();
            QVERIFY2(client.state() == QLocalSocket::UnconnectedState || client.waitForDisconnected(3000),
                     junk.left(20).constData());
            QVERIFY(!client.canReadLine());
        }
        QProcess second;
        second.start(QStringLiteral(PROBE_PATH), {dir_->path()});
        QVERIFY(second.waitForFinished(3000));
        QCOMPARE(second.exitCode(), 0);
        QByteArray out;
        QVERIFY(waitForLine(primary, "activated", &out));
        QCOMPARE(out.trimmed(), QByteArray("activated"));
    }

    // Where no lock can be made at all, the start runs rather than ending as if another did.
    void unusableDirectoryStillStarts()
    {
        QProcess p;
        p.start(QStringLiteral(PROBE_PATH), {QStringLiteral("/proc/self/no-such-dir")});
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(3000));
        QVERIFY(p.readAllStandardOutput().startsWith("primary"));
        QVERIFY(p.readAllStandardError().contains("not checking for another instance"));
    }

    void racingStartsLeaveExactlyOnePrimary()
    {
        for (int round = 0; round < 5; ++round) {
            QTemporaryDir dir;
            std::vector<std::unique_ptr<QProcess>> starts;
            for (int i = 0; i < 3; ++i) {
                starts.push_back(std::make_unique<QProcess>());
                starts.back()->start(QStringLiteral(PROBE_PATH), {dir.path()});
            }
            int primaries = 0;
            int acknowledged = 0;
            for (auto& p : starts) {
                QVERIFY(p->waitForStarted(2000));
            }
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 5000 && primaries + acknowledged < 3) {
                primaries = acknowledged = 0;
                QCoreApplication::processEvents();
                for (auto& p : starts) {
                    p->waitForReadyRead(20);
                    const QByteArray out = p->peek(4096);
                    primaries += out.startsWith("primary") ? 1 : 0;
                    acknowledged += (p->state() == QProcess::NotRunning && p->exitCode() == 0 &&
                                     out.startsWith("secondary acknowledged"))
                                        ? 1
                                        : 0;
                }
            }
            QCOMPARE(primaries, 1);
            QCOMPARE(acknowledged, 2);
            for (auto& p : starts) {
                p->closeWriteChannel();
                p->waitForFinished(2000);
            }
        }
    }

private:
    QProcessEnvironment envWithToken(const QByteArray& token)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QString::fromLatin1(token));
        return env;
    }

    QProcess* startPrimary()
    {
        running_.push_back(std::make_unique<QProcess>());
        QProcess* p = running_.back().get();
        p->start(QStringLiteral(PROBE_PATH), {dir_->path()});
        if (!waitForLine(p, "primary")) {
            qWarning() << "not primary:" << p->readAll();
            QTest::qFail("the start did not become primary", __FILE__, __LINE__);
        }
        return p;
    }

    static bool waitForLine(QProcess* p, const QByteArray& prefix, QByteArray* line = nullptr)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 3000) {
            while (p->canReadLine()) {
                const QByteArray got = p->readLine();
                if (got.startsWith(prefix)) {
                    if (line != nullptr) {
                        *line = got;
                    }
                    return true;
                }
            }
            p->waitForReadyRead(50);
        }
        return false;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::vector<std::unique_ptr<QProcess>> running_;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
