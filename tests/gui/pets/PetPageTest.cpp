#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

#include "GuiTest.h"
#include "core/pets/PetCatalogue.h"
#include "gui/app/Form1.h"

using namespace guitest;
namespace colours = zicalc::colours;

namespace {

QString Field(int i)
{
    return QStringLiteral("Text16(%1)").arg(i);
}

}  // namespace

class PetPageTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = ShowMainWindow(3);
        QVERIFY(Find(form_.get(), QStringLiteral("Frame2(3)"))->isVisible());
        combo_ = Find<QComboBox>(form_.get(), QStringLiteral("Combo1"));
    }
    void cleanup() { form_.reset(); }

    void pageStartsOnBigTurtleWithTheLevelFocused()
    {
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));
        QVERIFY(!combo_->isEditable());
        QCOMPARE(combo_->count(), 58);
        for (int i = 0; i < combo_->count(); ++i) {
            QCOMPARE(combo_->itemText(i), zicalc::ToQ(zicalc::PetCatalogue[static_cast<std::size_t>(i)].name));
        }
        QCOMPARE(combo_->currentText(), QStringLiteral("大海龟"));
        verifyRecord(QStringLiteral("大海龟"));
        QCOMPARE(Text(form_.get(), Field(9)), QStringLiteral("反震/慧根/幸运/防御/冥思/水吸收"));
        for (int i = 0; i < 12; ++i) {
            QVERIFY(Find<QLineEdit>(form_.get(), Field(i))->isReadOnly());
        }
    }

    void choosingByMouseFillsTheFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("护卫") << QStringLiteral("护卫");
        QTest::newRow("净瓶女娲") << QStringLiteral("净瓶女娲");
        QTest::newRow("灵鹤, near the end") << QStringLiteral("灵鹤");
    }
    void choosingByMouseFillsTheFields()
    {
        QFETCH(QString, name);
        QVERIFY(ChooseByMouse(form_.get(), combo_->objectName(), name));
        QCOMPARE(combo_->currentText(), name);
        verifyRecord(name);
    }

    // The arrow keys on the closed list pick the neighbour and show it at once.
    void choosingByKeyboardFillsTheFields()
    {
        combo_->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo_, Qt::Key_Down);
        QCOMPARE(combo_->currentText(), QStringLiteral("巨蛙"));
        verifyRecord(QStringLiteral("巨蛙"));
        QTest::keyClick(combo_, Qt::Key_End);
        verifyRecord(QStringLiteral("大力金刚"));
        QCOMPARE(Text(form_.get(), Field(0)), QStringLiteral("飞升"));
        QCOMPARE(Text(form_.get(), Field(1)), QStringLiteral("3000000"));
        QTest::keyClick(combo_, Qt::Key_Up);
        verifyRecord(QStringLiteral("夜罗刹"));
    }

    // 牛头 then 马面: only lifespan, skills and growth rates change.
    void oxHeadToHorseFaceChangesThreeFields()
    {
        combo_->setCurrentIndex(combo_->findText(QStringLiteral("牛头")));
        QStringList before;
        for (int i = 0; i < 12; ++i) {
            before << Text(form_.get(), Field(i));
        }
        combo_->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo_, Qt::Key_Down);
        QCOMPARE(combo_->currentText(), QStringLiteral("马面"));
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(Text(form_.get(), Field(i)) != before[i], i == 8 || i == 9 || i == 10);
        }
    }

    void growthFromHp_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("hp");
        QTest::addColumn<QString>("constitution");
        QTest::addColumn<QString>("aptitude");
        QTest::addColumn<QString>("newRate");
        QTest::addColumn<QString>("oldRate");
        QTest::newRow("level 0") << "0"
                                 << "100"
                                 << "20"
                                 << "1000"
                                 << "0.833"
                                 << "2.500";
        QTest::newRow("level 100") << "100"
                                   << "1560"
                                   << "200"
                                   << "1200"
                                   << "1.200"
                                   << "3.600";
    }
    void growthFromHp()
    {
        QFETCH(QString, level);
        QFETCH(QString, hp);
        QFETCH(QString, constitution);
        QFETCH(QString, aptitude);
        Enter(form_.get(), QStringLiteral("Text13(0)"), level);
        Enter(form_.get(), QStringLiteral("Text13(1)"), hp);
        Enter(form_.get(), QStringLiteral("Text13(2)"), constitution);
        Enter(form_.get(), QStringLiteral("Text13(3)"), aptitude);
        Click(form_.get(), QStringLiteral("Button11(0)"));
        QFETCH(QString, newRate);
        QFETCH(QString, oldRate);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(0)")), newRate);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(1)")), oldRate);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text14(0)")), colours::kRed);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text14(1)")), colours::kRed);
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));
    }

    // The HP row's errors through the real box: the results stay, the inputs stay.
    void growthFromHpWarnsAndKeepsEverything()
    {
        fillHpRow({"100", "1560", "200", "1200"});
        Click(form_.get(), QStringLiteral("Button11(0)"));
        Enter(form_.get(), QStringLiteral("Text13(1)"), QStringLiteral("100"));
        QCOMPARE(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button11(0)")); }),
                 QStringList{QStringLiteral("输入有误,导致结果错误！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(0)")), QStringLiteral("1.200"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(1)")), QStringLiteral("3.600"));
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));

        WarningRecorder warnings;
        Enter(form_.get(), QStringLiteral("Text13(0)"), QStringLiteral("161"));
        Click(form_.get(), QStringLiteral("Button11(0)"));
        Find<QLineEdit>(form_.get(), QStringLiteral("Text13(1)"))->clear();
        Click(form_.get(), QStringLiteral("Button11(0)"));
        QCOMPARE(warnings.messages,
                 (QStringList{QStringLiteral("等级不能大于160！"), QStringLiteral("待输入项不能为空！")}));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text13(0)")), QStringLiteral("161"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text13(1)")), QString());
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(0)")), QStringLiteral("1.200"));
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));
    }

    // The mana row computes, and an empty field puts "0" back into its four inputs.
    void growthFromMpAndItsEmptyFieldReset()
    {
        Enter(form_.get(), QStringLiteral("Text13(0)"), QStringLiteral("50"));
        Enter(form_.get(), QStringLiteral("Text13(4)"), QStringLiteral("480"));
        Enter(form_.get(), QStringLiteral("Text13(5)"), QStringLiteral("100"));
        Enter(form_.get(), QStringLiteral("Text13(6)"), QStringLiteral("1500"));
        Enter(form_.get(), QStringLiteral("Text13(1)"), QStringLiteral("777"));
        Click(form_.get(), QStringLiteral("Button11(1)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(0)")), QStringLiteral("1.100"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(1)")), QStringLiteral("3.300"));
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));

        Find<QLineEdit>(form_.get(), QStringLiteral("Text13(4)"))->clear();
        QCOMPARE(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button11(1)")); }),
                 QStringList{QStringLiteral("待输入项不能为空！")});
        for (const char* name : {"Text13(0)", "Text13(4)", "Text13(5)", "Text13(6)"}) {
            QCOMPARE(Text(form_.get(), QLatin1String(name)), QStringLiteral("0"));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text13(1)")), QStringLiteral("777"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(0)")), QStringLiteral("1.100"));
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));

        Click(form_.get(), QStringLiteral("Button11(2)"));
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(Text(form_.get(), QStringLiteral("Text13(%1)").arg(i)), QStringLiteral("0"));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(0)")), QString());
        QCOMPARE(Text(form_.get(), QStringLiteral("Text14(1)")), QString());
        QCOMPARE(focusName(), QStringLiteral("Text13(0)"));
    }

    void originTest_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("S = 100") << QStringLiteral("0 20 20 20 20 20 0").split(QLatin1Char(' ')) << "是天生的宝宝!";
        QTest::newRow("S = 40") << QStringLiteral("10 30 30 30 30 20 0").split(QLatin1Char(' ')) << "是野生召唤兽!";
        QTest::newRow("S = 50") << QStringLiteral("10 30 30 30 30 20 10").split(QLatin1Char(' '))
                                << "可能是合成的宝宝!";
    }
    void originTest()
    {
        QFETCH(QStringList, inputs);
        for (int i = 0; i < 7; ++i) {
            Enter(form_.get(), QStringLiteral("Text15(%1)").arg(i), inputs[i]);
        }
        Click(form_.get(), QStringLiteral("Button12(0)"));
        QFETCH(QString, verdict);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text15(7)")), verdict);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text15(7)")), colours::kRed);
        QCOMPARE(focusName(), QStringLiteral("Text15(0)"));

        // The verdict belongs to the same field array: a click into it selects the whole verdict.
        auto* result = Find<QLineEdit>(form_.get(), QStringLiteral("Text15(7)"));
        QTest::mouseClick(result, Qt::LeftButton, Qt::NoModifier, QPoint(4, result->height() / 2));
        QCOMPARE(focusName(), QStringLiteral("Text15(7)"));
        QCOMPARE(result->selectedText(), verdict);
    }

    // Potential above 5 × level fails through the real box and the verdict stays; reset clears.
    void originTestWarnsKeepsTheVerdictAndResets()
    {
        const QStringList born = QStringLiteral("10 30 30 30 30 30 50").split(QLatin1Char(' '));
        for (int i = 0; i < 7; ++i) {
            Enter(form_.get(), QStringLiteral("Text15(%1)").arg(i), born[i]);
        }
        Click(form_.get(), QStringLiteral("Button12(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text15(7)")), QStringLiteral("是天生的宝宝!"));
        Enter(form_.get(), QStringLiteral("Text15(6)"), QStringLiteral("51"));
        QCOMPARE(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button12(0)")); }),
                 QStringList{QStringLiteral("输入有误,导致结果出错！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text15(7)")), QStringLiteral("是天生的宝宝!"));
        QCOMPARE(focusName(), QStringLiteral("Text15(0)"));

        WarningRecorder warnings;
        Find<QLineEdit>(form_.get(), QStringLiteral("Text15(3)"))->clear();
        Click(form_.get(), QStringLiteral("Button12(0)"));
        QCOMPARE(warnings.messages, QStringList{QStringLiteral("待输入项均不能为空！")});

        Click(form_.get(), QStringLiteral("Button12(1)"));
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(Text(form_.get(), QStringLiteral("Text15(%1)").arg(i)), QStringLiteral("0"));
        }
        QCOMPARE(Text(form_.get(), QStringLiteral("Text15(7)")), QString());
        QCOMPARE(focusName(), QStringLiteral("Text15(0)"));
    }

    // Results are read-only and out of the tab order: Tab and Enter go from input to input.
    void tabAndEnterSkipTheResults()
    {
        for (const char* name : {"Text14(0)", "Text14(1)", "Text15(7)"}) {
            QVERIFY(Find<QLineEdit>(form_.get(), QLatin1String(name))->isReadOnly());
            QCOMPARE(Find(form_.get(), QLatin1String(name))->focusPolicy() & Qt::TabFocus, 0);
        }
        Find<QLineEdit>(form_.get(), QStringLiteral("Text13(0)"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Text13(1)"));
        Find<QLineEdit>(form_.get(), QStringLiteral("Text15(6)"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("Button12(0)"));
    }

private:
    // The field that has the focus in the main window (the application's focus widget is unset
    // for a moment while the warning box hands activation back).
    QString focusName() const { return form_->focusWidget() ? form_->focusWidget()->objectName() : QString(); }
    void verifyRecord(const QString& name)
    {
        const zicalc::PetRecord* pet = zicalc::FindPet(zicalc::ToStd(name));
        QVERIFY(pet != nullptr);
        const auto texts = pet->texts();
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(Text(form_.get(), Field(i)), zicalc::ToQ(texts[static_cast<std::size_t>(i)]));
        }
    }
    void fillHpRow(const std::array<const char*, 4>& values)
    {
        for (int i = 0; i < 4; ++i) {
            Enter(form_.get(), QStringLiteral("Text13(%1)").arg(i), QLatin1String(values[static_cast<std::size_t>(i)]));
        }
    }

    std::unique_ptr<zicalc::Form1> form_;
    QComboBox* combo_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(PetPageTest)
#include "PetPageTest.moc"
