#include "gui/calc/TaskFrames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/calc/TaskRewards.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

// Results hold up to eight digits.
constexpr int kResultDigits = 8;

NumericField* MakeInput(const QString& name, QWidget* parent)
{
    auto* field = new NumericField(name, 3, QString(), parent);
    FitDigits(field, 3);
    return field;
}

QCheckBox* MakeCheck(const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

// Caption and result row: label, field, unit label.
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

    // 等级 [L] 级,完成一轮 / 青龙得经验 [..] 点. / 玄武得经验 [..] 点.  计算 重设
    {
        auto* frame = MakeFrame(QStringLiteral("Frame5(0)"), QStringLiteral("帮派任务"), this);
        auto* grid = new QGridLayout(frame);
        text7_ = MakeInput(QStringLiteral("Text7(0)"), frame);
        AddResultRow(grid, 0, QStringLiteral("等级"), text7_, QStringLiteral("级,完成一轮"), frame);
        AddResultRow(grid, 1, QStringLiteral("青龙得经验"),
                     MakeResultField(QStringLiteral("Text7(1)"), frame, kResultDigits), QStringLiteral("点."), frame);
        AddResultRow(grid, 2, QStringLiteral("玄武得经验"),
                     MakeResultField(QStringLiteral("Text7(2)"), frame, kResultDigits), QStringLiteral("点."), frame);
        auto* buttons = MakeComputeResetRow(
            QStringLiteral("Button7"), frame,
            [this] {
                ApplyOutcome(GuildTasks(ToStd(text7_->text())), this);
                text7_->focusAndSelect();
            },
            [this] {
                ApplyOutcome(GuildTasksReset(), this);
                text7_->focusAndSelect();
            },
            QStringLiteral("角色等级输入20-155级"));
        buttons->addStretch(1);
        grid->addLayout(buttons, 3, 0, 1, 3);
        grid->setColumnStretch(3, 1);
        layout->addWidget(frame, 0, 0);
    }

    // 等级 [L] 完成师门获得 / 经验 [..] 点, / 金钱 [..] 两. with 双倍 and 两轮, 计算 重设.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame5(1)"), QStringLiteral("门派任务"), this);
        auto* grid = new QGridLayout(frame);
        text9_ = MakeInput(QStringLiteral("Text9(0)"), frame);
        AddResultRow(grid, 0, QStringLiteral("等级"), text9_, QStringLiteral("完成师门获得"), frame);
        AddResultRow(grid, 1, QStringLiteral("经验"), MakeResultField(QStringLiteral("Text9(1)"), frame, kResultDigits),
                     QStringLiteral("点,"), frame);
        AddResultRow(grid, 2, QStringLiteral("金钱"), MakeResultField(QStringLiteral("Text9(2)"), frame, kResultDigits),
                     QStringLiteral("两."), frame);
        check1_ = MakeCheck(QStringLiteral("Check1"), frame);
        check3_ = MakeCheck(QStringLiteral("Check3"), frame);
        auto* buttons = MakeComputeResetRow(
            QStringLiteral("Button9"), frame,
            [this] {
                ApplyOutcome(SchoolTask(ToStd(text9_->text()), check1_->isChecked(), check3_->isChecked()), this);
                text9_->focusAndSelect();
            },
            [this] {
                ApplyOutcome(SchoolTaskReset(), this);
                text9_->focusAndSelect();
            });
        buttons->insertWidget(0, check1_);
        buttons->insertWidget(1, check3_);
        buttons->addStretch(1);
        grid->addLayout(buttons, 3, 0, 1, 3);
        grid->setColumnStretch(3, 1);
        // Only the caption follows the user's click; the results wait for the next 计算.
        connect(check1_, &QCheckBox::clicked, this,
                [this](bool ticked) { ApplyOutcome(DoubleRewardClicked(ticked), this); });
        connect(check3_, &QCheckBox::clicked, this,
                [this](bool ticked) { ApplyOutcome(TwoRoundsClicked(ticked), this); });
        layout->addWidget(frame, 0, 1);
    }

    // 等级 [L] 级从第 [c1] 环跑到第 [c2] 环,共可获 / 得经验 [..] 点.  计算 重设, and the note.
    {
        auto* frame = MakeFrame(QStringLiteral("Frame5(2)"), QStringLiteral("任务链"), this);
        auto* rows = new QVBoxLayout(frame);
        auto* inputs = new QHBoxLayout();
        inputs->addWidget(MakeLabel(QStringLiteral("等级"), frame));
        text8_[0] = MakeInput(QStringLiteral("Text8(0)"), frame);
        inputs->addWidget(text8_[0]);
        inputs->addWidget(MakeLabel(QStringLiteral("级从第"), frame));
        text8_[1] = MakeInput(QStringLiteral("Text8(1)"), frame);
        inputs->addWidget(text8_[1]);
        inputs->addWidget(MakeLabel(QStringLiteral("环跑到第"), frame));
        text8_[2] = MakeInput(QStringLiteral("Text8(2)"), frame);
        inputs->addWidget(text8_[2]);
        inputs->addWidget(MakeLabel(QStringLiteral("环,共可获"), frame));
        inputs->addStretch(1);
        rows->addLayout(inputs);

        auto* result = new QHBoxLayout();
        result->addWidget(MakeLabel(QStringLiteral("得经验"), frame));
        result->addWidget(MakeResultField(QStringLiteral("Text8(3)"), frame, kResultDigits));
        result->addWidget(MakeLabel(QStringLiteral("点."), frame));
        result->addLayout(MakeComputeResetRow(
            QStringLiteral("Button8"), frame,
            [this] {
                ApplyOutcome(TaskChain(ToStd(text8_[0]->text()), ToStd(text8_[1]->text()), ToStd(text8_[2]->text())),
                             this);
                text8_[0]->focusAndSelect();
            },
            [this] {
                ApplyOutcome(TaskChainReset(), this);
                text8_[0]->focusAndSelect();
            },
            QStringLiteral("角色等级60-155,环数1-300环")));
        result->addStretch(1);
        rows->addLayout(result);

        auto* note =
            MakeLabel(QStringLiteral("(如要查询当前环的经验,只要两环的输入项相同即可.)"), frame, colours::kRed);
        note->setWordWrap(true);
        rows->addWidget(note);
        layout->addWidget(frame, 1, 0, 1, 2);
    }

    ApplyOutcome(GuildTasksReset(), this);
    ApplyOutcome(SchoolTaskDefaults(), this);
    ApplyOutcome(TaskChainReset(), this);
}

}  // namespace zicalc
