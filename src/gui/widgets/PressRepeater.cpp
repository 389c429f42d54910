#include "gui/widgets/PressRepeater.h"

#include <QEvent>

#include "gui/widgets/DcButton.h"

namespace zicalc {

namespace {
constexpr int kLeft = 1;
constexpr int kRight = 2;
}  // namespace

PressRepeater::PressRepeater(QObject* parent, int intervalMs) : QObject(parent)
{
    timer_.setInterval(intervalMs);
    // Steady steps: a coarse timer may drift by several milliseconds per tick.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { emit step(heldIndex_); });
}

void PressRepeater::attach(DcButton* button)
{
    connect(button, &DcButton::mouseDown, this,
            [this, button](int mouseButton, int index) { press(button, mouseButton, index); });
    connect(button, &DcButton::mouseUp, this, [this, button](int mouseButton, int) { release(button, mouseButton); });
    button->installEventFilter(this);
}

void PressRepeater::press(DcButton* button, int mouseButton, int index)
{
    if (mouseButton == kRight) {
        if (rightStep_) {
            emit rightStep(index);
        }
        return;
    }
    if (mouseButton != kLeft) {
        return;
    }
    stop();
    held_ = button;
    heldIndex_ = index;
    // The window is looked up now, not at attach time: the button may have been placed since.
    heldWindow_ = button->window();
    if (heldWindow_ != button) {
        heldWindow_->installEventFilter(this);
    }
    timer_.start();
}

void PressRepeater::release(DcButton* button, int mouseButton)
{
    // The button grabs the mouse while pressed, so the release arrives here even when the
    // pointer has left it.
    if (mouseButton == kLeft && button == held_) {
        stop();
    }
}

void PressRepeater::stop()
{
    timer_.stop();
    if (heldWindow_ != nullptr && heldWindow_ != held_) {
        heldWindow_->removeEventFilter(this);
    }
    held_ = nullptr;
    heldWindow_ = nullptr;
    heldIndex_ = -1;
}

bool PressRepeater::eventFilter(QObject* watched, QEvent* event)
{
    if (isRepeating() && (watched == held_ || watched == heldWindow_)) {
        switch (event->type()) {
            case QEvent::Hide:
            case QEvent::WindowBlocked:  // a modal window takes the mouse; its release may never come
                stop();
                break;
            case QEvent::EnabledChange:
                if (held_ != nullptr && !held_->isEnabled()) {
                    stop();
                }
                break;
            case QEvent::WindowStateChange:
                if (heldWindow_ != nullptr && heldWindow_->isMinimized()) {
                    stop();
                }
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zicalc
