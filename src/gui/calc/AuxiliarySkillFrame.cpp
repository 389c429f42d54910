#include "gui/calc/AuxiliarySkillFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/calc/AuxiliarySkills.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

AuxiliarySkillFrame::AuxiliarySkillFrame(QWidget* parent) : QGroupBox(QStringLiteral("辅助技能"), parent)
{
    setObjectName(QStringLiteral("Frame4(0)"));
    auto* layout = new QVBoxLayout(this);

    auto* ways = new QHBoxLayout();
    for (int i = 0; i < 2; ++i) {
        option1_[i] = new QRadioButton(i == 0 ? QStringLiteral("在帮派学习") : QStringLiteral("向NPC学习"), this);
        option1_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        SetTextColour(option1_[i], colours::kBlue);
        ways->addWidget(option1_[i]);
    }
    ways->addStretch(1);
    layout->addLayout(ways);

    // 技能从 [from] 级升到 [to] 级共消耗经验 [exp] 点,金钱 [money] 两,
    auto* first = new QHBoxLayout();
    first->addWidget(MakeLabel(QStringLiteral("技能从"), this));
    text5_[0] = new NumericField(QStringLiteral("Text5(0)"), 3, QString(), this);
    first->addWidget(text5_[0]);
    first->addWidget(MakeLabel(QStringLiteral("级升到"), this));
    text5_[1] = new NumericField(QStringLiteral("Text5(1)"), 3, QString(), this);
    first->addWidget(text5_[1]);
    first->addWidget(MakeLabel(QStringLiteral("级共消耗经验"), this));
    first->addWidget(MakeResultField(QStringLiteral("Text5(2)"), this, 9));
    first->addWidget(MakeLabel(QStringLiteral("点,金钱"), this));
    first->addWidget(MakeResultField(QStringLiteral("Text5(3)"), this, 8));
    first->addWidget(MakeLabel(QStringLiteral("两,"), this));
    first->addStretch(1);
    layout->addLayout(first);
    FitDigits(text5_[0], 3);
    FitDigits(text5_[1], 3);

    // 消耗帮贡 [used] 点, 至少要有帮贡 [needed] 点(技能上限150级).  计算 重设
    // The captions are the way's (from core); the labels only hold them.
    auto* second = new QHBoxLayout();
    second->addWidget(MakeNamedLabel(QStringLiteral("Label2(5)"), QString(), this));
    second->addWidget(MakeResultField(QStringLiteral("Text5(4)"), this, 5));
    second->addWidget(MakeNamedLabel(QStringLiteral("Label2(6)"), QString(), this));
    second->addWidget(MakeNamedLabel(QStringLiteral("Label2(7)"), QString(), this));
    second->addWidget(MakeResultField(QStringLiteral("Text5(5)"), this, 5));
    second->addWidget(MakeNamedLabel(QStringLiteral("Label2(8)"), QString(), this));
    second->addLayout(MakeComputeResetRow(
        QStringLiteral("Button5"), this,
        [this] {
            const AuxiliaryWay way = option1_[0]->isChecked() ? AuxiliaryWay::Guild : AuxiliaryWay::Npc;
            ApplyOutcome(AuxiliarySkillCost(way, ToStd(text5_[0]->text()), ToStd(text5_[1]->text())), this);
            text5_[0]->focusAndSelect();
        },
        [this] {
            ApplyOutcome(AuxiliarySkillReset(), this);
            text5_[0]->focusAndSelect();
        },
        QStringLiteral("等级输入0-150级或者0-40级")));
    second->addStretch(1);
    layout->addLayout(second);

    ApplyOutcome(AuxiliaryWayChosen(AuxiliaryWay::Guild), this);
    for (int i = 0; i < 2; ++i) {
        // A change of way only; clicking the way already chosen keeps what is typed.
        connect(option1_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                ApplyOutcome(AuxiliaryWayChosen(i == 0 ? AuxiliaryWay::Guild : AuxiliaryWay::Npc), this);
                text5_[0]->focusAndSelect();
            }
        });
    }
}

}  // namespace zicalc
