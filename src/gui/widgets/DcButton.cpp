#include "gui/widgets/DcButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/widgets/QtBridge.h"

namespace zicalc {

namespace {

int ButtonNumber(Qt::MouseButton b)
{
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

DcButton::DcButton(const QString& objectName, const QString& caption, int index, QWidget* parent)
    : QPushButton(caption, parent), index_(index)
{
    setObjectName(objectName);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit clickedIndex(index_); });
    applyLook();
}

void DcButton::setBackgroundColour(Rgb colour)
{
    if (colour == background_) {
        return;
    }
    background_ = colour;
    applyLook();
}

void DcButton::applyLook()
{
    QPalette p = palette();
    p.setColor(QPalette::Button, ToQColor(background_));
    setPalette(p);
    const QColor c = ToQColor(background_);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #7a7a7a; border-radius: 2px;"
                                 " padding: 1px 6px; color: black; }"
                                 "QPushButton:hover { border-color: #3a6ea5; }"
                                 // The focus mark: a stronger frame, drawn inside the same box.
                                 "QPushButton:focus { border: 2px solid #1d4f91; padding: 0px 5px; }"
                                 "QPushButton:pressed { background-color: %2; }"
                                 "QPushButton:disabled { color: #8a8a8a; }")
                      .arg(c.name(), c.darker(115).name()));
}

void DcButton::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button as Space does (the tab order leads from the last field to
    // 计算, and a second Enter should then compute).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier &&
        isEnabled()) {
        if (!event->isAutoRepeat()) {
            animateClick();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void DcButton::mousePressEvent(QMouseEvent* event)
{
    if (const int b = ButtonNumber(event->button()); b != 0) {
        emit mouseDown(b, index_);
    }
    QPushButton::mousePressEvent(event);
}

void DcButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (const int b = ButtonNumber(event->button()); b != 0) {
        emit mouseUp(b, index_);
    }
    QPushButton::mouseReleaseEvent(event);
}

}  // namespace zicalc
