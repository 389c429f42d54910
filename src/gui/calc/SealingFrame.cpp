#include "gui/calc/SealingFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/calc/MonsterSealing.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

constexpr int kAreaColumns = 4;
constexpr int kResultDigits = 5;

}  // namespace

SealingFrame::SealingFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame5(3)"), QStringLiteral("封妖任务"), this);
    outer->addWidget(frame);
    auto* rows = new QVBoxLayout(frame);

    auto* input = new QHBoxLayout();
    input->addWidget(MakeLabel(QStringLiteral("等级"), frame));
    text12_ = new NumericField(QStringLiteral("Text12"), 3, QString(), frame);
    FitDigits(text12_, 3);
    input->addWidget(text12_);
    auto* confirm = new DcButton(QStringLiteral("Button10"), QStringLiteral("确定"), 0, frame);
    input->addWidget(confirm);
    check2_ = new QCheckBox(QStringLiteral("领双"), frame);
    check2_->setObjectName(QStringLiteral("Check2"));
    input->addWidget(check2_);
    input->addStretch(1);
    rows->addLayout(input);

    auto* areas = new QGridLayout();
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        const int i = static_cast<int>(k);
        auto* area = MakeFrame(QStringLiteral("Frame6(%1)").arg(i), ToQ(SealingAreas[k].caption), frame);
        auto* grid = new QGridLayout(area);
        grid->addWidget(MakeLabel(QStringLiteral("经验"), area), 0, 0);
        grid->addWidget(MakeResultField(ToQ(SealingExperienceField(k)), area, kResultDigits), 0, 1);
        grid->addWidget(MakeLabel(QStringLiteral("金钱"), area), 1, 0);
        grid->addWidget(MakeResultField(ToQ(SealingMoneyField(k)), area, kResultDigits), 1, 1);
        areas->addWidget(area, i / kAreaColumns, i % kAreaColumns);
    }
    rows->addLayout(areas);

    connect(confirm, &DcButton::clickedIndex, this, &SealingFrame::onButton10);
    ApplyOutcome(SealingDefaults(), this);
}

void SealingFrame::onButton10()
{
    ApplyOutcome(SealingRewards(ToStd(text12_->text()), check2_->isChecked()), this);
    text12_->focusAndSelect();
}

}  // namespace zicalc
