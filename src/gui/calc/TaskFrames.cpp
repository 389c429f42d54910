#include "gui/calc/TaskFrames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"
#include "core/calc/TaskRewards.h"

namespace zicalc {

namespace {

// Result elements share their array's field type but hold up to eight digits.
constexpr int kResultLength = 10;
constexpr int kResultDigits = 8;

NumericField* MakeInput(const QString& name, const QString& text, QWidget* parent)
{
    auto* field = new NumericField(name, 3, text, parent);
    FitDigits(field, 3);
    return field;
}

NumericField* MakeResult(const QString& name, const QString& text, QWidget* parent)
{
    auto* field = new NumericField(name, kResultLength, text, parent);
    field->makeResult();
    FitDigits(field, kResultDigits);
    return field;
}

QCheckBox* MakeCheck(const QString& name, const QString& caption, bool ticked, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(ticked);
    return box;
}

// Caption and result row: label, field, unit label, then stretch.
void AddResultRow(QGridLayout* grid, int row, const QString& label, QWidget* field, const QString& unit,
                  QWidget* parent)
{
    grid->addWidget(MakeLabel(label, parent), row, 0, Qt::AlignRight);
    grid->addWidget(field, row, 1);
    grid->addWidget(MakeLabel(unit, parent), row, 2);
}

}  // namespace

TaskFrames::TaskFrames(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // 等级 [L] 级,完成一轮 / 青龙得经验 [..] 点. / 玄武得经验 [..] 点.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame5(0)"), QStringLiteral("帮派任务"), this);
        auto* grid = new QGridLayout(frame);
        text7_[0] = MakeInput(QStringLiteral("Text7(0)"), QStringLiteral("0"), frame);
        AddResultRow(grid, 0, QStringLiteral("等级"), text7_[0], QStringLiteral("级,完成一轮"), frame);
        text7_[1] = MakeResult(QStringLiteral("Text7(1)"), QStringLiteral("0"), frame);
        AddResultRow(grid, 1, QStringLiteral("青龙得经验"), text7_[1], QStringLiteral("点."), frame);
        text7_[2] = MakeResult(QStringLiteral("Text7(2)"), QStringLiteral("0"), frame);
        AddResultRow(grid, 2, QStringLiteral("玄武得经验"), text7_[2], QStringLiteral("点."), frame);
        auto* buttons = new QHBoxLayout();
        auto* compute = new DcButton(QStringLiteral("Button7(0)"), QStringLiteral("计算"), 0, frame);
        compute->setToolTip(QStringLiteral("角色等级输入20-155级"));
        auto* reset = new DcButton(QStringLiteral("Button7(1)"), QStringLiteral("重设"), 1, frame);
        buttons->addStretch(1);
        buttons->addWidget(compute);
        buttons->addWidget(reset);
        grid->addLayout(buttons, 3, 0, 1, 3);
        grid->setColumnStretch(2, 1);
        for (auto* b : {compute, reset}) {
            connect(b, &DcButton::clickedIndex, this, &TaskFrames::onButton7);
        }
        layout->addWidget(frame, 0, 0);
    }

    // 等级 [L] 完成师门获得 / 经验 [..] 点, / 金钱 [..] 两. with 双倍 and 两轮.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame5(1)"), QStringLiteral("门派任务"), this);
        auto* grid = new QGridLayout(frame);
        text9_[0] = MakeInput(QStringLiteral("Text9(0)"), QStringLiteral("0"), frame);
        AddResultRow(grid, 0, QStringLiteral("等级"), text9_[0], QStringLiteral("完成师门获得"), frame);
        text9_[1] = MakeResult(QStringLiteral("Text9(1)"), QStringLiteral("0"), frame);
        AddResultRow(grid, 1, QStringLiteral("经验"), text9_[1], QStringLiteral("点,"), frame);
        text9_[2] = MakeResult(QStringLiteral("Text9(2)"), QStringLiteral("0"), frame);
        AddResultRow(grid, 2, QStringLiteral("金钱"), text9_[2], QStringLiteral("两."), frame);
        auto* buttons = new QHBoxLayout();
        check1_ = MakeCheck(QStringLiteral("Check1"), QStringLiteral("双倍"), true, frame);
        check3_ = MakeCheck(QStringLiteral("Check3"), QStringLiteral("两轮"), true, frame);
        auto* compute = new DcButton(QStringLiteral("Button9(0)"), QStringLiteral("计算"), 0, frame);
        auto* reset = new DcButton(QStringLiteral("Button9(1)"), QStringLiteral("重设"), 1, frame);
        buttons->addWidget(check1_);
        buttons->addWidget(check3_);
        buttons->addStretch(1);
        buttons->addWidget(compute);
        buttons->addWidget(reset);
        grid->addLayout(buttons, 3, 0, 1, 3);
        grid->setColumnStretch(2, 1);
        // Only the caption follows the user's click; the results wait for the next 计算.
        connect(check1_, &QCheckBox::clicked, this,
                [this](bool ticked) { check1_->setText(ticked ? QStringLiteral("双倍") : QStringLiteral("单倍")); });
        connect(check3_, &QCheckBox::clicked, this,
                [this](bool ticked) { check3_->setText(ticked ? QStringLiteral("两轮") : QStringLiteral("一轮")); });
        for (auto* b : {compute, reset}) {
            connect(b, &DcButton::clickedIndex, this, &TaskFrames::onButton9);
        }
        layout->addWidget(frame, 0, 1);
    }

    // 等级 [L] 级从第 [c1] 环跑到第 [c2] 环,共可获 / 得经验 [..] 点. and the note.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame5(2)"), QStringLiteral("任务链"), this);
        auto* rows = new QVBoxLayout(frame);
        auto* inputs = new QHBoxLayout();
        inputs->addWidget(MakeLabel(QStringLiteral("等级"), frame));
        text8_[0] = MakeInput(QStringLiteral("Text8(0)"), QStringLiteral("60"), frame);
        inputs->addWidget(text8_[0]);
        inputs->addWidget(MakeLabel(QStringLiteral("级从第"), frame));
        text8_[1] = MakeInput(QStringLiteral("Text8(1)"), QStringLiteral("1"), frame);
        inputs->addWidget(text8_[1]);
        inputs->addWidget(MakeLabel(QStringLiteral("环跑到第"), frame));
        text8_[2] = MakeInput(QStringLiteral("Text8(2)"), QStringLiteral("300"), frame);
        inputs->addWidget(text8_[2]);
        inputs->addWidget(MakeLabel(QStringLiteral("环,共可获"), frame));
        inputs->addStretch(1);
        rows->addLayout(inputs);

        auto* result = new QHBoxLayout();
        result->addWidget(MakeLabel(QStringLiteral("得经验"), frame));
        text8_[3] = MakeResult(QStringLiteral("Text8(3)"), QStringLiteral("0"), frame);
        result->addWidget(text8_[3]);
        result->addWidget(MakeLabel(QStringLiteral("点."), frame));
        result->addStretch(1);
        auto* compute = new DcButton(QStringLiteral("Button8(0)"), QStringLiteral("计算"), 0, frame);
        compute->setToolTip(QStringLiteral("角色等级60-155,环数1-300环"));
        auto* reset = new DcButton(QStringLiteral("Button8(1)"), QStringLiteral("重设"), 1, frame);
        result->addWidget(compute);
        result->addWidget(reset);
        rows->addLayout(result);

        auto* note =
            MakeLabel(QStringLiteral("(如要查询当前环的经验,只要两环的输入项相同即可.)"), frame, colours::kRed);
        note->setWordWrap(true);
        rows->addWidget(note);
        for (auto* b : {compute, reset}) {
            connect(b, &DcButton::clickedIndex, this, &TaskFrames::onButton8);
        }
        layout->addWidget(frame, 1, 0, 1, 2);
    }
}

void TaskFrames::onButton7(int index)
{
    if (index == 0) {
        ApplyOutcome(GuildTasks(ToStd(text7_[0]->text())), {text7_[1], text7_[2]});
    } else {
        for (auto* f : text7_) {
            f->setText(QStringLiteral("0"));
        }
    }
    text7_[0]->focusAndSelect();
}

void TaskFrames::onButton9(int index)
{
    if (index == 0) {
        ApplyOutcome(SchoolTask(ToStd(text9_[0]->text()), check1_->isChecked(), check3_->isChecked()),
                     {text9_[1], text9_[2]});
    } else {
        for (auto* f : text9_) {
            f->setText(QStringLiteral("0"));
        }
    }
    text9_[0]->focusAndSelect();
}

void TaskFrames::onButton8(int index)
{
    if (index == 0) {
        ApplyOutcome(TaskChain(ToStd(text8_[0]->text()), ToStd(text8_[1]->text()), ToStd(text8_[2]->text())),
                     {text8_[3]});
    } else {
        text8_[0]->setText(QStringLiteral("60"));
        text8_[1]->setText(QStringLiteral("1"));
        text8_[2]->setText(QStringLiteral("300"));
        text8_[3]->setText(QStringLiteral("0"));
    }
    text8_[0]->focusAndSelect();
}

}  // namespace zicalc
