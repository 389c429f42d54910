#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;
namespace colours = zicalc::colours;

// The frames "门派技能" and "携带金钱" of the 角色 page, and the way into Form2.
class CharacterFramesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(); }
    void cleanup() { form_.reset(); }

    void schoolSkills_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QColor>("experienceColour");
        QTest::addColumn<QColor>("moneyColour");
        QTest::newRow("one level, one skill") << "0"
                                              << "1" << 0 << Words("16 6") << QColor(0, 0, 0) << QColor(0, 0, 0);
        // Seven skills: multiplied totals, colours of one skill.
        QTest::newRow("full range, seven skills")
            << "0"
            << "160" << 6 << Words("1382077277 518284081") << QColor(255, 0, 0) << QColor(255, 0, 255);
        QTest::newRow("equal levels") << "50"
                                      << "50" << 2 << Words("0 0") << QColor(0, 0, 0) << QColor(0, 0, 0);
    }
    void schoolSkills()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, button);
        QFETCH(QStringList, shown);
        QFETCH(QColor, experienceColour);
        QFETCH(QColor, moneyColour);
        Enter(form_.get(), QStringLiteral("Text3(0)"), from);
        Enter(form_.get(), QStringLiteral("Text3(1)"), to);
        Click(form_.get(), QStringLiteral("Button3(%1)").arg(button));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text3(2)")), shown[0]);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text3(3)")), shown[1]);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text3(2)")), zicalc::ToRgb(experienceColour));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text3(3)")), zicalc::ToRgb(moneyColour));
        auto* label = Find<QLabel>(form_.get(), QStringLiteral("Label24"));
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("(X%1项)").arg(button + 1));
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text3(0)"));
    }

    // A reversed range warns through the real box, keeps the numbers (black) and hides the label;
    // the reset brings back the defaults.
    void schoolSkillWarningsAndReset()
    {
        auto* label = Find<QLabel>(form_.get(), QStringLiteral("Label24"));
        QVERIFY(label->isHidden());
        Enter(form_.get(), QStringLiteral("Text3(0)"), QStringLiteral("0"));
        Enter(form_.get(), QStringLiteral("Text3(1)"), QStringLiteral("160"));
        Click(form_.get(), QStringLiteral("Button3(0)"));
        Enter(form_.get(), QStringLiteral("Text3(0)"), QStringLiteral("9"));
        Enter(form_.get(), QStringLiteral("Text3(1)"), QStringLiteral("3"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button3(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级1不能大于等级2！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text3(2)")), QStringLiteral("197439611"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text3(3)")), QStringLiteral("74040583"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text3(2)")), colours::kBlack);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text3(3)")), colours::kBlack);
        QVERIFY(label->isHidden());

        WarningRecorder warnings;
        Enter(form_.get(), QStringLiteral("Text3(1)"), QStringLiteral("161"));
        Click(form_.get(), QStringLiteral("Button3(4)"));
        QCOMPARE(warnings.messages, QStringList{QStringLiteral("等级1和2均不能大于160！")});

        Enter(form_.get(), QStringLiteral("Text3(1)"), QStringLiteral("10"));
        Click(form_.get(), QStringLiteral("Button3(0)"));
        QVERIFY(label->isVisible());
        Click(form_.get(), QStringLiteral("Button3(7)"));
        for (const char* name : {"Text3(0)", "Text3(1)", "Text3(2)", "Text3(3)"}) {
            QCOMPARE(Text(form_.get(), QLatin1String(name)), QStringLiteral("0"));
        }
        QVERIFY(label->isHidden());
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text3(0)"));
    }

    // "详细计算" opens Form2 modally, and every time with its defaults.
    void detailWindowOpensFresh()
    {
        QStringList seen;
        QTimer driver;
        driver.setInterval(10);
        connect(&driver, &QTimer::timeout, [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != QLatin1String("Form2") || !modal->isVisible()) {
                return;
            }
            seen << modal->windowTitle() + QLatin1Char(' ') + Text(modal, QStringLiteral("Text7")) + QLatin1Char(' ') +
                        Text(modal, QStringLiteral("Text2(0)")) +
                        (Find<QCheckBox>(modal, QStringLiteral("Check1(6)"))->isChecked() ? QStringLiteral(" checked")
                                                                                          : QString());
            // Leave the window changed, then close it by its own button.
            Enter(modal, QStringLiteral("Text2(0)"), QStringLiteral("5"));
            Click(modal, QStringLiteral("Check1(6)"));
            Click(modal, QStringLiteral("Button1(2)"));
        });
        driver.start();
        Click(form_.get(), QStringLiteral("Button3(8)"));
        Click(form_.get(), QStringLiteral("Button3(8)"));
        driver.stop();
        const QString fresh = QStringLiteral("门派技能详细计算 7 0 checked");
        QCOMPARE(seen, (QStringList{fresh, fresh}));
        QVERIFY(form_->isVisible());
    }

    void moneyCap_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("cap");
        QTest::newRow("0") << "0"
                           << "10000";
        QTest::newRow("99") << "99"
                            << "19612000";
        QTest::newRow("100") << "100"
                             << "20000000";
        QTest::newRow("155") << "155"
                             << "20000000";
    }
    void moneyCap()
    {
        QFETCH(QString, level);
        QFETCH(QString, cap);
        Enter(form_.get(), QStringLiteral("Text4(0)"), level);
        Click(form_.get(), QStringLiteral("Button4(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text4(1)")), cap);
        QCOMPARE(form_->focusWidget()->objectName(), QStringLiteral("Text4(0)"));
    }

    void moneyCapWarningAndReset()
    {
        Enter(form_.get(), QStringLiteral("Text4(0)"), QStringLiteral("50"));
        Click(form_.get(), QStringLiteral("Button4(0)"));
        Enter(form_.get(), QStringLiteral("Text4(0)"), QStringLiteral("156"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button4(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("输入等级不能大于155！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text4(1)")), QStringLiteral("5010000"));
        Click(form_.get(), QStringLiteral("Button4(1)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text4(0)")), QStringLiteral("0"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text4(1)")), QStringLiteral("10000"));
    }

    // The cap field is not locked: a click lets the user type digits over it, yet Enter in the level
    // field passes it by, and the next calculation writes over what was typed.
    void moneyCapFieldTakesTypingButNoTabStop()
    {
        Enter(form_.get(), QStringLiteral("Text4(0)"), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(QApplication::focusWidget()->objectName() != QLatin1String("Text4(1)"));
        TypeInto(Find<QLineEdit>(form_.get(), QStringLiteral("Text4(1)")), QStringLiteral("12a3"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text4(1)")), QStringLiteral("123"));
        Click(form_.get(), QStringLiteral("Button4(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text4(1)")), QStringLiteral("12000"));
    }

private:
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(CharacterFramesTest)
#include "CharacterFramesTest.moc"
