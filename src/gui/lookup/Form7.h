#pragma once

#include <QWidget>
#include <array>

#include "core/lookup/EquipmentCard.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zicalc {

class DcButton;
class EquipmentTablePicture;
class NumericField;

// Crafted equipment values: the six value tables, and a comparison of the player's own piece with
// the base values of its level and quality.
class Form7 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form7)

public:
    explicit Form7(QWidget* parent = nullptr);

private:
    void readInputs();
    void render();
    void onType(int index);
    void onConfirmOrReset(int index);

    EquipmentCard card_;
    QGroupBox* frame1_;
    std::array<EquipmentTablePicture*, 6> pictures_{};
    std::array<QLabel*, 2> label1_{};
    QComboBox* combo1_;
    std::array<QRadioButton*, 4> option1_{};
    QButtonGroup* options_;
    std::array<QLabel*, 2> label2_{};
    std::array<NumericField*, 2> text1_{};
    std::array<DcButton*, 2> button2_{};
    std::array<QLabel*, 6> label3_{};
    std::array<DcButton*, 8> button1_{};
};

}  // namespace zicalc
