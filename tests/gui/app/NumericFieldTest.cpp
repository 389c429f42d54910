#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>

#include "GuiTest.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/Widgets.h"

using namespace guitest;
using zicalc::NumericField;

// The key and focus rules of the numeric field, on a small window of three fields.
class NumericFieldTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window_.get());
        first_ = new NumericField(QStringLiteral("first"), 3, QStringLiteral("0"), window_.get());
        second_ = new NumericField(QStringLiteral("second"), 9, QStringLiteral("0"), window_.get());
        result_ = zicalc::MakeResultField(QStringLiteral("result"), window_.get());
        result_->setText(QStringLiteral("42"));
        auto* after = new NumericField(QStringLiteral("after"), 3, QStringLiteral("7"), window_.get());
        for (QLineEdit* w : std::initializer_list<QLineEdit*>{first_, second_, result_, after}) {
            layout->addWidget(w);
        }
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
    }
    void cleanup() { window_.reset(); }

    void typedKeysAreFiltered_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters dropped") << "12a3"
                                         << "123";
        QTest::newRow("minus dropped") << "-5"
                                       << "5";
        QTest::newRow("point dropped") << "1.5"
                                       << "15";
        QTest::newRow("space dropped") << QStringLiteral("1 3") << "13";
        QTest::newRow("max length holds") << "98765"
                                          << "987";
    }
    void typedKeysAreFiltered()
    {
        QFETCH(QString, keys);
        TypeInto(first_, keys);
        QTEST(first_->text(), "expected");
    }

    // Characters no key of QTest's can type: a full-width digit and a CJK character.
    void nonAsciiCharactersDropped()
    {
        TypeInto(first_, QStringLiteral("1"));
        for (const QString& text : {QStringLiteral("２"), QStringLiteral("级")}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(first_, &press);
        }
        QCOMPARE(first_->text(), QStringLiteral("1"));
    }

    // Keypad digits count as digits; a digit typed with Ctrl or Alt held is a shortcut, not input.
    void keypadAndChords()
    {
        TypeInto(first_, QString());
        QTest::keyClick(first_, Qt::Key_4, Qt::KeypadModifier);
        QTest::keyClick(first_, Qt::Key_5, Qt::ControlModifier);
        QTest::keyClick(first_, Qt::Key_6, Qt::AltModifier);
        QCOMPARE(first_->text(), QStringLiteral("4"));
    }

    // An input method's composition never stays in the field, and only digits of a commit arrive.
    void inputMethodTextIsRefused()
    {
        TypeInto(first_, QStringLiteral("1"));
        const QRect cursorBefore = first_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QInputMethodEvent composing(QStringLiteral("zhong"), {{QInputMethodEvent::Cursor, 5, 1, QVariant()}});
        QApplication::sendEvent(first_, &composing);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("中"));
        QApplication::sendEvent(first_, &commit);
        QCOMPARE(first_->text(), QStringLiteral("1"));
        // The composition is gone from the screen: the cursor stands where it stood before.
        QCOMPARE(first_->inputMethodQuery(Qt::ImCursorRectangle).toRect(), cursorBefore);
        QInputMethodEvent digits;
        digits.setCommitString(QStringLiteral("2"));
        QApplication::sendEvent(first_, &digits);
        QCOMPARE(first_->text(), QStringLiteral("12"));
    }

    void resultFieldHoldsAnyLength()
    {
        result_->setText(QStringLiteral("-2147483648"));
        QCOMPARE(result_->text(), QStringLiteral("-2147483648"));
    }

    void backspaceAndNineDigitCap()
    {
        TypeInto(second_, QStringLiteral("1234567890"));
        QCOMPARE(second_->text(), QStringLiteral("123456789"));
        QTest::keyClick(second_, Qt::Key_Backspace);
        QTest::keyClick(second_, Qt::Key_Backspace);
        QCOMPARE(second_->text(), QStringLiteral("1234567"));
    }

    // Enter moves on as Tab would, inserts nothing, and skips the result field.
    void enterMovesToTheNextField()
    {
        TypeInto(first_, QStringLiteral("12"));
        QTest::keyClick(first_, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), second_);
        QCOMPARE(first_->text(), QStringLiteral("12"));
        QCOMPARE(second_->selectedText(), QStringLiteral("0"));
        QTest::keyClick(second_, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("after"));
    }

    // A click into a field holding 155 selects it whole, so typing 6 0 leaves 60.
    void clickSelectsAll()
    {
        first_->setText(QStringLiteral("155"));
        second_->setFocus();
        QTest::mouseClick(first_, Qt::LeftButton, Qt::NoModifier, QPoint(first_->width() / 2, first_->height() / 2));
        QCOMPARE(first_->selectedText(), QStringLiteral("155"));
        QTest::keyClicks(first_, QStringLiteral("60"));
        QCOMPARE(first_->text(), QStringLiteral("60"));
    }

    void resultFieldIsReadOnlyButSelectsOnClick()
    {
        QCOMPARE(result_->focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(result_, Qt::LeftButton, Qt::NoModifier, result_->rect().center());
        QCOMPARE(result_->selectedText(), QStringLiteral("42"));
        QTest::keyClicks(result_, QStringLiteral("9"));
        QCOMPARE(result_->text(), QStringLiteral("42"));
    }

    void keyboardPasteDoesNothing()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("77"));
        TypeInto(first_, QStringLiteral("1"));
        QTest::keyClick(first_, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(first_, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(first_->text(), QStringLiteral("1"));
    }

    // The context menu's paste goes through, but only when it is all digits.
    void menuPasteTakesDigitsOnly()
    {
        first_->setText(QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("1a2"));
        first_->paste();
        QCOMPARE(first_->text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        first_->paste();
        QCOMPARE(first_->text(), QStringLiteral("42"));
    }

private:
    std::unique_ptr<QWidget> window_;
    NumericField* first_ = nullptr;
    NumericField* second_ = nullptr;
    QLineEdit* result_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(NumericFieldTest)
#include "NumericFieldTest.moc"
