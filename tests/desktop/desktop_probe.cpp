// The program as the desktop tests drive it: the real main window and its windows on the real
// display, plus one thing xdotool cannot do by itself, finding a control. A line "where NAME" on
// standard input is answered with the screen position of the centre of the visible control of
// that object name ("x y"), or "none".
#include <unistd.h>
#include <QApplication>
#include <QSocketNotifier>
#include <QStyleFactory>
#include <QTextStream>
#include <QWidget>
#include <cstdio>

#include "gui/app/Form1.h"
#include "gui/widgets/Fonts.h"

namespace {

QString Where(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) {
            continue;
        }
        QWidget* w = top->objectName() == name ? top : top->findChild<QWidget*>(name);
        if (w != nullptr && w->isVisible()) {
            const QPoint p = w->mapToGlobal(w->rect().center());
            return QStringLiteral("%1 %2").arg(p.x()).arg(p.y());
        }
    }
    return QStringLiteral("none");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zicalc"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(zicalc::DefaultFont());

    zicalc::Form1 w;
    QObject::connect(&w, &zicalc::Form1::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    app.setQuitOnLastWindowClosed(false);
    w.show();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char line[256];
        const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        line[n] = '\0';
        const QString command = QString::fromUtf8(line).trimmed();
        if (command.startsWith(QLatin1String("where "))) {
            std::printf("%s\n", qPrintable(Where(command.mid(6))));
            std::fflush(stdout);
        }
    });
    return QApplication::exec();
}
