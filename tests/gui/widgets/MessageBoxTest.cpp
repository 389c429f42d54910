#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/widgets/MessageBox.h"
#include "gui/widgets/Warning.h"

using namespace guitest;

// The titled message box and the one sink through which tests answer it and the warning box.
class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void oneSinkTakesBothBoxes()
    {
        QList<QStringList> seen;
        const zicalc::MessageSink previous = zicalc::SetMessageSink([&seen](const QString& title, const QString& text) {
            seen << QStringList{title, text};
        });
        zicalc::ShowMessage(QStringLiteral("提醒"), QStringLiteral("第一次运行,请先手动对时！"));
        zicalc::ShowWarning(QStringLiteral("输入项均不能为空！"));
        zicalc::SetMessageSink(previous);
        QCOMPARE(seen, (QList<QStringList>{{QStringLiteral("提醒"), QStringLiteral("第一次运行,请先手动对时！")},
                                           {QStringLiteral("警告框！"), QStringLiteral("输入项均不能为空！")}}));
        // With the sink gone the real warning box is back.
        const QStringList shown = AnswerWarnings([] { zicalc::ShowWarning(QStringLiteral("保存完毕！")); });
        QCOMPARE(shown, QStringList{QStringLiteral("保存完毕！")});
    }

    // The real box: its title and text, one "确定", no minimise box, back at once when a window
    // manager minimises it, and answered by Enter.
    void realBoxShowsTitleAndText()
    {
        struct Seen {
            QString title, text, button;
            bool minimiseBox = true;
            bool cameBack = false;
        } seen;
        QTimer::singleShot(50, this, [&seen] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || box->objectName() != QLatin1String("TitledMessageBox")) {
                return;  // the watchdog reports the box left unanswered
            }
            seen.title = box->windowTitle();
            seen.text = Find<QLabel>(box, QStringLiteral("Label1"))->text();
            seen.button = Find<QAbstractButton>(box, QStringLiteral("Button1"))->text();
            seen.minimiseBox = box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
            box->setWindowState(Qt::WindowMinimized);
            QTest::qWait(50);
            seen.cameBack = box->isVisible() && !box->isMinimized();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        zicalc::ShowMessage(QStringLiteral("修改"), QStringLiteral("时间修改完毕！"));
        QCOMPARE(seen.title, QStringLiteral("修改"));
        QCOMPARE(seen.text, QStringLiteral("时间修改完毕！"));
        QCOMPARE(seen.button, QStringLiteral("确定"));
        QVERIFY(!seen.minimiseBox);
        QVERIFY(seen.cameBack);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

ZICALC_GUI_TEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
