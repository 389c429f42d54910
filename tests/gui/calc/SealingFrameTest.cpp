#include <QCheckBox>
#include <QGroupBox>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;

namespace {

const QStringList kLevelZeroExperience{QStringLiteral("600"), QStringLiteral("0"), QStringLiteral("0"),
                                       QStringLiteral("0"),   QStringLiteral("0"), QStringLiteral("0"),
                                       QStringLiteral("0")};
const QStringList kLevelZeroMoney{QStringLiteral("75"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                  QStringLiteral("0"),  QStringLiteral("0"), QStringLiteral("0")};

}  // namespace

class SealingFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(2); }
    void cleanup() { form_.reset(); }

    void startsAtTheLevelZeroState()
    {
        const QStringList captions{QStringLiteral("建邺城"),   QStringLiteral("江南野外"), QStringLiteral("大唐国境"),
                                   QStringLiteral("大唐境外"), QStringLiteral("傲来国"),   QStringLiteral("长寿郊外"),
                                   QStringLiteral("北俱芦洲")};
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(Find<QGroupBox>(form_.get(), QStringLiteral("Frame6(%1)").arg(k))->title(), captions[k]);
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text12")), QStringLiteral("0"));
        QVERIFY(!check2()->isChecked());
        QCOMPARE(experience(), kLevelZeroExperience);
        QCOMPARE(money(), kLevelZeroMoney);
    }

    void rewards_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("experience");
        QTest::addColumn<QStringList>("money");
        QTest::newRow("60, unticked") << "60" << false << QStringList{QStringLiteral("600"),  QStringLiteral("3200"),
                                                                      QStringLiteral("7000"), QStringLiteral("12000"),
                                                                      QStringLiteral("9800"), QStringLiteral("6400"),
                                                                      QStringLiteral("1800")}
                                      << QStringList{QStringLiteral("75"),   QStringLiteral("400"),
                                                     QStringLiteral("875"),  QStringLiteral("1500"),
                                                     QStringLiteral("1225"), QStringLiteral("800"),
                                                     QStringLiteral("225")};
        QTest::newRow("155, ticked") << "155" << true << QStringList{QStringLiteral("1200"), QStringLiteral("1600"),
                                                                     QStringLiteral("2000"), QStringLiteral("2400"),
                                                                     QStringLiteral("2800"), QStringLiteral("3200"),
                                                                     QStringLiteral("3600")}
                                     << QStringList{QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("250"),
                                                    QStringLiteral("300"), QStringLiteral("350"), QStringLiteral("400"),
                                                    QStringLiteral("450")};
    }
    void rewards()
    {
        QFETCH(QString, level);
        QFETCH(bool, ticked);
        if (ticked) {
            Click(check2());
        }
        Enter(form_.get(), QStringLiteral("Text12"), level);
        Click(form_.get(), QStringLiteral("Button10"));
        QFETCH(QStringList, experience);
        QFETCH(QStringList, money);
        QCOMPARE(this->experience(), experience);
        QCOMPARE(this->money(), money);
        QCOMPARE(check2()->isChecked(), ticked);
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text12"));
    }

    // A level above 155 is replaced by 155 in the field, without a warning.
    void levelAbove155IsClampedInTheField()
    {
        WarningRecorder warnings;
        Click(check2());
        Enter(form_.get(), QStringLiteral("Text12"), QStringLiteral("200"));
        Click(form_.get(), QStringLiteral("Button10"));
        QVERIFY(warnings.messages.isEmpty());
        QCOMPARE(Text(form_.get(), QStringLiteral("Text12")), QStringLiteral("155"));
        QCOMPARE(experience().first(), QStringLiteral("1200"));
        QCOMPARE(experience().last(), QStringLiteral("3600"));
    }

    void lowLevelUnticksTheDoubleReward()
    {
        Click(check2());
        QVERIFY(check2()->isChecked());
        Click(form_.get(), QStringLiteral("Button10"));
        QVERIFY(!check2()->isChecked());
        QCOMPARE(experience(), kLevelZeroExperience);
        QCOMPARE(money(), kLevelZeroMoney);
    }

    // The empty level warns through the real box, then the frame is back at level 0.
    void emptyLevelWarnsAndResetsTheFrame()
    {
        Click(check2());
        Enter(form_.get(), QStringLiteral("Text12"), QStringLiteral("60"));
        Click(form_.get(), QStringLiteral("Button10"));
        QCOMPARE(experience().at(3), QStringLiteral("24000"));

        Find<QLineEdit>(form_.get(), QStringLiteral("Text12"))->clear();
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button10")); });
        QCOMPARE(shown, QStringList{QStringLiteral("待输入项不能为空！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text12")), QStringLiteral("0"));
        QVERIFY(!check2()->isChecked());
        QCOMPARE(experience(), kLevelZeroExperience);
        QCOMPARE(money(), kLevelZeroMoney);
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text12"));
    }

private:
    QCheckBox* check2() const { return Find<QCheckBox>(form_.get(), QStringLiteral("Check2")); }
    QStringList column(const QString& pattern) const
    {
        QStringList texts;
        for (int k = 0; k < 7; ++k) {
            texts << Text(form_.get(), pattern.arg(k));
        }
        return texts;
    }
    QStringList experience() const { return column(QStringLiteral("Text10(%1)")); }
    QStringList money() const { return column(QStringLiteral("Text11(%1)")); }

    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(SealingFrameTest)
#include "SealingFrameTest.moc"
