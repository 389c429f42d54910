#pragma once

#include <QGroupBox>

namespace zicalc {

class NumericField;

// The frame "门派技能" (Frame3(2)) of the 角色 page: one to seven skills over one level range,
// and the button to the detail window Form2.
class SchoolSkillFrame final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SchoolSkillFrame)

public:
    explicit SchoolSkillFrame(QWidget* parent = nullptr);

private:
    void onButton3(int index);

    NumericField* text3_[2]{};  // the inputs; the results and Label24 are reached by name
};

}  // namespace zicalc
