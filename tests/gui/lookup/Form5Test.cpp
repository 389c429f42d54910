#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/lookup/Form5.h"

using namespace guitest;
using zicalc::Form5;
using zicalc::Rgb;
namespace colours = zicalc::colours;

class Form5Test : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = Show<Form5>(); }
    void cleanup() { form_.reset(); }

    void opensWithTheGridAndNoLines()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("召唤兽血量值"));
        QCOMPARE(label(QStringLiteral("Label1"))->text(), QStringLiteral("各场景召唤兽血量值"));
        QCOMPARE(label(QStringLiteral("Label2(0)"))->text(), QStringLiteral("【 东海湾 】"));
        QCOMPARE(label(QStringLiteral("Label2(23)"))->text(), QStringLiteral("【  月宫   】"));
        QCOMPARE(label(QStringLiteral("Label2(47)"))->text(), QString());
        for (int k = 0; k <= 47; ++k) {
            QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(%1)").arg(k)), colours::kBlue);
        }
        QCOMPARE(lines(), QStringList(7));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text2(0)")), (Rgb{192, 0, 192}));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text2(1)")), colours::kBlue);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text2(2)")), colours::kMagenta);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text2(6)")), colours::kMagenta);
    }

    void clickingANameShowsItsScene()
    {
        clickScene(0);
        QCOMPARE(lines(),
                 (QStringList{
                     QStringLiteral("【东海湾】"), QStringLiteral("大海龟 血量 <35> <43> <57>"), {}, {}, {}, {}, {}}));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(0)")), colours::kRed);
        clickScene(43);
        QCOMPARE(
            lines().mid(0, 4),
            (QStringList{QStringLiteral("【无名鬼城】"), QStringLiteral("幽灵   血量 <1390> <1401> <1420>"),
                         QStringLiteral("吸血鬼 血量 <1341> <1352> <1370>"), QStringLiteral("鬼将   血量 <> <> <>")}));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(0)")), colours::kBlue);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(43)")), colours::kRed);
        clickScene(6);
        QVERIFY(!lines().contains(QString()));
    }

    void clearThenTheSameNameRefillsAndStaysBlue()
    {
        Click(form_.get(), QStringLiteral("Command2"));  // right after opening: nothing to undo
        QCOMPARE(lines(), QStringList(7));
        clickScene(46);
        Click(form_.get(), QStringLiteral("Command2"));
        QCOMPARE(lines(), QStringList(7));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(46)")), colours::kBlue);
        clickScene(46);
        QCOMPARE(lines()[0], QStringLiteral("【小雷音寺】"));
        QCOMPARE(lines()[3], QStringLiteral("灵鹤     血量 <> <> <>"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(46)")), colours::kBlue);
        clickScene(45);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(45)")), colours::kRed);
    }

    // Tab runs through the names row by row; Space on one shows it.
    void keyboardChoosesAScene()
    {
        label(QStringLiteral("Label2(0)"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), label(QStringLiteral("Label2(6)")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(lines()[0], QStringLiteral("【大雁塔1层】"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label2(6)")), colours::kRed);
    }

    // The padding lines "血量" up only where a Chinese character is two spaces wide.
    void lineFontKeepsTheColumns()
    {
        const QFontMetrics fm(Find<QLineEdit>(form_.get(), QStringLiteral("Text2(1)"))->font());
        QCOMPARE(fm.horizontalAdvance(QStringLiteral("巨蛙   ")), fm.horizontalAdvance(QStringLiteral("大海龟 ")));
        QCOMPARE(fm.horizontalAdvance(QStringLiteral("狼")), 2 * fm.horizontalAdvance(QLatin1Char(' ')));
    }

    void closeButtonUnloads()
    {
        QPointer<Form5> alive = form_.get();
        form_->setAttribute(Qt::WA_DeleteOnClose);
        Click(form_.get(), QStringLiteral("Command1"));
        QTRY_VERIFY(alive.isNull());
        form_.release();
    }

private:
    QLabel* label(const QString& name) const { return Find<QLabel>(form_.get(), name); }
    void clickScene(int k) { QTest::mouseClick(label(QStringLiteral("Label2(%1)").arg(k)), Qt::LeftButton); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < 7; ++i) {
            out << Text(form_.get(), QStringLiteral("Text2(%1)").arg(i));
        }
        return out;
    }

    std::unique_ptr<Form5> form_;
};

ZICALC_GUI_TEST_MAIN(Form5Test)
#include "Form5Test.moc"
