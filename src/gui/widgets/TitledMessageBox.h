#pragma once

#include <QDialog>

class QLabel;

namespace zicalc {

class DcButton;

// A notice with a title of the caller's choosing, the text in "Label1" and one button "确定"
// ("Button1"), which Enter presses. Kept in reach as the warning box is: no minimise box, and it
// comes back at once if a window manager minimises it.
class TitledMessageBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitledMessageBox)

public:
    TitledMessageBox(const QString& title, const QString& text, QWidget* parent = nullptr);

private:
    QLabel* label_;
    DcButton* button_;
};

}  // namespace zicalc
