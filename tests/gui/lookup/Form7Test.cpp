#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QtTest>

#include "GuiTest.h"
#include "gui/lookup/EquipmentTablePicture.h"
#include "gui/lookup/Form7.h"

using namespace guitest;

class Form7Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = new zicalc::Form7();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    void cleanup() { delete form_.data(); }

    void opensOnTheWeapon()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("打造裁缝炼金基础/最高数值"));
        QCOMPARE(label(QStringLiteral("Label1(0)")), QStringLiteral("武器等级:"));
        QCOMPARE(label(QStringLiteral("Label1(1)")), QStringLiteral("武器属性:"));
        QCOMPARE(label(QStringLiteral("Label2(0)")), QStringLiteral("命中:"));
        QCOMPARE(label(QStringLiteral("Label2(1)")), QStringLiteral("伤害:"));
        QCOMPARE(Find<QComboBox>(form_, QStringLiteral("Combo1"))->currentText(), QStringLiteral("10"));
        QVERIFY(Find<QRadioButton>(form_, QStringLiteral("Option1(0)"))->isChecked());
        QCOMPARE(Text(form_, QStringLiteral("Text1(0)")), QStringLiteral("0"));
        QCOMPARE(Text(form_, QStringLiteral("Text1(1)")), QStringLiteral("0"));
        QVERIFY(picture(0)->isVisible());
        for (int k = 1; k < 6; ++k) {
            QVERIFY(!picture(k)->isVisible());
        }
    }

    // The tables scale the offset too: 20 级 强化 命中 reads 84 there while the comparison says 83.
    void tablesShowTheirOwnFormulas()
    {
        QCOMPARE(picture(0)->cellText(1, 0), QStringLiteral("20"));
        QCOMPARE(picture(0)->cellText(1, 3), QStringLiteral("84"));
        QStringList row;
        for (int c = 0; c < picture(0)->columnCount(); ++c) {
            row << picture(0)->cellText(14, c);
        }
        QCOMPARE(row, Words("150 535 460 561 483 748 644 588 506 784 674"));
        QCOMPARE(picture(4)->columnCount(), 6);
        QCOMPARE(picture(4)->cellText(0, 5), QStringLiteral("24"));
    }

    void comparesWhatThePlayerTyped()
    {
        QVERIFY(Choose(form_, QStringLiteral("Combo1"), QStringLiteral("20")));
        Click(form_, QStringLiteral("Option1(1)"));
        Enter(form_, QStringLiteral("Text1(0)"), QStringLiteral("50"));
        Enter(form_, QStringLiteral("Text1(1)"), QStringLiteral("200"));
        Click(form_, QStringLiteral("Button2(0)"));
        QCOMPARE(results(),
                 (QStringList{QStringLiteral("你的 20 级强化武器:"), QStringLiteral("命中:50 伤害:200"),
                              QStringLiteral("20 级强化武器基础数值:"), QStringLiteral("命中:83 伤害:73"),
                              QStringLiteral("你的强化武器比基础数值:"), QStringLiteral("命中低:33 伤害高:127")}));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(form_, QStringLiteral("Button1(0)")));
        QCOMPARE(Colour(form_, QStringLiteral("Label3(4)")), zicalc::colours::kBlue);
        QCOMPARE(Colour(form_, QStringLiteral("Label3(5)")), zicalc::colours::kRed);
    }

    // An empty field is reported on the first result line, never in the warning box.
    void emptyFieldResetsTheInputs()
    {
        QVERIFY(Choose(form_, QStringLiteral("Combo1"), QStringLiteral("80")));
        Click(form_, QStringLiteral("Option1(3)"));
        Enter(form_, QStringLiteral("Text1(0)"), QStringLiteral("300"));
        Enter(form_, QStringLiteral("Text1(1)"), QString());
        const QStringList warnings = AnswerWarnings([this] { Click(form_, QStringLiteral("Button2(0)")); });
        QVERIFY(warnings.isEmpty());
        QCOMPARE(results(), (QStringList{QStringLiteral("输入有误"), {}, {}, {}, {}, {}}));
        QCOMPARE(Text(form_, QStringLiteral("Text1(0)")), QStringLiteral("0"));
        QCOMPARE(Text(form_, QStringLiteral("Text1(1)")), QStringLiteral("0"));
        QCOMPARE(Find<QComboBox>(form_, QStringLiteral("Combo1"))->currentText(), QStringLiteral("10"));
        QVERIFY(Find<QRadioButton>(form_, QStringLiteral("Option1(3)"))->isChecked());
    }

    void switchingTypeStartsAfresh()
    {
        Enter(form_, QStringLiteral("Text1(0)"), QStringLiteral("12"));
        Click(form_, QStringLiteral("Button1(6)"));
        Click(form_, QStringLiteral("Button1(0)"));  // the type shown: nothing changes
        QCOMPARE(Text(form_, QStringLiteral("Text1(0)")), QStringLiteral("12"));
        QCOMPARE(results().first(), QStringLiteral("1.上面列出的最高并不一定是最高,"));

        Click(form_, QStringLiteral("Button1(4)"));
        QCOMPARE(label(QStringLiteral("Label1(0)")), QStringLiteral("项链等级:"));
        QCOMPARE(label(QStringLiteral("Label2(0)")), QStringLiteral("灵力:"));
        QCOMPARE(label(QStringLiteral("Label2(1)")), QStringLiteral("无"));
        auto* second = Find<QLineEdit>(form_, QStringLiteral("Text1(1)"));
        QVERIFY(second->isReadOnly());
        QCOMPARE(second->text(), QString());
        QCOMPARE(Text(form_, QStringLiteral("Text1(0)")), QStringLiteral("0"));
        QCOMPARE(results(), (QStringList{{}, {}, {}, {}, {}, {}}));
        QVERIFY(picture(4)->isVisible());
        QVERIFY(!picture(0)->isVisible());

        Click(form_, QStringLiteral("Button1(3)"));
        QVERIFY(!second->isReadOnly());
        QCOMPARE(second->text(), QStringLiteral("0"));
        QCOMPARE(label(QStringLiteral("Label2(1)")), QStringLiteral("气血:"));
    }

    void notesKeepInputsAndResetRestoresDefaults()
    {
        Click(form_, QStringLiteral("Button1(1)"));
        QVERIFY(Choose(form_, QStringLiteral("Combo1"), QStringLiteral("60")));
        Click(form_, QStringLiteral("Option1(2)"));
        Enter(form_, QStringLiteral("Text1(0)"), QStringLiteral("77"));
        Click(form_, QStringLiteral("Button1(6)"));
        QCOMPARE(
            results(),
            (QStringList{QStringLiteral("1.上面列出的最高并不一定是最高,"), QStringLiteral("  它只作为一个参考数据."),
                         QStringLiteral("2.下面可以计算武器装备和实际基础"), QStringLiteral("  数据之间的差距."),
                         QStringLiteral("3.这个表只是给大家作为一个参考依"),
                         QStringLiteral("  据,如有错误之处欢迎指正.")}));
        QCOMPARE(Text(form_, QStringLiteral("Text1(0)")), QStringLiteral("77"));
        QCOMPARE(Find<QComboBox>(form_, QStringLiteral("Combo1"))->currentText(), QStringLiteral("60"));

        Click(form_, QStringLiteral("Button2(1)"));
        QCOMPARE(Text(form_, QStringLiteral("Text1(0)")), QStringLiteral("0"));
        QCOMPARE(Text(form_, QStringLiteral("Text1(1)")), QString());
        QCOMPARE(Find<QComboBox>(form_, QStringLiteral("Combo1"))->currentText(), QStringLiteral("10"));
        QVERIFY(Find<QRadioButton>(form_, QStringLiteral("Option1(0)"))->isChecked());
        QCOMPARE(results(), (QStringList{{}, {}, {}, {}, {}, {}}));
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(form_, QStringLiteral("Button1(0)")));
    }

    void closeButtonUnloadsTheWindow()
    {
        Click(form_, QStringLiteral("Button1(7)"));
        QTRY_VERIFY(form_.isNull());
    }

private:
    QString label(const QString& name) const { return Find<QLabel>(form_, name)->text(); }
    zicalc::EquipmentTablePicture* picture(int k) const
    {
        return Find<zicalc::EquipmentTablePicture>(form_, QStringLiteral("Picture1(%1)").arg(k));
    }
    QStringList results() const
    {
        QStringList out;
        for (int i = 0; i < 6; ++i) {
            out << label(QStringLiteral("Label3(%1)").arg(i));
        }
        return out;
    }

    QPointer<zicalc::Form7> form_;
};

ZICALC_GUI_TEST_MAIN(Form7Test)
#include "Form7Test.moc"
