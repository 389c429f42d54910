#include "gui/calc/MoneyCapFrame.h"

#include <QHBoxLayout>
#include <QLabel>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"
#include "core/calc/MoneyCap.h"

namespace zicalc {

MoneyCapFrame::MoneyCapFrame(QWidget* parent) : QGroupBox(QStringLiteral("携带金钱"), parent)
{
    setObjectName(QStringLiteral("Frame3(3)"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(MakeLabel(QStringLiteral("角色等级："), this));
    text4_[0] = new NumericField(QStringLiteral("Text4(0)"), 3, QStringLiteral("0"), this);
    row->addWidget(text4_[0]);
    row->addWidget(MakeLabel(QStringLiteral("级,可携带金钱上限为："), this));
    // The cap is not locked like the other results: the user may type over it (digits only), but
    // Tab and Enter pass it by.
    text4_[1] = new NumericField(QStringLiteral("Text4(1)"), 8, QStringLiteral("10000"), this);
    text4_[1]->setFocusPolicy(Qt::ClickFocus);
    row->addWidget(text4_[1]);
    row->addWidget(MakeLabel(QStringLiteral("两."), this));
    row->addStretch(1);
    auto* compute = new DcButton(QStringLiteral("Button4(0)"), QStringLiteral("计算"), 0, this);
    compute->setToolTip(QStringLiteral("等级输入0-155级"));
    auto* reset = new DcButton(QStringLiteral("Button4(1)"), QStringLiteral("重设"), 1, this);
    for (auto* b : {compute, reset}) {
        row->addWidget(b);
        connect(b, &DcButton::clickedIndex, this, &MoneyCapFrame::onButton4);
    }
    FitDigits(text4_[0], 3);
    FitDigits(text4_[1], 8);
}

void MoneyCapFrame::onButton4(int index)
{
    if (index == 0) {
        ApplyOutcome(MoneyCapOutcome(ToStd(text4_[0]->text())), {text4_[1]});
    } else {
        text4_[0]->setText(QStringLiteral("0"));
        text4_[1]->setText(QStringLiteral("10000"));
    }
    text4_[0]->focusAndSelect();
}

}  // namespace zicalc
