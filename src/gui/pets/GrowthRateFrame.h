#pragma once

#include <QWidget>
#include <array>

namespace zicalc {

class NumericField;

// The frame "成长率计算" (Frame7(0)) of the 召唤兽 page: a pet's growth rate from its HP row or
// its mana row, on the new and the old scale.
class GrowthRateFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GrowthRateFrame)

public:
    explicit GrowthRateFrame(QWidget* parent = nullptr);

private:
    void onButton11(int index);

    std::array<NumericField*, 7> text13_{};  // the inputs; the rates are reached by name
};

}  // namespace zicalc
