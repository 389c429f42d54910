#include <QApplication>

#include "gui/app/Form1.h"
#include "gui/app/SingleInstance.h"
#include "gui/widgets/AppLook.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zicalc"));
    QApplication::setApplicationVersion(QStringLiteral(ZICALC_VERSION));
    // The menu entry's id: the desktop shows the window as that entry, with its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZICALC_APP_ID));
    zicalc::ApplyApplicationLook(app);

    // A second start brings the running one to the front and ends, showing nothing.
    zicalc::SingleInstance instance(zicalc::SingleInstance::defaultDirectory());
    if (!instance.becomePrimary()) {
        // An unanswered request may mean the primary was just closing: then take its place.
        if (instance.activatePrimary(qgetenv("XDG_ACTIVATION_TOKEN")) || !instance.becomePrimary()) {
            return 0;
        }
    }

    zicalc::Form1 w;
    QObject::connect(&instance, &zicalc::SingleInstance::activationRequested, &w, &zicalc::Form1::activateFromOutside);
    QObject::connect(&w, &zicalc::Form1::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    app.setQuitOnLastWindowClosed(false);
    w.show();
    return QApplication::exec();
}
