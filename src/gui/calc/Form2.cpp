#include "gui/calc/Form2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

Form2::Form2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("门派技能详细计算"));
    KeepModalInReach(this);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    // [技能i由] [from] 级升到 [to] 级要经验 [exp] 点,金钱 [money] 两.
    for (int i = 0; i < kDetailRows; ++i) {
        const auto r = static_cast<std::size_t>(i);
        check1_[r] = new QCheckBox(QStringLiteral("技能%1由").arg(i + 1), this);
        check1_[r]->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        SetTextColour(check1_[r], colours::kBlue);
        text1_[r] = new NumericField(QStringLiteral("Text1(%1)").arg(i), 3, QString(), this);
        text2_[r] = new NumericField(QStringLiteral("Text2(%1)").arg(i), 3, QString(), this);
        FitDigits(text1_[r], 3);
        FitDigits(text2_[r], 3);
        grid->addWidget(check1_[r], i, 0);
        grid->addWidget(text1_[r], i, 1);
        grid->addWidget(MakeLabel(QStringLiteral("级升到"), this), i, 2);
        grid->addWidget(text2_[r], i, 3);
        grid->addWidget(MakeLabel(QStringLiteral("级要经验"), this), i, 4);
        grid->addWidget(MakeResultField(QStringLiteral("Text3(%1)").arg(i), this, 9), i, 5);
        grid->addWidget(MakeLabel(QStringLiteral("点,金钱"), this), i, 6);
        grid->addWidget(MakeResultField(QStringLiteral("Text4(%1)").arg(i), this, 9), i, 7);
        grid->addWidget(MakeLabel(QStringLiteral("两."), this), i, 8);
    }
    layout->addLayout(grid);

    // [count] 项技能共消耗经验 [exp] 点,金钱 [money] 两.
    auto* totals = new QHBoxLayout();
    totals->addWidget(MakeResultField(QStringLiteral("Text7"), this, 1));
    totals->addWidget(MakeLabel(QStringLiteral("项技能共消耗经验"), this));
    totals->addWidget(MakeResultField(QStringLiteral("Text5"), this, 10));
    totals->addWidget(MakeLabel(QStringLiteral("点,金钱"), this));
    totals->addWidget(MakeResultField(QStringLiteral("Text6"), this, 10));
    totals->addWidget(MakeLabel(QStringLiteral("两."), this));
    totals->addStretch(1);
    layout->addLayout(totals);

    // 计算 重设 关闭, under the rows they act on.
    auto* buttons = MakeComputeResetRow(
        QStringLiteral("Button1"), this, [this] { compute(); }, [this] { reset(); });
    auto* close = new DcButton(QStringLiteral("Button1(2)"), QStringLiteral("关闭"), 2, this);
    connect(close, &DcButton::clickedIndex, this, &Form2::close);
    buttons->addWidget(close);
    for (auto* b : findChildren<DcButton*>()) {
        // Enter in a field moves on; it must never press a button by itself.
        b->setAutoDefault(false);
    }
    buttons->insertStretch(0, 1);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyOutcome(DetailedSkillReset(), this);
}

void Form2::compute()
{
    DetailInput in;
    std::array<std::string, kDetailRows> from;
    std::array<std::string, kDetailRows> to;
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        from[i] = ToStd(text1_[i]->text());
        to[i] = ToStd(text2_[i]->text());
        in.from[i] = from[i];
        in.to[i] = to[i];
        in.checked[i] = check1_[i]->isChecked();
    }
    const Outcome out = DetailedSkillCost(in);
    ApplyOutcome(out, this);
    // An empty field stops everything, the focus included.
    if (out.HasUpdates()) {
        text1_[0]->focusAndSelect();
    }
}

void Form2::reset()
{
    ApplyOutcome(DetailedSkillReset(), this);
    text1_[0]->focusAndSelect();
}

}  // namespace zicalc
