#pragma once

#include <QPushButton>

#include "core/app/Rgb.h"

namespace zicalc {

// The push button of every window: caption, tooltip, background colour and enabled state that
// code sets, and click / mouse-down / mouse-up signals that carry the element's index in its
// control array (and, for down and up, the mouse button: 1 = left, 2 = right).
class DcButton final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DcButton)

public:
    DcButton(const QString& objectName, const QString& caption, int index = 0, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setBackgroundColour(Rgb colour);
    Rgb backgroundColour() const { return background_; }
    // Room between the caption and the left and right edges (6 px unless set); the clock's small
    // dial buttons take none.
    void setHorizontalPadding(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clickedIndex(int index);
    void mouseDown(int button, int index);
    void mouseUp(int button, int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    int horizontalPadding_ = 6;
    Rgb background_{236, 233, 216};
};

}  // namespace zicalc
