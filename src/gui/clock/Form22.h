#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace zicalc {

// The clock's help; a double-click on the text closes it.
class Form22 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form22)

public:
    explicit Form22(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* text_;
};

}  // namespace zicalc
