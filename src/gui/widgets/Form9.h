#pragma once

#include <QDialog>

class QLabel;

namespace zicalc {

class DcButton;

// The warning box: caption "警告框！", the message in red bold, and "确定".
class Form9 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form9)

public:
    explicit Form9(const QString& message, QWidget* parent = nullptr);

private:
    QLabel* label_;
    DcButton* button_;
};

}  // namespace zicalc
