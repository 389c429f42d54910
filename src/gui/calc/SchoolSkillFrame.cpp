#include "gui/calc/SchoolSkillFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/calc/SkillCost.h"
#include "gui/calc/Form2.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {
constexpr int kReset = 7;
constexpr int kDetail = 8;
}  // namespace

SchoolSkillFrame::SchoolSkillFrame(QWidget* parent) : QGroupBox(QStringLiteral("门派技能"), parent)
{
    setObjectName(QStringLiteral("Frame3(2)"));
    auto* layout = new QVBoxLayout(this);

    // 技能从 [from] 级升到 [to] 级共消耗经验 [exp] 点,金钱 [money] 两 (X1项)
    auto* row = new QHBoxLayout();
    row->addWidget(MakeLabel(QStringLiteral("技能从"), this));
    text3_[0] = new NumericField(QStringLiteral("Text3(0)"), 3, QString(), this);
    row->addWidget(text3_[0]);
    row->addWidget(MakeLabel(QStringLiteral("级升到"), this));
    text3_[1] = new NumericField(QStringLiteral("Text3(1)"), 3, QString(), this);
    row->addWidget(text3_[1]);
    row->addWidget(MakeLabel(QStringLiteral("级共消耗经验"), this));
    row->addWidget(MakeResultField(QStringLiteral("Text3(2)"), this, 10));
    row->addWidget(MakeLabel(QStringLiteral("点,金钱"), this));
    row->addWidget(MakeResultField(QStringLiteral("Text3(3)"), this, 9));
    row->addWidget(MakeLabel(QStringLiteral("两"), this));
    row->addWidget(MakeNamedLabel(QStringLiteral("Label24"), QString(), this, colours::kRed));
    row->addStretch(1);
    layout->addLayout(row);
    FitDigits(text3_[0], 3);
    FitDigits(text3_[1], 3);

    auto* buttons = new QHBoxLayout();
    const auto add = [this, buttons](int index, const QString& caption) {
        auto* b = new DcButton(QStringLiteral("Button3(%1)").arg(index), caption, index, this);
        connect(b, &DcButton::clickedIndex, this, &SchoolSkillFrame::onButton3);
        buttons->addWidget(b);
        return b;
    };
    for (int k = 0; k < 7; ++k) {
        auto* b = add(k, k == 0 ? QStringLiteral("计算(X1)") : QStringLiteral("(X%1)").arg(k + 1));
        b->setToolTip(QStringLiteral("等级输入0-160级"));
    }
    add(kDetail, QStringLiteral("详细计算"));
    add(kReset, QStringLiteral("重设"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    ApplyOutcome(SchoolSkillDefaults(), this);
}

void SchoolSkillFrame::onButton3(int index)
{
    if (index == kDetail) {
        // Always a fresh window with its defaults; the main window waits while it is open.
        Form2 detail(window());
        detail.exec();
        return;
    }
    if (index == kReset) {
        ApplyOutcome(SchoolSkillReset(), this);
    } else {
        ApplyOutcome(SchoolSkillCost(ToStd(text3_[0]->text()), ToStd(text3_[1]->text()), index + 1), this);
    }
    text3_[0]->focusAndSelect();
}

}  // namespace zicalc
