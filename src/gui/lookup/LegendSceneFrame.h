#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zicalc {

// The frame "人物传说场景" (Frame9(4)) of the 其它 page: pick a character level in Combo3 and read
// in Text22 where such a character can go for 传说.
class LegendSceneFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LegendSceneFrame)

public:
    explicit LegendSceneFrame(QWidget* parent = nullptr);

private:
    void showChosenLevel();

    QComboBox* combo3_ = nullptr;
    QLineEdit* text22_ = nullptr;
};

}  // namespace zicalc
