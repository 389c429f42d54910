// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window,
// one window with one Chinese label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("zi多功能计算器"));
    label.show();
    return QApplication::exec();
}
