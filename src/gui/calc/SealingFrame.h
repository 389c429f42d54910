#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;

namespace zicalc {

class NumericField;
struct SealingOutcome;

// The frame "封妖任务" (Frame5(3)) of the 任务 page with its seven area frames Frame6(0) … Frame6(6).
class SealingFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SealingFrame)

public:
    explicit SealingFrame(QWidget* parent = nullptr);

private:
    void onButton10();
    void apply(SealingOutcome outcome);

    NumericField* text12_ = nullptr;
    QCheckBox* check2_ = nullptr;
    std::array<QLineEdit*, 7> text10_{};
    std::array<QLineEdit*, 7> text11_{};
};

}  // namespace zicalc
