#pragma once

#include <QWidget>

#include "core/clock/GameTime.h"

namespace zicalc {

// The clock face: Shape1, its twelve ticks Line1(0)-Line1(11) and the hands Line2(0) (red) and
// Line2(1) (blue), laid out in twips with the centre at (1260, 1260).
class ClockDial final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockDial)

public:
    explicit ClockDial(QWidget* parent = nullptr);

    void setHands(DialPoint red, DialPoint blue);
    DialPoint redHand() const { return red_; }
    DialPoint blueHand() const { return blue_; }

    // Where the 时辰 button i sits: its centre on a circle round the face, clockwise from the top.
    static QPoint ButtonCentre(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DialPoint red_ = RedHandEnd(0);
    DialPoint blue_ = BlueHandEnd(0);
};

}  // namespace zicalc
