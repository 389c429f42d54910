#pragma once

#include <QWidget>

class QComboBox;

namespace zicalc {

// The frame "召唤兽满经验场景" (Frame9(3)) of the 其它 page: where a pet of the chosen level earns
// full experience, and how much.
class PetFullExpFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PetFullExpFrame)

public:
    explicit PetFullExpFrame(QWidget* parent = nullptr);

private:
    void showChosenLevel();

    QComboBox* combo2_ = nullptr;
};

}  // namespace zicalc
