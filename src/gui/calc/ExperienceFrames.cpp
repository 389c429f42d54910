#include "gui/calc/ExperienceFrames.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/calc/Experience.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

ExperienceFrames::ExperienceFrames(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // 由 [start] 级升到 [target] 级共需经验 [result] 点.  计算 重设
    {
        auto* frame = MakeFrame(QStringLiteral("Frame3(0)"), QStringLiteral("等级->经验"), this);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(MakeLabel(QStringLiteral("由"), frame));
        text1_[0] = new NumericField(QStringLiteral("Text1(0)"), 3, QString(), frame);
        row->addWidget(text1_[0]);
        row->addWidget(MakeLabel(QStringLiteral("级升到"), frame));
        text1_[1] = new NumericField(QStringLiteral("Text1(1)"), 3, QString(), frame);
        row->addWidget(text1_[1]);
        row->addWidget(MakeLabel(QStringLiteral("级共需经验"), frame));
        row->addWidget(MakeResultField(QStringLiteral("Text1(2)"), frame, 10));
        row->addWidget(MakeLabel(QStringLiteral("点."), frame));
        row->addLayout(MakeComputeResetRow(
            QStringLiteral("Button1"), frame, [this] { onCompute1(); }, [this] { onReset1(); },
            QStringLiteral("等级0-155级")));
        row->addStretch(1);
        FitDigits(text1_[0], 3);
        FitDigits(text1_[1], 3);
        layout->addWidget(frame);
    }

    // 经验 [exp] 点可由 [start] 级直接升到 [reached] 级,剩余经验 [left] 点.  计算 重设
    {
        auto* frame = MakeFrame(QStringLiteral("Frame3(1)"), QStringLiteral("经验->等级"), this);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(MakeLabel(QStringLiteral("经验"), frame));
        text2_[0] = new NumericField(QStringLiteral("Text2(0)"), 9, QString(), frame);
        row->addWidget(text2_[0]);
        row->addWidget(MakeLabel(QStringLiteral("点可由"), frame));
        text2_[1] = new NumericField(QStringLiteral("Text2(1)"), 3, QString(), frame);
        row->addWidget(text2_[1]);
        row->addWidget(MakeLabel(QStringLiteral("级直接升到"), frame));
        row->addWidget(MakeResultField(QStringLiteral("Text2(2)"), frame, 3));
        row->addWidget(MakeLabel(QStringLiteral("级,剩余经验"), frame));
        row->addWidget(MakeResultField(QStringLiteral("Text2(3)"), frame, 9));
        row->addWidget(MakeLabel(QStringLiteral("点."), frame));
        row->addLayout(MakeComputeResetRow(
            QStringLiteral("Button2"), frame, [this] { onCompute2(); }, [this] { onReset2(); },
            QStringLiteral("经验最高可输入9个9,等级0-155级")));
        row->addStretch(1);
        FitDigits(text2_[0], 9);
        FitDigits(text2_[1], 3);
        layout->addWidget(frame);
    }

    ApplyOutcome(LevelToExperienceReset(), this);
    ApplyOutcome(ExperienceToLevelReset(), this);
}

void ExperienceFrames::onCompute1()
{
    ApplyOutcome(LevelToExperience(ToStd(text1_[0]->text()), ToStd(text1_[1]->text())), this);
    text1_[0]->focusAndSelect();
}

void ExperienceFrames::onReset1()
{
    ApplyOutcome(LevelToExperienceReset(), this);
    text1_[0]->focusAndSelect();
}

void ExperienceFrames::onCompute2()
{
    ApplyOutcome(ExperienceToLevel(ToStd(text2_[0]->text()), ToStd(text2_[1]->text())), this);
    text2_[0]->focusAndSelect();
}

void ExperienceFrames::onReset2()
{
    ApplyOutcome(ExperienceToLevelReset(), this);
    text2_[0]->focusAndSelect();
}

}  // namespace zicalc
