#include "gui/calc/ExperienceFrames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"
#include "core/calc/Experience.h"

namespace zicalc {

ExperienceFrames::ExperienceFrames(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // 由 [start] 级升到 [target] 级共需经验 [result] 点.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame3(0)"), QStringLiteral("等级->经验"), this);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(MakeLabel(QStringLiteral("由"), frame));
        text1_[0] = new NumericField(QStringLiteral("Text1(0)"), 3, QStringLiteral("0"), frame);
        row->addWidget(text1_[0]);
        row->addWidget(MakeLabel(QStringLiteral("级升到"), frame));
        text1_[1] = new NumericField(QStringLiteral("Text1(1)"), 3, QStringLiteral("0"), frame);
        row->addWidget(text1_[1]);
        row->addWidget(MakeLabel(QStringLiteral("级共需经验"), frame));
        text1_[2] = new NumericField(QStringLiteral("Text1(2)"), 10, QStringLiteral("0"), frame);
        text1_[2]->makeResult();
        row->addWidget(text1_[2]);
        row->addWidget(MakeLabel(QStringLiteral("点."), frame));
        row->addStretch(1);
        auto* compute = new DcButton(QStringLiteral("Button1(0)"), QStringLiteral("计算"), 0, frame);
        compute->setToolTip(QStringLiteral("等级0-155级"));
        auto* reset = new DcButton(QStringLiteral("Button1(1)"), QStringLiteral("重设"), 1, frame);
        row->addWidget(compute);
        row->addWidget(reset);
        for (auto* b : {compute, reset}) {
            connect(b, &DcButton::clickedIndex, this, &ExperienceFrames::onButton1);
        }
        FitDigits(text1_[0], 3);
        FitDigits(text1_[1], 3);
        FitDigits(text1_[2], 10);
        layout->addWidget(frame);
    }

    // 经验 [exp] 点可由 [start] 级直接升到 [reached] 级,剩余经验 [left] 点.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame3(1)"), QStringLiteral("经验->等级"), this);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(MakeLabel(QStringLiteral("经验"), frame));
        text2_[0] = new NumericField(QStringLiteral("Text2(0)"), 9, QStringLiteral("0"), frame);
        row->addWidget(text2_[0]);
        row->addWidget(MakeLabel(QStringLiteral("点可由"), frame));
        text2_[1] = new NumericField(QStringLiteral("Text2(1)"), 3, QStringLiteral("0"), frame);
        row->addWidget(text2_[1]);
        row->addWidget(MakeLabel(QStringLiteral("级直接升到"), frame));
        text2_[2] = new NumericField(QStringLiteral("Text2(2)"), 3, QStringLiteral("0"), frame);
        text2_[2]->makeResult();
        row->addWidget(text2_[2]);
        row->addWidget(MakeLabel(QStringLiteral("级,剩余经验"), frame));
        text2_[3] = new NumericField(QStringLiteral("Text2(3)"), 9, QStringLiteral("0"), frame);
        text2_[3]->makeResult();
        row->addWidget(text2_[3]);
        row->addWidget(MakeLabel(QStringLiteral("点."), frame));
        row->addStretch(1);
        auto* compute = new DcButton(QStringLiteral("Button2(0)"), QStringLiteral("计算"), 0, frame);
        compute->setToolTip(QStringLiteral("经验最高可输入9个9,等级0-155级"));
        auto* reset = new DcButton(QStringLiteral("Button2(1)"), QStringLiteral("重设"), 1, frame);
        row->addWidget(compute);
        row->addWidget(reset);
        for (auto* b : {compute, reset}) {
            connect(b, &DcButton::clickedIndex, this, &ExperienceFrames::onButton2);
        }
        FitDigits(text2_[0], 9);
        FitDigits(text2_[1], 3);
        FitDigits(text2_[2], 3);
        FitDigits(text2_[3], 9);
        layout->addWidget(frame);
    }
}

void ExperienceFrames::onButton1(int index)
{
    if (index == 0) {
        ApplyOutcome(LevelToExperience(ToStd(text1_[0]->text()), ToStd(text1_[1]->text())), {text1_[2]});
    } else {
        for (auto* f : text1_) {
            f->setText(QStringLiteral("0"));
        }
    }
    text1_[0]->focusAndSelect();
}

void ExperienceFrames::onButton2(int index)
{
    if (index == 0) {
        ApplyOutcome(ExperienceToLevel(ToStd(text2_[0]->text()), ToStd(text2_[1]->text())), {text2_[2], text2_[3]});
    } else {
        SetTextColour(text2_[3], colours::kBlack);
        for (auto* f : text2_) {
            f->setText(QStringLiteral("0"));
        }
    }
    text2_[0]->focusAndSelect();
}

}  // namespace zicalc
