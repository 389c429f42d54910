#include <QCheckBox>
#include <QtTest>

#include "GuiTest.h"
#include "gui/calc/Form2.h"

using namespace guitest;

// The detail window on its own, shown without blocking so the test can drive it.
class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = std::make_unique<zicalc::Form2>();
        form_->setModal(false);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void cleanup() { form_.reset(); }

    void reversedRowIsUncheckedAndNotCounted()
    {
        Enter(form_.get(), QStringLiteral("Text2(0)"), QStringLiteral("10"));
        Enter(form_.get(), QStringLiteral("Text1(1)"), QStringLiteral("10"));
        Click(form_.get(), QStringLiteral("Button1(0)"));
        QVERIFY(check(0)->isChecked());
        QVERIFY(!check(1)->isChecked());
        QCOMPARE(rowCosts(), Words("1491/556 0/0 0/0 0/0 0/0 0/0 0/0"));
        QCOMPARE(totals(), Words("6 1491 556"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text1(0)"));
    }

    // The row with a level above 160 and all below it stay 0; the rows above are shown and totalled.
    void levelAbove160StopsTheLoop()
    {
        Enter(form_.get(), QStringLiteral("Text2(0)"), QStringLiteral("10"));
        Enter(form_.get(), QStringLiteral("Text2(1)"), QStringLiteral("1"));
        Enter(form_.get(), QStringLiteral("Text2(2)"), QStringLiteral("161"));
        Enter(form_.get(), QStringLiteral("Text2(3)"), QStringLiteral("1"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button1(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级均不能大于160！")});
        QCOMPARE(rowCosts(), Words("1491/556 16/6 0/0 0/0 0/0 0/0 0/0"));
        QCOMPARE(totals(), Words("7 1507 562"));
    }

    void uncheckedRowShowsItsCostOutsideTheTotals()
    {
        Enter(form_.get(), QStringLiteral("Text2(0)"), QStringLiteral("10"));
        Enter(form_.get(), QStringLiteral("Text1(3)"), QStringLiteral("159"));
        Enter(form_.get(), QStringLiteral("Text2(3)"), QStringLiteral("160"));
        Click(check(3));
        QVERIFY(!check(3)->isChecked());
        Click(form_.get(), QStringLiteral("Button1(0)"));
        QCOMPARE(rowCosts()[3], QStringLiteral("12459518/4672319"));
        QCOMPARE(totals(), Words("6 1491 556"));
    }

    // An empty field stops everything: nothing shown changes, no box is unchecked.
    void emptyFieldChangesNothing()
    {
        Enter(form_.get(), QStringLiteral("Text2(0)"), QStringLiteral("10"));
        Click(form_.get(), QStringLiteral("Button1(0)"));
        Enter(form_.get(), QStringLiteral("Text1(1)"), QStringLiteral("9"));
        Find<QLineEdit>(form_.get(), QStringLiteral("Text2(6)"))->clear();
        WarningRecorder warnings;
        Click(form_.get(), QStringLiteral("Button1(0)"));
        QCOMPARE(warnings.messages, QStringList{QStringLiteral("待输入项不能为空！")});
        QVERIFY(check(1)->isChecked());
        QCOMPARE(rowCosts()[0], QStringLiteral("1491/556"));
        QCOMPARE(totals(), Words("7 1491 556"));
    }

    void resetAndClose()
    {
        Enter(form_.get(), QStringLiteral("Text2(0)"), QStringLiteral("10"));
        Enter(form_.get(), QStringLiteral("Text1(4)"), QStringLiteral("3"));
        Click(form_.get(), QStringLiteral("Button1(0)"));
        QVERIFY(!check(4)->isChecked());
        Click(form_.get(), QStringLiteral("Button1(1)"));
        for (int i = 0; i < 7; ++i) {
            QVERIFY(check(i)->isChecked());
            QCOMPARE(Text(form_.get(), QStringLiteral("Text1(%1)").arg(i)), QStringLiteral("0"));
            QCOMPARE(Text(form_.get(), QStringLiteral("Text2(%1)").arg(i)), QStringLiteral("0"));
        }
        QCOMPARE(rowCosts(), Words("0/0 0/0 0/0 0/0 0/0 0/0 0/0"));
        QCOMPARE(totals(), Words("7 0 0"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text1(0)"));

        Click(form_.get(), QStringLiteral("Button1(2)"));
        QVERIFY(!form_->isVisible());
    }

private:
    QCheckBox* check(int i) const { return Find<QCheckBox>(form_.get(), QStringLiteral("Check1(%1)").arg(i)); }
    QStringList rowCosts() const
    {
        QStringList out;
        for (int i = 0; i < 7; ++i) {
            out << Text(form_.get(), QStringLiteral("Text3(%1)").arg(i)) + QLatin1Char('/') +
                       Text(form_.get(), QStringLiteral("Text4(%1)").arg(i));
        }
        return out;
    }
    QStringList totals() const
    {
        return {Text(form_.get(), QStringLiteral("Text7")), Text(form_.get(), QStringLiteral("Text5")),
                Text(form_.get(), QStringLiteral("Text6"))};
    }

    std::unique_ptr<zicalc::Form2> form_;
};

ZICALC_GUI_TEST_MAIN(Form2Test)
#include "Form2Test.moc"
