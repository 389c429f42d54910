#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "GuiTest.h"
#include "gui/lookup/Form11.h"
#include "gui/widgets/DcButton.h"

using namespace guitest;

namespace {

const zicalc::Rgb kGreen{192, 255, 192};
const zicalc::Rgb kLilac{210, 209, 228};

}  // namespace

class Form11Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = new zicalc::Form11();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    void cleanup() { delete form_.data(); }

    void opensOnTheMaterialsPage()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("家具配方"));
        QVERIFY(page(0)->isVisible());
        QCOMPARE(page(0)->title(), QStringLiteral("家具材料"));
        for (int k = 1; k < 5; ++k) {
            QVERIFY(!page(k)->isVisible());
        }
        QCOMPARE(button(0), kGreen);
        QCOMPARE(button(3), kLilac);
        QCOMPARE(label(0)->text(), QStringLiteral("[普通木料类]"));
        QCOMPARE(label(75)->text(), QString());
        QCOMPARE(Text(form_, QStringLiteral("Text5(1)")), QStringLiteral("     ┃          ┃          ┃          ┃"));
        QCOMPARE(Text(form_, QStringLiteral("Text5(0)")), QStringLiteral("     ┗━━━━━┻━━┳━━┻━━━━━┛"));
        QCOMPARE(Text(form_, QStringLiteral("Text5(2)")), QStringLiteral("                       ┃"));
    }

    void materialShowsItsNameAndPrice()
    {
        clickLabel(0);
        QCOMPARE(Text(form_, QStringLiteral("Text4")), QStringLiteral("普通木材类"));
        QCOMPARE(Text(form_, QStringLiteral("Text3(4)")), QStringLiteral("300"));
        QCOMPARE(Colour(form_, QStringLiteral("Label(0)")), zicalc::colours::kRed);

        // The names work from the keyboard as well.
        label(3)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(label(3), Qt::Key_Space);
        QCOMPARE(Text(form_, QStringLiteral("Text4")), QStringLiteral("印花工艺"));
        QCOMPARE(Text(form_, QStringLiteral("Text3(4)")), QStringLiteral("500"));
        QCOMPARE(Colour(form_, QStringLiteral("Label(0)")), zicalc::colours::kBlue);
        QCOMPARE(Colour(form_, QStringLiteral("Label(3)")), zicalc::colours::kRed);
    }

    void recipeFillsTheTree()
    {
        Click(form_, QStringLiteral("Button1(1)"));
        clickLabel(18);
        QCOMPARE(panel(), Words("普通木材类 普通手艺 _ _ 300 700 _ _ 10级 桦木圆桌 1000"));
        clickLabel(29);
        QCOMPARE(Text(form_, QStringLiteral("Text4")), QStringLiteral("文竹"));
        QCOMPARE(Colour(form_, QStringLiteral("Label(18)")), zicalc::colours::kBlue);
        QCOMPARE(Colour(form_, QStringLiteral("Label(29)")), zicalc::colours::kRed);
        clickLabel(29);  // the same name again stays red
        QCOMPARE(Colour(form_, QStringLiteral("Label(29)")), zicalc::colours::kRed);

        // A grade-three name changes only the name.
        Click(form_, QStringLiteral("Button1(3)"));
        clickLabel(67);
        QCOMPARE(panel(), Words("_ _ _ _ _ _ _ _ _ 千佛图 _"));
    }

    void pageButtonsMoveTheGreenAndClearThePanel()
    {
        Click(form_, QStringLiteral("Button1(2)"));
        QVERIFY(page(2)->isVisible());
        QVERIFY(!page(0)->isVisible());
        QCOMPARE(button(2), kGreen);
        QCOMPARE(button(0), kLilac);
        clickLabel(52);
        QCOMPARE(panel(), Words("珍稀木材类 普通金属类 灵巧手艺 宝石类 3000 400 5000 5000 90级 长信宫灯 13400"));

        // The button of the page shown only gives the name its blue back.
        Click(form_, QStringLiteral("Button1(2)"));
        QCOMPARE(Colour(form_, QStringLiteral("Label(52)")), zicalc::colours::kBlue);
        QCOMPARE(Text(form_, QStringLiteral("Text4")), QStringLiteral("长信宫灯"));
        QCOMPARE(button(2), kGreen);

        clickLabel(40);
        Click(form_, QStringLiteral("Button1(4)"));
        QCOMPARE(Colour(form_, QStringLiteral("Label(40)")), zicalc::colours::kBlue);
        QCOMPARE(panel(), Words("_ _ _ _ _ _ _ _ _ _ _"));
        QCOMPARE(button(4), kGreen);
        QCOMPARE(button(2), kLilac);
    }

    // No click in this window raises the warning box; the real one stays in place.
    void closeButtonUnloadsWithoutWarning()
    {
        clickLabel(5);
        const QStringList warnings = AnswerWarnings([this] { Click(form_, QStringLiteral("Button1(5)")); });
        QVERIFY(warnings.isEmpty());
        QTRY_VERIFY(form_.isNull());
    }

private:
    QGroupBox* page(int k) const { return Find<QGroupBox>(form_, QStringLiteral("Frame2(%1)").arg(k)); }
    QLabel* label(int i) const { return Find<QLabel>(form_, QStringLiteral("Label(%1)").arg(i)); }
    zicalc::Rgb button(int k) const
    {
        return Find<zicalc::DcButton>(form_, QStringLiteral("Button1(%1)").arg(k))->backgroundColour();
    }
    void clickLabel(int i)
    {
        QLabel* l = label(i);
        QVERIFY(l->isVisible());
        QTest::mouseClick(l, Qt::LeftButton, Qt::NoModifier, l->rect().center());
    }
    // Text2(0…3), Text3(0…3), Text6, Text4, Text3(4); "_" for an empty field.
    QStringList panel() const
    {
        QStringList names;
        for (int i = 0; i < 4; ++i) {
            names << QStringLiteral("Text2(%1)").arg(i);
        }
        for (int i = 0; i < 4; ++i) {
            names << QStringLiteral("Text3(%1)").arg(i);
        }
        names << QStringLiteral("Text6") << QStringLiteral("Text4") << QStringLiteral("Text3(4)");
        QStringList out;
        for (const QString& n : names) {
            const QString t = Text(form_, n);
            out << (t.isEmpty() ? QStringLiteral("_") : t);
        }
        return out;
    }

    QPointer<zicalc::Form11> form_;
};

ZICALC_GUI_TEST_MAIN(Form11Test)
#include "Form11Test.moc"
