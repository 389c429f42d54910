#pragma once

#include <QGroupBox>

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
    QRadioButton* option1_[2]{};
    NumericField* text5_[2]{};  // the inputs; results and captions are reached by name
};

}  // namespace zicalc
