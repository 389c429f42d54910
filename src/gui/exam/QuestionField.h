#pragma once

#include <QLineEdit>

namespace zicalc {

// A question or answer field of the add and modify pages (Text18(i), Text26(i)). Typed ( ) , : ; < >
// ? become their full-width forms and a typed double quote an opening or closing one by turns,
// through one flag shared by all ten fields; Enter moves on. Text that arrives any other way
// (paste, middle click, drag and drop, an input method) and brings an ASCII comma or double quote
// is refused: the warning box says so and the field is emptied. A character GBK cannot hold is
// refused too, so the file stays readable.
class QuestionField final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionField)

public:
    QuestionField(const QString& objectName, bool& quoteToggle, QWidget* parent = nullptr);

    // Sets the text as the program does (no checks, no warning).
    void setProgramText(const QString& text);

signals:
    // The text shown changed by the player, after the checks; also sent when the field is entered.
    void previewText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void onEdited(const QString& text);
    QString replaceTyped(const QString& typed);

    bool& quoteToggle_;
    QString accepted_;  // the text as it stood after the last accepted change
};

}  // namespace zicalc
