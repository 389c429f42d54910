#pragma once

#include <QWidget>

class QCheckBox;

namespace zicalc {

class NumericField;

// The frames "帮派任务" (Frame5(0)), "门派任务" (Frame5(1)) and "任务链" (Frame5(2)) of the 任务 page.
class TaskFrames final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TaskFrames)

public:
    explicit TaskFrames(QWidget* parent = nullptr);

private:
    // The inputs; the results are reached by name.
    NumericField* text7_ = nullptr;
    NumericField* text9_ = nullptr;
    NumericField* text8_[3]{};
    QCheckBox* check1_ = nullptr;
    QCheckBox* check3_ = nullptr;
};

}  // namespace zicalc
