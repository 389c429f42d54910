#pragma once

#include <QLineEdit>

namespace zicalc {

// A single-line text field for text that is stored in a GBK file. Whatever the user brings in
// (typed, pasted by key or menu or middle button, dropped, or committed by an input method) is
// refused whole when it holds a character GBK cannot hold: the text stays as it was and a
// warning names the character. Text set by code is not checked.
class GbkLineEdit final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GbkLineEdit)

public:
    explicit GbkLineEdit(const QString& objectName, QWidget* parent = nullptr);

    // The warning for a refused character, e.g. "不能输入字符“😀”(U+1F600)：…".
    static QString RefusalMessage(const QString& character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // True (and the warning on its way) when `incoming` may not be inserted.
    bool refuses(const QString& incoming);
    void pasteChecked();

    QString pendingWarning_;
};

}  // namespace zicalc
