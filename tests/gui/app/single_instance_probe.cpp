// A stand-in for a zicalc start, for the single-instance tests: takes part in the same protocol
// in the directory given and says on stdout which part it got.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "gui/app/SingleInstance.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    zicalc::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.becomePrimary()) {
        const bool acked = instance.activatePrimary(qgetenv("XDG_ACTIVATION_TOKEN"));
        std::printf(acked ? "secondary acknowledged\n" : "secondary unanswered\n");
        return acked ? 0 : 3;
    }
    std::printf("primary\n");
    std::fflush(stdout);
    QObject::connect(&instance, &zicalc::SingleInstance::activationRequested, [](const QByteArray& token) {
        std::printf("activated %s\n", token.constData());
        std::fflush(stdout);
    });
    // Runs until its standard input closes.
    QSocketNotifier stdinClosed(0, QSocketNotifier::Read);
    QObject::connect(&stdinClosed, &QSocketNotifier::activated, [&] {
        char buf[64];
        if (std::fread(buf, 1, sizeof buf, stdin) == 0) {
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}
