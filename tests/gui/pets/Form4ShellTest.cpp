#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"
#include "gui/app/TrayIcon.h"
#include "gui/pets/Form4.h"

using namespace guitest;

namespace {

QStringList ItemNames(const QMenu* menu)
{
    QStringList names;
    for (const QAction* a : menu->actions()) {
        names << a->objectName();
    }
    return names;
}

QAction* Item(const QMenu* menu, const char* name)
{
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String(name)) {
            return a;
        }
    }
    qFatal("no menu item %s", name);
    return nullptr;
}

}  // namespace

// The simulator as the main window opens it: from 加点模拟器 and from the tray menu.
class Form4ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init() { main_ = ShowMainWindow(3); }
    void cleanup()
    {
        main_->close();  // unloads the simulator, shown or not
        main_.reset();
        QTRY_VERIFY(FindTopLevel(QStringLiteral("Form4")) == nullptr);
    }

    // Opening hides the main window; closing shows it and forgets the simulation; reopening
    // starts afresh.
    void closingDiscardsTheSimulation()
    {
        QWidget* form4 = open();
        QVERIFY(Choose(form4, QStringLiteral("Combo1"), QStringLiteral("42")));
        Enter(form4, QStringLiteral("Text3(0)"), QStringLiteral("1000"));
        for (int i = 0; i < 5; ++i) {
            Enter(form4, QStringLiteral("Text4(%1)").arg(i), QStringLiteral("80"));
        }
        Enter(form4, QStringLiteral("Text1(0)"), QStringLiteral("5"));
        for (int i = 0; i < 6; ++i) {
            Enter(form4, QStringLiteral("Text5(%1)").arg(i), QStringLiteral("1000"));
        }
        Click(form4, QStringLiteral("Command1"));
        QCOMPARE(AnswerWarnings([form4] { Click(form4, QStringLiteral("Command4(0)")); }),
                 QStringList{QStringLiteral("保存完毕！")});
        QVERIFY(Find<QAbstractButton>(form4, QStringLiteral("Command4(1)"))->isEnabled());

        form4->close();
        QTRY_VERIFY(main_->isVisible());
        QTRY_VERIFY(FindTopLevel(QStringLiteral("Form4")) == nullptr);

        form4 = open();
        QCOMPARE(Find<QComboBox>(form4, QStringLiteral("Combo1"))->currentText(), QStringLiteral("0"));
        QVERIFY(!Find<QAbstractButton>(form4, QStringLiteral("Command4(1)"))->isEnabled());
        QCOMPARE(Text(form4, QStringLiteral("Text7")), QStringLiteral("计算待定"));
        QCOMPARE(Text(form4, QStringLiteral("Text3(0)")), QString());
    }

    // "召唤兽加点" in the main window's menu comes before the separator and brings back the
    // simulator that is open, as it was.
    void trayItemRestoresTheOpenSimulator()
    {
        QCOMPARE(ItemNames(main_->tray()->menu()), Words("Menu_count Menu_Pet cut Menu_Exit"));
        QCOMPARE(Item(main_->tray()->menu(), "Menu_Pet")->text(), QStringLiteral("召唤兽加点"));
        QWidget* form4 = open();
        QVERIFY(Choose(form4, QStringLiteral("Combo1"), QStringLiteral("42")));
        form4->hide();
        main_->show();
        Item(main_->tray()->menu(), "Menu_Pet")->trigger();
        QTRY_VERIFY(form4->isVisible());
        QCOMPARE(FindTopLevel(QStringLiteral("Form4")), form4);
        QVERIFY(main_->isHidden());
        QCOMPARE(Find<QComboBox>(form4, QStringLiteral("Combo1"))->currentText(), QStringLiteral("42"));
    }

    // The simulator's own menu: 计算器 shows the main window and leaves the simulator hidden,
    // 召唤兽加点 brings it back, 关闭 ends the program.
    void simulatorMenu()
    {
        QWidget* form4 = open();
        auto* tray = form4->findChild<zicalc::TrayIcon*>();
        QVERIFY(tray != nullptr);
        QMenu* menu = tray->menu();
        QCOMPARE(menu->objectName(), QStringLiteral("menu_show"));
        QCOMPARE(menu->title(), QStringLiteral("显示计算器"));
        QStringList captions;
        for (const QAction* a : menu->actions()) {
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        QCOMPARE(captions, Words("计算器 召唤兽加点 - 关闭"));

        form4->hide();  // as in the tray
        Item(menu, "Menu_count")->trigger();
        QTRY_VERIFY(main_->isVisible());
        QVERIFY(form4->isHidden());
        Click(main_.get(), QStringLiteral("Button13"));  // the same simulator comes back
        QTRY_VERIFY(form4->isVisible());
        QVERIFY(main_->isHidden());

        form4->hide();
        Item(menu, "Menu_Pet")->trigger();
        QTRY_VERIFY(form4->isVisible());

        QSignalSpy closed(main_.get(), &zicalc::Form1::closed);
        Item(menu, "Menu_Exit")->trigger();
        QCOMPARE(closed.count(), 1);
    }

private:
    QWidget* open()
    {
        Click(main_.get(), QStringLiteral("Button13"));
        QWidget* form4 = FindTopLevel(QStringLiteral("Form4"));
        if (form4 == nullptr) {
            qFatal("加点模拟器 opened no simulator");
        }
        if (!QTest::qWaitFor([this] { return main_->isHidden(); }, 2000) || !QTest::qWaitForWindowExposed(form4)) {
            qFatal("the simulator did not take the main window's place");
        }
        return form4;
    }

    std::unique_ptr<zicalc::Form1> main_;
};

ZICALC_GUI_TEST_MAIN(Form4ShellTest)
#include "Form4ShellTest.moc"
