#pragma once

#include <QGroupBox>

class QRadioButton;

namespace zicalc {

class NumericField;

// The frame "角色修炼" (Frame4(1)) of the 帮派 page: what raising a cultivation costs.
class CultivationFrame final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CultivationFrame)

public:
    explicit CultivationFrame(QWidget* parent = nullptr);

private:
    QRadioButton* option2_[2]{};
    NumericField* text6_[3]{};  // the inputs; the results are reached by name
};

}  // namespace zicalc
