#include "gui/widgets/NumericField.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace zicalc {

namespace {

bool IsEditingKey(int key)
{
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            return true;
        default:
            return false;
    }
}

bool IsAllDigits(const QString& s)
{
    for (QChar c : s) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

}  // namespace

NumericField::NumericField(const QString& objectName, int maxLength, const QString& text, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setMaxLength(maxLength);
    // The validator is the backstop for everything that is not a typed key: a paste from the
    // context menu or an input method commit that is not all digits is refused whole.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setInputMethodHints(Qt::ImhDigitsOnly);
    setText(text);
}

void NumericField::focusAndSelect()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void NumericField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextChild();
        event->accept();
        return;
    }
    const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed.front() >= u'0' && typed.front() <= u'9';
    if ((IsEditingKey(key) && !event->matches(QKeySequence::Paste) && !event->matches(QKeySequence::Cut)) ||
        (digit && !chord)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Everything else, shortcuts for copy, cut and paste included, is discarded.
    event->accept();
}

void NumericField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click places the cursor on press and may change the selection on release; select again then.
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void NumericField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (selectOnRelease_) {
        selectAll();
    }
}

void NumericField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectAll();
        selectOnRelease_ = false;
    }
}

void NumericField::inputMethodEvent(QInputMethodEvent* event)
{
    if (IsAllDigits(event->commitString()) && event->preeditString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // A composition ("zhong" on its way to 中) or a commit that is not all digits: keep only the
    // digits of the commit and end the composition, so nothing that the field will not hold is
    // left on screen.
    QString digits;
    for (QChar c : event->commitString()) {
        if (c >= u'0' && c <= u'9') {
            digits.append(c);
        }
    }
    QInputMethodEvent cleared;
    cleared.setCommitString(digits);
    QLineEdit::inputMethodEvent(&cleared);
    event->accept();
}

}  // namespace zicalc
