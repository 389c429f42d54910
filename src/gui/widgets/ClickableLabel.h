#pragma once

#include <QLabel>

namespace zicalc {

// A label that acts as a link: a left click on it emits activated(), and so do Enter and Space
// when it holds the keyboard focus (it takes the focus with Tab and shows a focus mark), so a
// list of them is usable without a mouse.
class ClickableLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace zicalc
