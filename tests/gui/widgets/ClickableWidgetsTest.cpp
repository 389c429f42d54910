#include <QGridLayout>
#include <QSignalSpy>
#include <QtTest>

#include "GuiTest.h"
#include "core/app/Rgb.h"
#include "gui/widgets/ClickableField.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/SelectableLabelList.h"

using namespace guitest;
using zicalc::ClickableField;
using zicalc::ClickableLabel;
using zicalc::Rgb;
using zicalc::SelectableLabelList;
namespace colours = zicalc::colours;

// The clickable read-only field, and a selectable list of four labels ("Label2(0)" … "Label2(3)")
// with its sentinel "Label2(4)", placed after a text field so that Tab leads into the list.
class ClickableWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* grid = new QGridLayout(window_.get());
        before_ = new QLineEdit(window_.get());
        grid->addWidget(before_, 0, 0, 1, 4);
        list_ = new SelectableLabelList(window_.get());
        for (int i = 0; i < 4; ++i) {
            grid->addWidget(list_->addLabel(QStringLiteral("Label2(%1)").arg(i), QStringLiteral("【场景%1】").arg(i),
                                            window_.get()),
                            1, i);
        }
        grid->addWidget(list_->addSentinel(QStringLiteral("Label2(4)"), window_.get()), 2, 0);
        field_ = new ClickableField(QStringLiteral("Text6(0)"), QStringLiteral("0"), window_.get());
        field_->setTextColour(colours::kRed);
        field_->setBackgroundColour(colours::kGreen);
        grid->addWidget(field_, 3, 0, 1, 4);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void fieldClickActsAndNothingEdits()
    {
        QSignalSpy clicked(field_, &ClickableField::clicked);
        QCOMPARE(field_->textColour(), colours::kRed);
        QCOMPARE(field_->backgroundColour(), colours::kGreen);
        QTest::mouseClick(field_, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        // Neither a right click nor a press released away from the field is a click.
        QTest::mouseClick(field_, Qt::RightButton);
        QTest::mousePress(field_, Qt::LeftButton);
        QTest::mouseRelease(field_, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
        QCOMPARE(clicked.count(), 1);
        field_->setFocus();
        QTest::keyClicks(field_, QStringLiteral("9"));
        QTest::keyClick(field_, Qt::Key_Backspace);
        QCOMPARE(field_->text(), QStringLiteral("0"));
        QTest::keyClick(field_, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
    }

    void sentinelIsSelectedAtStart()
    {
        QCOMPARE(list_->count(), 5);
        QCOMPARE(list_->sentinelIndex(), 4);
        QCOMPARE(list_->selectedIndex(), 4);
        QVERIFY(!list_->hasSelection());
        QVERIFY(list_->label(4)->text().isEmpty());
        QCOMPARE(Colours(), Expected(-1));
    }

    // A click marks its label red and the previous one blue again; the same label twice stays
    // red and is reported again; the sentinel leaves every caption blue.
    void clicksMoveTheMark()
    {
        QSignalSpy selected(list_, &SelectableLabelList::selected);
        Click(1);
        QCOMPARE(Colours(), Expected(1));
        Click(3);
        QCOMPARE(Colours(), Expected(3));
        Click(3);
        QCOMPARE(Colours(), Expected(3));
        QCOMPARE(list_->selectedIndex(), 3);
        Click(4);
        QCOMPARE(Colours(), Expected(-1));
        QCOMPARE(list_->selectedIndex(), 4);
        QCOMPARE(Indices(selected), (QList<int>{1, 3, 3, 4}));
    }

    // Tab reaches each caption in turn (not the sentinel); Space and Enter choose.
    void keyboardChooses()
    {
        QSignalSpy selected(list_, &SelectableLabelList::selected);
        before_->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before_, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list_->label(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(Colours(), Expected(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Colours(), Expected(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != list_->label(4));
        QCOMPARE(Indices(selected), (QList<int>{1, 2}));
    }

    // What windows do by code: mark without a signal, unmark keeping the selection (a click on it
    // then leaves it blue), and clear to the sentinel.
    void selectionByCode()
    {
        QSignalSpy selected(list_, &SelectableLabelList::selected);
        list_->select(2);
        QCOMPARE(Colours(), Expected(2));
        QCOMPARE(selected.count(), 0);
        list_->unmarkSelected();
        QCOMPARE(Colours(), Expected(-1));
        QCOMPARE(list_->selectedIndex(), 2);
        Click(2);
        QCOMPARE(Colours(), Expected(-1));
        QCOMPARE(selected.count(), 1);
        Click(0);
        QCOMPARE(Colours(), Expected(0));
        list_->clearSelection();
        QCOMPARE(Colours(), Expected(-1));
        QCOMPARE(list_->selectedIndex(), 4);
    }

private:
    void Click(int i) { QTest::mouseClick(list_->label(i), Qt::LeftButton); }

    QList<Rgb> Colours() const
    {
        QList<Rgb> c;
        for (int i = 0; i < 4; ++i) {
            c << Colour(window_.get(), QStringLiteral("Label2(%1)").arg(i));
        }
        return c;
    }
    // Blue (0, 0, 255) everywhere, red (255, 0, 0) on `red`.
    static QList<Rgb> Expected(int red)
    {
        QList<Rgb> c;
        for (int i = 0; i < 4; ++i) {
            c << (i == red ? Rgb{255, 0, 0} : Rgb{0, 0, 255});
        }
        return c;
    }
    static QList<int> Indices(const QSignalSpy& spy)
    {
        QList<int> out;
        for (const auto& args : spy) {
            out << args.at(0).toInt();
        }
        return out;
    }

    std::unique_ptr<QWidget> window_;
    QLineEdit* before_ = nullptr;
    SelectableLabelList* list_ = nullptr;
    ClickableField* field_ = nullptr;
};

namespace QTest {
template <>
inline char* toString(const Rgb& c)
{
    return qstrdup(QStringLiteral("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b).toLatin1().constData());
}
}  // namespace QTest

ZICALC_GUI_TEST_MAIN(ClickableWidgetsTest)
#include "ClickableWidgetsTest.moc"
