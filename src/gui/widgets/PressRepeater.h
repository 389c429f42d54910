#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace zicalc {

class DcButton;

// Press-and-hold for one button or a whole control array: holding the left mouse button on an
// attached button emits step(index) one interval after the press and then every interval, until
// the button is released (wherever the mouse is then), disabled or hidden, or its window hides,
// is minimised or blocked by a modal window. A click shorter than one interval steps nothing.
// With right steps on, a right-button press emits rightStep(index) once, for the window's larger
// step. The slot of step() may call stop() when its step can go no further.
class PressRepeater final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PressRepeater)

public:
    static constexpr int kDefaultIntervalMs = 70;

    explicit PressRepeater(QObject* parent = nullptr, int intervalMs = kDefaultIntervalMs);

    // Any number of buttons; the index passed on is the button's index in its control array.
    void attach(DcButton* button);

    void setRightStepEnabled(bool on) { rightStep_ = on; }
    bool rightStepEnabled() const { return rightStep_; }
    int interval() const { return timer_.interval(); }

    bool isRepeating() const { return timer_.isActive(); }
    // The index of the button being held, or -1.
    int heldIndex() const { return isRepeating() ? heldIndex_ : -1; }

    void stop();

signals:
    void step(int index);
    void rightStep(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(DcButton* button, int mouseButton, int index);
    void release(DcButton* button, int mouseButton);

    QTimer timer_;
    QPointer<DcButton> held_;
    QPointer<QWidget> heldWindow_;
    int heldIndex_ = -1;
    bool rightStep_ = false;
};

}  // namespace zicalc
