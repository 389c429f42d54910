#pragma once

#include <QDialog>
#include <array>

#include "core/calc/SkillCost.h"

class QCheckBox;

namespace zicalc {

class NumericField;

// "门派技能详细计算": seven school skills, each over its own level range; the checked rows are
// totalled. Opened modally and fresh each time.
class Form2 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)

public:
    explicit Form2(QWidget* parent = nullptr);

private:
    void compute();
    void reset();

    std::array<QCheckBox*, kDetailRows> check1_{};
    std::array<NumericField*, kDetailRows> text1_{};
    std::array<NumericField*, kDetailRows> text2_{};  // the results are reached by name
};

}  // namespace zicalc
