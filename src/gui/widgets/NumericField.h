#pragma once

#include <QLineEdit>

namespace zicalc {

// The one numeric field of every window: takes the digits 0-9 and Backspace only, Enter moves the
// focus on, entering the field (Tab, Enter, click, or focus set by a handler) selects its whole
// text, and the text never grows past its maximum length. Keyboard paste does nothing; a
// context-menu paste that is not all digits is refused.
class NumericField final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumericField)

public:
    NumericField(const QString& objectName, int maxLength, const QString& text, QWidget* parent = nullptr);

    // Puts the focus here with the whole text selected (what the handlers do after every action).
    void focusAndSelect();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool selectOnRelease_ = false;
};

}  // namespace zicalc
