#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;
namespace colours = zicalc::colours;

// The frames "辅助技能", "角色修炼" and "帮派维护资金消耗" of the 帮派 page.
class GuildFramesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(1); }
    void cleanup() { form_.reset(); }

    void switchingToThePageFocusesTheFirstField()
    {
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text5(0)"));
    }

    // --- 辅助技能 ---

    void auxiliaryAtTheGuild()
    {
        Enter(form_.get(), QStringLiteral("Text5(0)"), QStringLiteral("0"));
        Enter(form_.get(), QStringLiteral("Text5(1)"), QStringLiteral("150"));
        Click(form_.get(), QStringLiteral("Button5(0)"));
        QCOMPARE(auxiliary(), Words("103055891 19323385 11325 11925"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(2)")), colours::kRed);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(3)")), colours::kMagenta);
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text5(0)"));

        // The guild message as it has always read; the results stay, now black.
        Enter(form_.get(), QStringLiteral("Text5(1)"), QStringLiteral("151"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button5(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级1和1不能大于160！")});
        QCOMPARE(auxiliary(), Words("103055891 19323385 11325 11925"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(2)")), colours::kBlack);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(3)")), colours::kBlack);

        Click(form_.get(), QStringLiteral("Button5(1)"));
        QCOMPARE(auxiliaryAll(), Words("0 0 0 0 0 0"));
        QCOMPARE(caption(5), QStringLiteral("消耗帮贡"));  // the reset keeps the way
    }

    void switchingTheWay()
    {
        Enter(form_.get(), QStringLiteral("Text5(0)"), QStringLiteral("0"));
        Enter(form_.get(), QStringLiteral("Text5(1)"), QStringLiteral("150"));
        Click(form_.get(), QStringLiteral("Button5(0)"));

        Click(form_.get(), QStringLiteral("Option1(1)"));
        QCOMPARE(auxiliaryAll(), Words("0 0 0 0 0 0"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(2)")), colours::kBlack);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(3)")), colours::kBlack);
        QCOMPARE(caption(5), QStringLiteral("消耗人气"));
        QCOMPARE(caption(6), QStringLiteral("点."));
        QCOMPARE(caption(7), QStringLiteral("(技能上限40级)"));
        QVERIFY(Find<QLabel>(form_.get(), QStringLiteral("Label2(8)"))->isHidden());
        QVERIFY(Find<QLineEdit>(form_.get(), QStringLiteral("Text5(5)"))->isHidden());
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text5(0)"));

        Enter(form_.get(), QStringLiteral("Text5(0)"), QStringLiteral("10"));
        Enter(form_.get(), QStringLiteral("Text5(1)"), QStringLiteral("20"));
        Click(form_.get(), QStringLiteral("Button5(0)"));
        QCOMPARE(auxiliary(), Words("61075 44075 37 0"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text5(2)")), colours::kBlack);

        Enter(form_.get(), QStringLiteral("Text5(1)"), QStringLiteral("41"));
        WarningRecorder warnings;
        Click(form_.get(), QStringLiteral("Button5(0)"));
        QCOMPARE(warnings.messages, QStringList{QStringLiteral("等级1和2不能大于40!")});

        Click(form_.get(), QStringLiteral("Option1(0)"));
        QCOMPARE(auxiliaryAll(), Words("0 0 0 0 0 0"));
        QCOMPARE(caption(5), QStringLiteral("消耗帮贡"));
        QCOMPARE(caption(6), QStringLiteral("点,"));
        QCOMPARE(caption(7), QStringLiteral("至少要有帮贡"));
        QCOMPARE(caption(8), QStringLiteral("点(技能上限150级)."));
        QVERIFY(Find<QLabel>(form_.get(), QStringLiteral("Label2(8)"))->isVisible());
        QVERIFY(Find<QLineEdit>(form_.get(), QStringLiteral("Text5(5)"))->isVisible());
    }

    // --- 角色修炼 ---

    void cultivation()
    {
        Enter(form_.get(), QStringLiteral("Text6(0)"), QStringLiteral("0"));
        Enter(form_.get(), QStringLiteral("Text6(1)"), QStringLiteral("0"));
        Enter(form_.get(), QStringLiteral("Text6(2)"), QStringLiteral("25"));
        Click(form_.get(), QStringLiteral("Button6(0)"));
        QCOMPARE(cultivationFields(), Words("0 0 25 67750 20325 3750 33875 145"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text6(0)"));

        Click(form_.get(), QStringLiteral("Option2(1)"));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text6(0)"));
        Click(form_.get(), QStringLiteral("Button6(0)"));
        QCOMPARE(cultivationFields()[4], QStringLiteral("13550"));

        // The experience is counted in tens and shown as counted.
        Click(form_.get(), QStringLiteral("Option2(0)"));
        Enter(form_.get(), QStringLiteral("Text6(1)"), QStringLiteral("149"));
        Enter(form_.get(), QStringLiteral("Text6(2)"), QStringLiteral("1"));
        Click(form_.get(), QStringLiteral("Button6(0)"));
        QCOMPARE(cultivationFields(), Words("0 140 1 10 3 150 5 25"));

        Enter(form_.get(), QStringLiteral("Text6(2)"), QStringLiteral("26"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button6(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级1和2不能大于25！")});
        QCOMPARE(cultivationFields(), Words("0 140 26 10 3 150 5 25"));

        // Equal levels zero everything from the target level on.
        Enter(form_.get(), QStringLiteral("Text6(0)"), QStringLiteral("3"));
        Enter(form_.get(), QStringLiteral("Text6(2)"), QStringLiteral("3"));
        Click(form_.get(), QStringLiteral("Button6(0)"));
        QCOMPARE(cultivationFields(), Words("3 140 0 0 0 0 0 0"));

        Click(form_.get(), QStringLiteral("Button6(1)"));
        QCOMPARE(cultivationFields(), Words("0 0 0 0 0 0 0 0"));
    }

    // --- 帮派维护资金消耗 ---

    void buildingListsStartDisabled()
    {
        for (int i = 1; i <= 6; ++i) {
            auto* combo = list(i);
            QVERIFY(!combo->isEnabled());
            QCOMPARE(combo->count(), 1);
            QCOMPARE(combo->currentText(), QStringLiteral("0"));
        }
        QCOMPARE(list(0)->currentText(), QStringLiteral("0"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(0)")), QString());
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(1)")), QString());
    }

    void choosingALevelRebuildsTheLists()
    {
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(0)"), QStringLiteral("1")));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(0)")), QStringLiteral("25200"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(1)")), QStringLiteral("1209600"));
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(list(i)->isEnabled());
            QCOMPARE(items(list(i)), Words("0 1 2 3 4"));
        }

        QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(1)"), QStringLiteral("1")));
        QCOMPARE(tooltip(0), QStringLiteral("1个金库可容纳资金上限是3000万两,商人跑商有额外奖励的资金上限是500万两."));

        // A new level starts from no buildings again.
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(0)"), QStringLiteral("5")));
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(list(i)->count(), 21);
            QCOMPARE(list(i)->currentText(), QStringLiteral("0"));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(0)")), QStringLiteral("65200"));
        QCOMPARE(tooltip(0),
                 QStringLiteral("0个金库可容纳资金上限是2000万两, 商人跑商有额外奖励的资金上限是1000万两."));

        for (int i = 1; i <= 6; ++i) {
            QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(%1)").arg(i), QStringLiteral("20")));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(0)")), QStringLiteral("974174"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(1)")), QStringLiteral("46760352"));
        QCOMPARE(tooltip(0),
                 QStringLiteral("20个金库可容纳资金上限是22000万两, 商人跑商有额外奖励的资金上限是4840万两."));
        QCOMPARE(tooltip(3), QStringLiteral("暂无描述"));
        QCOMPARE(tooltip(4), QStringLiteral("20个厢房,可容纳帮众上限为200人."));

        QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(0)"), QStringLiteral("0")));
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!list(i)->isEnabled());
            QCOMPARE(list(i)->currentText(), QStringLiteral("0"));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(0)")), QString());
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(1)")), QString());
    }

    void oneBuildingOfEachKind()
    {
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(0)"), QStringLiteral("2")));
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(Choose(form_.get(), QStringLiteral("Combo7(%1)").arg(i), QStringLiteral("1")));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text28(0)")), QStringLiteral("42610"));
    }

private:
    QString caption(int i) const { return Find<QLabel>(form_.get(), QStringLiteral("Label2(%1)").arg(i))->text(); }
    QString tooltip(int i) const { return Find<QLabel>(form_.get(), QStringLiteral("Label17(%1)").arg(i))->toolTip(); }
    QComboBox* list(int i) const { return Find<QComboBox>(form_.get(), QStringLiteral("Combo7(%1)").arg(i)); }
    static QStringList items(const QComboBox* combo)
    {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i) {
            out << combo->itemText(i);
        }
        return out;
    }
    QStringList fields(const QString& pattern, int first, int last) const
    {
        QStringList out;
        for (int i = first; i <= last; ++i) {
            out << Text(form_.get(), pattern.arg(i));
        }
        return out;
    }
    QStringList auxiliary() const { return fields(QStringLiteral("Text5(%1)"), 2, 5); }
    QStringList auxiliaryAll() const { return fields(QStringLiteral("Text5(%1)"), 0, 5); }
    QStringList cultivationFields() const { return fields(QStringLiteral("Text6(%1)"), 0, 7); }

    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(GuildFramesTest)
#include "GuildFramesTest.moc"
