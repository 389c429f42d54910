#include "gui/widgets/DcButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "gui/widgets/QtBridge.h"

namespace zicalc {

namespace {

// The button's box: a 1 px frame (2 px while it has the focus, drawn inside the same box) around
// the caption with 1 px above and below it.
constexpr int kBorder = 1;
constexpr int kVerticalPadding = 1;
const QColor kFrame(0x7a, 0x7a, 0x7a);
const QColor kHoverFrame(0x3a, 0x6e, 0xa5);
const QColor kFocusFrame(0x1d, 0x4f, 0x91);
const QColor kDisabledText(0x8a, 0x8a, 0x8a);

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
    // Hover changes the frame's colour, so entering and leaving repaint.
    setAttribute(Qt::WA_Hover);
    connect(this, &QPushButton::clicked, this, [this] { emit clickedIndex(index_); });
    QPalette p = palette();
    p.setColor(QPalette::Button, ToQColor(background_));
    setPalette(p);
}

void DcButton::setBackgroundColour(Rgb colour)
{
    if (colour == background_) {
        return;
    }
    background_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Button, ToQColor(background_));
    setPalette(p);
    update();
}

void DcButton::setHorizontalPadding(int pixels)
{
    horizontalPadding_ = pixels;
    updateGeometry();
    update();
}

QSize DcButton::sizeHint() const
{
    // Painted here rather than through a style sheet: a sheet per button is parsed and polished
    // for each of the program's few hundred buttons, which showed in the start-up time.
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {caption.width() + 2 * (horizontalPadding_ + kBorder), caption.height() + 2 * (kVerticalPadding + kBorder)};
}

QSize DcButton::minimumSizeHint() const
{
    return sizeHint();
}

void DcButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor fill = ToQColor(background_);
    const int frame = hasFocus() ? 2 * kBorder : kBorder;
    const QColor frameColour = hasFocus() ? kFocusFrame : (underMouse() && isEnabled() ? kHoverFrame : kFrame);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(frameColour);
    p.drawRoundedRect(QRectF(rect()), 2, 2);
    p.setBrush(isDown() ? fill.darker(115) : fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(frame, frame, -frame, -frame), 1, 1);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(isEnabled() ? QColor(Qt::black) : kDisabledText);
    p.drawText(rect().adjusted(kBorder + horizontalPadding_, kBorder, -kBorder - horizontalPadding_, -kBorder),
               Qt::AlignCenter | Qt::TextShowMnemonic, text());
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
