#pragma once

#include <QGroupBox>

class QLabel;
class QRadioButton;

namespace zicalc {

class NumericField;

// The frame "辅助技能" (Frame4(0)) of the 帮派 page: auxiliary skills learnt at the guild or from
// an NPC.
class AuxiliarySkillFrame final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AuxiliarySkillFrame)

public:
    explicit AuxiliarySkillFrame(QWidget* parent = nullptr);

private:
    void onOption1(int index);
    void onButton5(int index);
    void clearFields();

    QRadioButton* option1_[2]{};
    NumericField* text5_[6]{};
    QLabel* label2_[4]{};  // Label2(5) … Label2(8)
};

}  // namespace zicalc
