#pragma once

#include <QDialog>

namespace zicalc {

// The notice window behind the small orange button of the 关于 page.
class Form10 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form10)

public:
    explicit Form10(QWidget* parent = nullptr);
};

}  // namespace zicalc
