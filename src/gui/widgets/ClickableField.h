#pragma once

#include <QLineEdit>

#include "core/app/Rgb.h"

namespace zicalc {

// A read-only single-line field that acts when clicked: a left click (press and release on the
// field) emits clicked(), and so do Enter and Space while it has the focus. Its text is set by
// code only. No tab stop unless the window gives it one.
class ClickableField final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableField)

public:
    explicit ClickableField(const QString& objectName, const QString& text = QString(), QWidget* parent = nullptr);

    void setTextColour(Rgb colour);
    Rgb textColour() const;
    void setBackgroundColour(Rgb colour);
    Rgb backgroundColour() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace zicalc
