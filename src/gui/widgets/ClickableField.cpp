#include "gui/widgets/ClickableField.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/widgets/QtBridge.h"

namespace zicalc {

ClickableField::ClickableField(const QString& objectName, const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Dragging would select text: the field is a button that shows a value.
    setDragEnabled(false);
    setCursor(Qt::PointingHandCursor);
    setCursorPosition(0);
}

void ClickableField::setTextColour(Rgb colour)
{
    SetTextColour(this, colour);
}

Rgb ClickableField::textColour() const
{
    return TextColour(this);
}

void ClickableField::setBackgroundColour(Rgb colour)
{
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, ToQColor(colour));
    }
    setPalette(p);
}

Rgb ClickableField::backgroundColour() const
{
    return ToRgb(palette().color(QPalette::Active, QPalette::Base));
}

void ClickableField::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableField::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a quick pair is a click too, not a word selection.
    mousePressEvent(event);
}

void ClickableField::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void ClickableField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            emit clicked();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

}  // namespace zicalc
