#pragma once

#include <QDialog>

class QLabel;

namespace zicalc {

class DcButton;

// A notice with a title of the caller's choosing, the text in "Label1" and one button "确定"
// ("Button1"), which Enter presses. Like the warning box it has no minimise box and, should a
// window manager minimise it anyway, it comes back at once: it blocks the program while shown.
class TitledMessageBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitledMessageBox)

public:
    TitledMessageBox(const QString& title, const QString& text, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* label_;
    DcButton* button_;
};

}  // namespace zicalc
