#include <QCheckBox>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;

class TaskFramesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(2); }
    void cleanup() { form_.reset(); }

    void switchingToThePageFocusesTheGuildLevel()
    {
        QVERIFY(Find<QWidget>(form_.get(), QStringLiteral("Frame2(2)"))->isVisible());
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text7(0)"));
        // The tooltip keeps its old wording although the check is 11 … 155.
        QCOMPARE(Find<QWidget>(form_.get(), QStringLiteral("Button7(0)"))->toolTip(),
                 QStringLiteral("角色等级输入20-155级"));
        QCOMPARE(Find<QWidget>(form_.get(), QStringLiteral("Button8(0)"))->toolTip(),
                 QStringLiteral("角色等级60-155,环数1-300环"));
    }

    void guildTasks()
    {
        Enter(form_.get(), QStringLiteral("Text7(0)"), QStringLiteral("11"));
        Click(form_.get(), QStringLiteral("Button7(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text7(1)")), QStringLiteral("30115"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text7(2)")), QStringLiteral("12185"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text7(0)"));

        // A level out of range warns through the real box and keeps the results.
        Enter(form_.get(), QStringLiteral("Text7(0)"), QStringLiteral("156"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button7(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("输入等级要在11和155之间！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text7(1)")), QStringLiteral("30115"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text7(2)")), QStringLiteral("12185"));

        Click(form_.get(), QStringLiteral("Button7(1)"));
        for (const char* name : {"Text7(0)", "Text7(1)", "Text7(2)"}) {
            QCOMPARE(Text(form_.get(), QLatin1String(name)), QStringLiteral("0"));
        }
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text7(0)"));
    }

    // Clicking a result element selects its own text, not the level's; Tab never stops there.
    void clickingAResultSelectsItsText_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("levelText");
        QTest::addColumn<QString>("compute");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("玄武") << "Text7(0)"
                              << "155"
                              << "Button7(0)"
                              << "Text7(2)"
                              << "96425";
        QTest::newRow("门派 money") << "Text9(0)"
                                    << "100"
                                    << "Button9(0)"
                                    << "Text9(2)"
                                    << "388000";
    }
    void clickingAResultSelectsItsText()
    {
        QFETCH(QString, level);
        QFETCH(QString, levelText);
        QFETCH(QString, compute);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        Enter(form_.get(), level, levelText);
        Click(form_.get(), compute);
        auto* field = Find<QLineEdit>(form_.get(), result);
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
        QCOMPARE(form_->focusWidget(), field);
        QCOMPARE(field->selectedText(), expected);
        QVERIFY(field->isReadOnly());
        QVERIFY(!(field->focusPolicy() & Qt::TabFocus));
    }

    void schoolTask_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("doubleReward");
        QTest::addColumn<bool>("twoRounds");
        QTest::addColumn<QString>("experience");
        QTest::addColumn<QString>("money");
        QTest::newRow("40, both ticked") << "40" << true << true << "169600"
                                         << "117000";
        QTest::newRow("20, both unticked") << "20" << false << false << "15050"
                                           << "4600";
        QTest::newRow("155, both unticked") << "155" << false << false << "205375"
                                            << "109100";
    }
    void schoolTask()
    {
        QFETCH(QString, level);
        QFETCH(bool, doubleReward);
        QFETCH(bool, twoRounds);
        auto* check1 = Find<QCheckBox>(form_.get(), QStringLiteral("Check1"));
        auto* check3 = Find<QCheckBox>(form_.get(), QStringLiteral("Check3"));
        QVERIFY(check1->isChecked() && check3->isChecked());
        if (!doubleReward) {
            Click(check1);
        }
        if (!twoRounds) {
            Click(check3);
        }
        Enter(form_.get(), QStringLiteral("Text9(0)"), level);
        Click(form_.get(), QStringLiteral("Button9(0)"));
        QFETCH(QString, experience);
        QFETCH(QString, money);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(1)")), experience);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(2)")), money);
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text9(0)"));
    }

    // The boxes retitle themselves at once; the results change only at the next 计算.
    void checkBoxesRetitleAndWaitForTheNextComputation()
    {
        auto* check1 = Find<QCheckBox>(form_.get(), QStringLiteral("Check1"));
        auto* check3 = Find<QCheckBox>(form_.get(), QStringLiteral("Check3"));
        QCOMPARE(check1->text(), QStringLiteral("双倍"));
        QCOMPARE(check3->text(), QStringLiteral("两轮"));

        Enter(form_.get(), QStringLiteral("Text9(0)"), QStringLiteral("100"));
        Click(form_.get(), QStringLiteral("Button9(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(1)")), QStringLiteral("640000"));

        Click(check1);
        QCOMPARE(check1->text(), QStringLiteral("单倍"));
        Click(check3);
        QCOMPARE(check3->text(), QStringLiteral("一轮"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(1)")), QStringLiteral("640000"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(2)")), QStringLiteral("388000"));

        Click(check3);
        QCOMPARE(check3->text(), QStringLiteral("两轮"));
        Click(form_.get(), QStringLiteral("Button9(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(1)")), QStringLiteral("320000"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(2)")), QStringLiteral("194000"));

        WarningRecorder warnings;
        Enter(form_.get(), QStringLiteral("Text9(0)"), QStringLiteral("19"));
        Click(form_.get(), QStringLiteral("Button9(0)"));
        QCOMPARE(warnings.messages, QStringList{QStringLiteral("等级要在20到155之间！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text9(1)")), QStringLiteral("320000"));

        Click(form_.get(), QStringLiteral("Button9(1)"));
        for (const char* name : {"Text9(0)", "Text9(1)", "Text9(2)"}) {
            QCOMPARE(Text(form_.get(), QLatin1String(name)), QStringLiteral("0"));
        }
    }

    void taskChain()
    {
        // The defaults are the whole chain at level 60.
        Click(form_.get(), QStringLiteral("Button8(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(3)")), QStringLiteral("8505000"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text8(0)"));

        Enter(form_.get(), QStringLiteral("Text8(1)"), QStringLiteral("10"));
        Enter(form_.get(), QStringLiteral("Text8(2)"), QStringLiteral("10"));
        Click(form_.get(), QStringLiteral("Button8(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(3)")), QStringLiteral("14850"));

        // The level is judged before the rings.
        Enter(form_.get(), QStringLiteral("Text8(0)"), QStringLiteral("59"));
        Enter(form_.get(), QStringLiteral("Text8(1)"), QStringLiteral("0"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button8(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级要在60到155之间！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(3)")), QStringLiteral("14850"));

        Click(form_.get(), QStringLiteral("Button8(1)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(0)")), QStringLiteral("60"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(1)")), QStringLiteral("1"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(2)")), QStringLiteral("300"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text8(3)")), QStringLiteral("0"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text8(0)"));
    }

private:
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(TaskFramesTest)
#include "TaskFramesTest.moc"
