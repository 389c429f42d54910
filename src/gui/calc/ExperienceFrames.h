#pragma once

#include <QWidget>

namespace zicalc {

class NumericField;

// The frames "等级->经验" (Frame3(0)) and "经验->等级" (Frame3(1)) of the 角色 page.
class ExperienceFrames final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExperienceFrames)

public:
    explicit ExperienceFrames(QWidget* parent = nullptr);

private:
    void onCompute1();
    void onReset1();
    void onCompute2();
    void onReset2();

    NumericField* text1_[2]{};  // the inputs; the results are reached by name
    NumericField* text2_[2]{};
};

}  // namespace zicalc
