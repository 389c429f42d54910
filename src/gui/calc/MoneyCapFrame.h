#pragma once

#include <QGroupBox>

namespace zicalc {

class NumericField;

// The frame "携带金钱" (Frame3(3)) of the 角色 page: a level's money carrying cap.
class MoneyCapFrame final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoneyCapFrame)

public:
    explicit MoneyCapFrame(QWidget* parent = nullptr);

private:
    NumericField* text4_[2]{};
};

}  // namespace zicalc
