#include "gui/calc/AuxiliarySkillFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"
#include "core/calc/AuxiliarySkills.h"

namespace zicalc {

namespace {

// Captions of Label2(5) … Label2(8) for the guild way.
const std::array<QString, 4>& GuildCaptions()
{
    static const std::array<QString, 4> captions{QStringLiteral("消耗帮贡"), QStringLiteral("点,"),
                                                 QStringLiteral("至少要有帮贡"), QStringLiteral("点(技能上限150级).")};
    return captions;
}

}  // namespace

AuxiliarySkillFrame::AuxiliarySkillFrame(QWidget* parent) : QGroupBox(QStringLiteral("辅助技能"), parent)
{
    setObjectName(QStringLiteral("Frame4(0)"));
    auto* layout = new QVBoxLayout(this);

    auto* ways = new QHBoxLayout();
    option1_[0] = new QRadioButton(QStringLiteral("在帮派学习"), this);
    option1_[1] = new QRadioButton(QStringLiteral("向NPC学习"), this);
    option1_[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        option1_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        SetTextColour(option1_[i], colours::kBlue);
        ways->addWidget(option1_[i]);
        // A change of way only; clicking the way already chosen keeps what is typed.
        connect(option1_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                onOption1(i);
            }
        });
    }
    ways->addStretch(1);
    layout->addLayout(ways);

    // 技能从 [from] 级升到 [to] 级共消耗经验 [exp] 点,金钱 [money] 两,
    auto* first = new QHBoxLayout();
    first->addWidget(MakeLabel(QStringLiteral("技能从"), this));
    text5_[0] = new NumericField(QStringLiteral("Text5(0)"), 3, QStringLiteral("0"), this);
    first->addWidget(text5_[0]);
    first->addWidget(MakeLabel(QStringLiteral("级升到"), this));
    text5_[1] = new NumericField(QStringLiteral("Text5(1)"), 3, QStringLiteral("0"), this);
    first->addWidget(text5_[1]);
    first->addWidget(MakeLabel(QStringLiteral("级共消耗经验"), this));
    text5_[2] = new NumericField(QStringLiteral("Text5(2)"), 10, QStringLiteral("0"), this);
    first->addWidget(text5_[2]);
    first->addWidget(MakeLabel(QStringLiteral("点,金钱"), this));
    text5_[3] = new NumericField(QStringLiteral("Text5(3)"), 10, QStringLiteral("0"), this);
    first->addWidget(text5_[3]);
    first->addWidget(MakeLabel(QStringLiteral("两,"), this));
    first->addStretch(1);
    layout->addLayout(first);

    // 消耗帮贡 [used] 点, 至少要有帮贡 [needed] 点(技能上限150级).
    auto* second = new QHBoxLayout();
    text5_[4] = new NumericField(QStringLiteral("Text5(4)"), 5, QStringLiteral("0"), this);
    text5_[5] = new NumericField(QStringLiteral("Text5(5)"), 5, QStringLiteral("0"), this);
    for (int i = 0; i < 4; ++i) {
        label2_[i] =
            MakeNamedLabel(QStringLiteral("Label2(%1)").arg(i + 5), GuildCaptions()[static_cast<std::size_t>(i)], this);
    }
    second->addWidget(label2_[0]);
    second->addWidget(text5_[4]);
    second->addWidget(label2_[1]);
    second->addWidget(label2_[2]);
    second->addWidget(text5_[5]);
    second->addWidget(label2_[3]);
    second->addStretch(1);
    auto* compute = new DcButton(QStringLiteral("Button5(0)"), QStringLiteral("计算"), 0, this);
    compute->setToolTip(QStringLiteral("等级输入0-150级或者0-40级"));
    auto* reset = new DcButton(QStringLiteral("Button5(1)"), QStringLiteral("重设"), 1, this);
    for (auto* b : {compute, reset}) {
        second->addWidget(b);
        connect(b, &DcButton::clickedIndex, this, &AuxiliarySkillFrame::onButton5);
    }
    layout->addLayout(second);

    for (int i = 2; i < 6; ++i) {
        text5_[i]->makeResult();
    }
    FitDigits(text5_[0], 3);
    FitDigits(text5_[1], 3);
    FitDigits(text5_[2], 9);
    FitDigits(text5_[3], 8);
    FitDigits(text5_[4], 5);
    FitDigits(text5_[5], 5);
}

void AuxiliarySkillFrame::clearFields()
{
    for (auto* f : text5_) {
        f->setText(QStringLiteral("0"));
    }
    SetTextColour(text5_[2], colours::kBlack);
    SetTextColour(text5_[3], colours::kBlack);
}

void AuxiliarySkillFrame::onOption1(int index)
{
    if (index == 0) {
        for (std::size_t i = 0; i < 4; ++i) {
            label2_[i]->setText(GuildCaptions()[i]);
        }
    } else {
        label2_[0]->setText(QStringLiteral("消耗人气"));
        label2_[1]->setText(QStringLiteral("点."));
        label2_[2]->setText(QStringLiteral("(技能上限40级)"));
    }
    label2_[3]->setVisible(index == 0);
    text5_[5]->setVisible(index == 0);
    clearFields();
    text5_[0]->focusAndSelect();
}

void AuxiliarySkillFrame::onButton5(int index)
{
    if (index == 0) {
        const AuxiliaryWay way = option1_[0]->isChecked() ? AuxiliaryWay::Guild : AuxiliaryWay::Npc;
        ApplyOutcome(AuxiliarySkillCost(way, ToStd(text5_[0]->text()), ToStd(text5_[1]->text())),
                     {text5_[2], text5_[3], text5_[4], text5_[5]});
    } else {
        clearFields();
    }
    text5_[0]->focusAndSelect();
}

}  // namespace zicalc
