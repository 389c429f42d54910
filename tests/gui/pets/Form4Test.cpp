#include <QAbstractItemView>
#include <QComboBox>
#include <QTimer>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"
#include "gui/app/TrayIcon.h"
#include "gui/pets/Form4.h"

using namespace guitest;

namespace {

// Fields of the pet as copied: HP, the five points, the potential and the six aptitudes.
struct Pet {
    QString level = QStringLiteral("100");
    QString hp = QStringLiteral("1560");
    QStringList points = Words("200 100 100 100 100");
    QString potential = QStringLiteral("0");
    QStringList aptitudes = Words("1200 1200 1200 1500 1200 1000");
};

QString Name(const char* control, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(i);
}

}  // namespace

class Form4Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = Show<zicalc::Form4>();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() { form_.reset(); }

    void opensEmptyWithItsLists()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("召唤兽属性预测"));
        QCOMPARE(text(QStringLiteral("Text7")), QStringLiteral("计算待定"));
        QCOMPARE(combo1()->currentText(), QStringLiteral("0"));
        QCOMPARE(combo1()->count(), 161);
        QCOMPARE(combo1()->itemText(160), QStringLiteral("160"));
        auto* combo2 = Find<QComboBox>(form_.get(), QStringLiteral("Combo2"));
        QCOMPARE(combo2->count(), 121);
        QCOMPARE(combo2->currentText(), QStringLiteral("超级泡泡"));
        QCOMPARE(combo2->itemText(1), QStringLiteral("变异大海龟"));
        QCOMPARE(texts("Text3", 6), (QStringList{QString()} << Words("0 0 0 0 0")));
        QCOMPARE(texts("Text6", 6), Words("0 0 0 0 0 5"));
        QVERIFY(!button(QStringLiteral("Command2"))->isEnabled());
        QVERIFY(!button(QStringLiteral("Command4(1)"))->isEnabled());
        QVERIFY(button(QStringLiteral("Command1"))->isEnabled());
        QCOMPARE(button(QStringLiteral("Command7(1)"))->toolTip(), QStringLiteral("按住左键连续+1级,右键一次+10级"));
        QCOMPARE(button(QStringLiteral("Command6(10)"))->toolTip(), QStringLiteral("确认百分比加点"));
    }

    // Tab runs through the inputs in the order a player copies them, then to 确定.
    void tabOrderFollowsTheInputs()
    {
        combo1()->setFocus(Qt::TabFocusReason);
        QStringList order{QStringLiteral("Combo1")};
        for (int k = 0; k < 13; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, Words("Combo1 Text3(0) Text4(0) Text4(1) Text4(2) Text4(3) Text4(4) Text1(0) Text5(0) "
                              "Text5(1) Text5(2) Text5(3) Text5(4) Text5(5)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    }

    // Through the real warning box: empty over all thirteen fields first, then zero.
    void startChecksEmptyThenZero_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("躲闪资质 empty") << QStringLiteral("Text5(5)") << QString() << QStringLiteral("不能为空")
                                        << QStringLiteral("各输入项均不能为空！");
        QTest::newRow("潜能 empty") << QStringLiteral("Text1(0)") << QString() << QStringLiteral("不能为空")
                                    << QStringLiteral("各输入项均不能为空！");
        QTest::newRow("体质 0") << QStringLiteral("Text4(0)") << QStringLiteral("0") << QStringLiteral("输入有误")
                                << QStringLiteral("各输入项均不能为0！");
        QTest::newRow("气血 00") << QStringLiteral("Text3(0)") << QStringLiteral("00") << QStringLiteral("输入有误")
                                 << QStringLiteral("各输入项均不能为0！");
    }
    void startChecksEmptyThenZero()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, status);
        QFETCH(QString, message);
        type(Pet{});
        Enter(form_.get(), field, value);
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Command1")); });
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(text(QStringLiteral("Text7")), status);
        QCOMPARE(form_->focusWidget(), combo1());
        QCOMPARE(text(field), value);
        QVERIFY(button(QStringLiteral("Command1"))->isEnabled());
        QVERIFY(!Find<QLineEdit>(form_.get(), QStringLiteral("Text4(0)"))->isReadOnly());
    }

    void startShowsGrowthVerdictAndLocks()
    {
        Pet pet;
        pet.aptitudes[5] = QStringLiteral("0");  // 躲闪资质 may be 0
        pet.potential = QStringLiteral("12");
        start(pet);
        QCOMPARE(text(QStringLiteral("Text7")), QStringLiteral("野生/合成"));
        QCOMPARE(texts("Text2", 2), Words("1.200 3.600"));
        QCOMPARE(texts("Text3", 6), Words("1560 660 536 432 120 292"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("12"));
        QVERIFY(!button(QStringLiteral("Command1"))->isEnabled());
        for (const char* name : {"Command2", "Command3", "Command4(0)", "Command8"}) {
            QVERIFY2(button(QLatin1String(name))->isEnabled(), name);
        }
        QVERIFY(!button(QStringLiteral("Command4(1)"))->isEnabled());
        for (const QString& name : {QStringLiteral("Text3(0)"), QStringLiteral("Text4(2)"), QStringLiteral("Text1(0)"),
                                    QStringLiteral("Text5(5)")}) {
            auto* f = Find<QLineEdit>(form_.get(), name);
            QVERIFY2(f->isReadOnly(), qPrintable(name));
            QCOMPARE(zicalc::ToRgb(f->palette().color(QPalette::Base)), zicalc::kSimulatorLockedBackground);
        }
        // The level is locked, the keyboard included.
        combo1()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo1(), Qt::Key_Down);
        QTest::mouseClick(combo1(), Qt::LeftButton);
        QCOMPARE(combo1()->currentText(), QStringLiteral("100"));
        QVERIFY(!combo1()->view()->isVisible());
    }

    // Before 确定 nothing but 确定 does anything.
    void nothingWorksBeforeStart()
    {
        type(Pet{});
        rightClick(QStringLiteral("Command7(1)"));
        hold(QStringLiteral("Command7(1)"), 300);
        hold(QStringLiteral("Command5(0)"), 300);
        Click(form_.get(), QStringLiteral("Command6(0)"));
        Click(form_.get(), QStringLiteral("Command6(10)"));
        QTest::mouseClick(field(QStringLiteral("Text1(1)")), Qt::LeftButton);
        QTest::mouseClick(field(QStringLiteral("Text6(5)")), Qt::LeftButton);
        QCOMPARE(combo1()->currentText(), QStringLiteral("100"));
        QCOMPARE(texts("Text4", 5), Words("200 100 100 100 100"));
        QCOMPARE(texts("Text6", 6), Words("0 0 0 0 0 5"));
        QCOMPARE(text(QStringLiteral("Text7")), QStringLiteral("计算待定"));
    }

    // Held with the real mouse: repeats every 70 ms and stops itself at 160.
    void holdingPlusOneStopsAt160()
    {
        Pet pet;
        pet.level = QStringLiteral("158");
        pet.potential = QStringLiteral("0");
        start(pet);
        auto* plus = button(QStringLiteral("Command7(1)"));
        QTest::mousePress(plus, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(combo1()->currentText(), QStringLiteral("160"), 2000);
        QTest::qWait(200);
        QCOMPARE(combo1()->currentText(), QStringLiteral("160"));
        QCOMPARE(text(QStringLiteral("Text1(0)")), QStringLiteral("10"));
        QTest::mouseRelease(plus, Qt::LeftButton);
        // A click shorter than one interval does nothing, though "-1" would be allowed.
        Click(form_.get(), QStringLiteral("Command7(0)"));
        QTest::qWait(200);
        QCOMPARE(combo1()->currentText(), QStringLiteral("160"));
    }

    void holdingMinusOneStopsBelowFivePotential()
    {
        Pet pet;
        pet.potential = QStringLiteral("12");
        start(pet);
        hold(QStringLiteral("Command7(0)"), 600);
        QCOMPARE(combo1()->currentText(), QStringLiteral("98"));
        QCOMPARE(text(QStringLiteral("Text1(0)")), QStringLiteral("2"));
    }

    void rightClickStepsTen_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("150") << QStringLiteral("150") << QStringLiteral("160");
        QTest::newRow("151") << QStringLiteral("151") << QStringLiteral("151");
    }
    void rightClickStepsTen()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Pet pet;
        pet.level = from;
        start(pet);
        rightClick(QStringLiteral("Command7(1)"));
        QCOMPARE(combo1()->currentText(), to);
        QTest::qWait(150);  // no repeat follows a right press
        QCOMPARE(combo1()->currentText(), to);
    }

    // Three potential left: 力量 rises by 3, then the repeat runs on without effect until release.
    void holdingPlusOnStrengthWithThreeLeft()
    {
        Pet pet;
        pet.potential = QStringLiteral("3");
        start(pet);
        auto* plus = button(QStringLiteral("Command5(2)"));
        QTest::mousePress(plus, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(text(QStringLiteral("Text4(2)")), QStringLiteral("103"), 2000);
        QTest::qWait(200);
        QCOMPARE(text(QStringLiteral("Text4(2)")), QStringLiteral("103"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("0"));
        QTest::mouseRelease(plus, Qt::LeftButton);
        // Held "-" gives them back down to the baseline and no further; 气血 etc. never moved.
        hold(QStringLiteral("Command5(7)"), 600);
        QCOMPARE(text(QStringLiteral("Text4(2)")), QStringLiteral("100"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("3"));
        QCOMPARE(texts("Text3", 6), Words("1560 660 536 432 120 292"));
    }

    void rightPressPlacesFifty()
    {
        Pet pet;
        pet.potential = QStringLiteral("60");
        start(pet);
        rightClick(QStringLiteral("Command5(4)"));
        QCOMPARE(text(QStringLiteral("Text4(4)")), QStringLiteral("150"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("10"));
    }

    // Shares: left click 0.1, right press 0.5; "%" places points but leaves Text3 until 加点.
    void sharesThenPercentThenConfirm()
    {
        Pet pet;
        pet.potential = QStringLiteral("10");
        start(pet);
        rightClick(QStringLiteral("Command6(0)"));
        rightClick(QStringLiteral("Command6(0)"));
        Click(form_.get(), QStringLiteral("Command6(0)"));
        QCOMPARE(texts("Text6", 6), Words("1.1 0 0 0 0 3.9"));
        rightClick(QStringLiteral("Command6(10)"));  // nothing
        QCOMPARE(texts("Text4", 5), Words("200 100 100 100 100"));
        Click(form_.get(), QStringLiteral("Command6(10)"));
        // 10 × 1.1 / 5 = 2.2: two points on 体质, eight unplaced.
        QCOMPARE(texts("Text4", 5), Words("202 100 100 100 100"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("8"));
        QCOMPARE(texts("Text6", 6), Words("1.1 0 0 0 0 3.9"));
        QCOMPARE(texts("Text3", 6), Words("1560 660 536 432 120 292"));
        Click(form_.get(), QStringLiteral("Command8"));
        // 体质 202: 气血 120 + 1.2 × 202 × 6 = 1574.4, 灵力 30 + 20 + 40 + 70 + 60.6 + 72 = 292.6.
        QCOMPARE(texts("Text3", 6), Words("1574 660 536 432 120 292"));
        QCOMPARE(text(QStringLiteral("Text1(0)")), QStringLiteral("8"));
        QCOMPARE(texts("Text6", 6), Words("0 0 0 0 0 5"));
    }

    // Clicks on the fields: take all points, take the unassigned share, undo placing.
    void fieldClicks()
    {
        Pet pet;
        pet.potential = QStringLiteral("7");
        start(pet);
        Click(form_.get(), QStringLiteral("Command6(1)"));
        QTest::mouseClick(field(QStringLiteral("Text6(2)")), Qt::LeftButton);
        QCOMPARE(texts("Text6", 6), Words("0 0.1 4.9 0 0 0"));
        QTest::mouseClick(field(QStringLiteral("Text4(3)")), Qt::LeftButton);
        QCOMPARE(texts("Text4", 5), Words("200 100 100 107 100"));
        QCOMPARE(texts("Text6", 6), Words("0 0 0 0 0 5"));
        QTest::mouseClick(field(QStringLiteral("Text1(1)")), Qt::LeftButton);
        QCOMPARE(texts("Text4", 5), Words("200 100 100 100 100"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("7"));
    }

    // The simulator writes whole values even into a field typed with at most 4 digits.
    void fiveDigitValueInAFourDigitField()
    {
        Pet pet;
        pet.points = Words("9999 9999 9999 9999 9999");
        pet.potential = QStringLiteral("9999");
        pet.hp = QStringLiteral("99999");
        start(pet);
        QTest::mouseClick(field(QStringLiteral("Text4(0)")), Qt::LeftButton);
        QCOMPARE(text(QStringLiteral("Text4(0)")), QStringLiteral("19998"));
        Click(form_.get(), QStringLiteral("Command8"));
        QCOMPARE(text(QStringLiteral("Text4(0)")), QStringLiteral("19998"));
        rightClick(QStringLiteral("Command7(1)"));
        QCOMPARE(text(QStringLiteral("Text1(0)")), QStringLiteral("50"));
        QCOMPARE(text(QStringLiteral("Text4(1)")), QStringLiteral("10009"));
        // 重设 gives back the typed values, and typing is limited again.
        Click(form_.get(), QStringLiteral("Command2"));
        QCOMPARE(text(QStringLiteral("Text4(0)")), QStringLiteral("9999"));
        QCOMPARE(text(QStringLiteral("Text1(0)")), QStringLiteral("9999"));
        Enter(form_.get(), QStringLiteral("Text4(0)"), QStringLiteral("123456"));
        QCOMPARE(text(QStringLiteral("Text4(0)")), QStringLiteral("1234"));
    }

    // 读取 waits for 保存 (both through the real box), 重设 disables it and a new 确定 keeps it so.
    void loadFollowsSave()
    {
        Pet pet;
        pet.potential = QStringLiteral("20");
        start(pet);
        QVERIFY(!button(QStringLiteral("Command4(1)"))->isEnabled());
        Click(form_.get(), QStringLiteral("Command5(0)"));  // a click is too short to place anything
        rightClick(QStringLiteral("Command5(1)"));
        QCOMPARE(text(QStringLiteral("Text1(1)")), QStringLiteral("20"));
        Click(form_.get(), QStringLiteral("Command6(3)"));
        QCOMPARE(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Command4(0)")); }),
                 QStringList{QStringLiteral("保存完毕！")});
        QCOMPARE(text(QStringLiteral("Text7")), QStringLiteral("保存完毕"));
        QVERIFY(button(QStringLiteral("Command4(1)"))->isEnabled());
        rightClick(QStringLiteral("Command7(1)"));
        QCOMPARE(combo1()->currentText(), QStringLiteral("110"));
        QCOMPARE(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Command4(1)")); }),
                 QStringList{QStringLiteral("读取完毕！")});
        QCOMPARE(text(QStringLiteral("Text7")), QStringLiteral("读取完毕"));
        QCOMPARE(combo1()->currentText(), QStringLiteral("100"));
        QCOMPARE(texts("Text6", 6), Words("0.0 0.0 0.0 0.1 0.0 4.9"));
        Click(form_.get(), QStringLiteral("Command2"));
        QCOMPARE(text(QStringLiteral("Text7")), QStringLiteral("重设完毕"));
        QCOMPARE(form_->focusWidget(), combo1());
        QVERIFY(!button(QStringLiteral("Command4(1)"))->isEnabled());
        QCOMPARE(texts("Text2", 2), Words("1.200 3.600"));  // the last growth stays
        QVERIFY(!Find<QLineEdit>(form_.get(), QStringLiteral("Text5(0)"))->isReadOnly());
        Click(form_.get(), QStringLiteral("Command1"));
        QVERIFY(!button(QStringLiteral("Command1"))->isEnabled());
        QVERIFY(!button(QStringLiteral("Command4(1)"))->isEnabled());
    }

    // Hidden in the middle of a hold (minimised, say): no step happens behind the player's back.
    void hidingStopsTheRepeat()
    {
        start(Pet{});
        auto* plus = button(QStringLiteral("Command7(1)"));
        QTest::mousePress(plus, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(combo1()->currentText(), QStringLiteral("101"), 2000);
        form_->hide();
        const QString level = combo1()->currentText();
        QTest::qWait(300);
        QCOMPARE(combo1()->currentText(), level);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QTest::qWait(300);
        QCOMPARE(combo1()->currentText(), level);
        QTest::mouseRelease(plus, Qt::LeftButton);
    }

private:
    QComboBox* combo1() const { return Find<QComboBox>(form_.get(), QStringLiteral("Combo1")); }
    QAbstractButton* button(const QString& name) const { return Find<QAbstractButton>(form_.get(), name); }
    QLineEdit* field(const QString& name) const { return Find<QLineEdit>(form_.get(), name); }
    QString text(const QString& name) const { return Text(form_.get(), name); }
    QStringList texts(const char* control, int count) const
    {
        QStringList out;
        for (int i = 0; i < count; ++i) {
            out << text(Name(control, i));
        }
        return out;
    }

    void type(const Pet& pet)
    {
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo1"), pet.level));
        Enter(form_.get(), QStringLiteral("Text3(0)"), pet.hp);
        for (int i = 0; i < 5; ++i) {
            Enter(form_.get(), Name("Text4", i), pet.points[i]);
        }
        Enter(form_.get(), QStringLiteral("Text1(0)"), pet.potential);
        for (int i = 0; i < 6; ++i) {
            Enter(form_.get(), Name("Text5", i), pet.aptitudes[i]);
        }
    }
    void start(const Pet& pet)
    {
        type(pet);
        Click(form_.get(), QStringLiteral("Command1"));
        QVERIFY(!button(QStringLiteral("Command1"))->isEnabled());
    }
    void rightClick(const QString& name)
    {
        auto* b = button(name);
        QTest::mousePress(b, Qt::RightButton);
        QTest::mouseRelease(b, Qt::RightButton);
    }
    // Holds the left button on a button for `ms`, then lets go.
    void hold(const QString& name, int ms)
    {
        auto* b = button(name);
        QTest::mousePress(b, Qt::LeftButton);
        QTest::qWait(ms);
        QTest::mouseRelease(b, Qt::LeftButton);
    }

    std::unique_ptr<zicalc::Form4> form_;
};

ZICALC_GUI_TEST_MAIN(Form4Test)
#include "Form4Test.moc"
