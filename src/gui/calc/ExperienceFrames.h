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
    void onButton1(int index);
    void onButton2(int index);

    NumericField* text1_[3]{};
    NumericField* text2_[4]{};
};

}  // namespace zicalc
