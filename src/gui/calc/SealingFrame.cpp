#include "gui/calc/SealingFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"
#include "core/calc/MonsterSealing.h"

namespace zicalc {

namespace {

constexpr int kAreaColumns = 4;
constexpr int kResultDigits = 5;

// apply() hands the fields over in this order.
static_assert(SealingExperienceField(0) == 1 && SealingMoneyField(0) == 8 && kSealingFieldCount == 15);

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
    text12_ = new NumericField(QStringLiteral("Text12"), 3, QStringLiteral("0"), frame);
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
        text10_[k] = MakeResultLine(QStringLiteral("Text10(%1)").arg(i), QStringLiteral("0"), area);
        text11_[k] = MakeResultLine(QStringLiteral("Text11(%1)").arg(i), QStringLiteral("0"), area);
        FitDigits(text10_[k], kResultDigits);
        FitDigits(text11_[k], kResultDigits);
        grid->addWidget(MakeLabel(QStringLiteral("经验"), area), 0, 0);
        grid->addWidget(text10_[k], 0, 1);
        grid->addWidget(MakeLabel(QStringLiteral("金钱"), area), 1, 0);
        grid->addWidget(text11_[k], 1, 1);
        areas->addWidget(area, i / kAreaColumns, i % kAreaColumns);
    }
    rows->addLayout(areas);

    connect(confirm, &DcButton::clickedIndex, this, &SealingFrame::onButton10);
    apply(SealingDefaults());
}

void SealingFrame::onButton10()
{
    apply(SealingRewards(ToStd(text12_->text()), check2_->isChecked()));
    text12_->focusAndSelect();
}

void SealingFrame::apply(SealingOutcome outcome)
{
    // The empty-level warning comes first; the frame is reset once it is answered.
    if (outcome.display.warning) {
        ShowWarning(ToQ(*outcome.display.warning));
        outcome.display.warning.reset();
    }
    if (outcome.untickDouble) {
        check2_->setChecked(false);
    }
    ApplyOutcome(outcome.display,
                 {text12_, text10_[0], text10_[1], text10_[2], text10_[3], text10_[4], text10_[5], text10_[6],
                  text11_[0], text11_[1], text11_[2], text11_[3], text11_[4], text11_[5], text11_[6]});
}

}  // namespace zicalc
