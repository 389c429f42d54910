#pragma once

#include <QWidget>

class QCheckBox;

namespace zicalc {

class NumericField;

// The frame "封妖任务" (Frame5(3)) of the 任务 page with its seven area frames Frame6(0) … Frame6(6).
class SealingFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SealingFrame)

public:
    explicit SealingFrame(QWidget* parent = nullptr);

private:
    void onButton10();

    // Read here; the results are reached by name.
    NumericField* text12_ = nullptr;
    QCheckBox* check2_ = nullptr;
};

}  // namespace zicalc
