#include "gui/calc/MoneyCapFrame.h"

#include <QHBoxLayout>
#include <QLabel>

#include "core/calc/MoneyCap.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

MoneyCapFrame::MoneyCapFrame(QWidget* parent) : QGroupBox(QStringLiteral("携带金钱"), parent)
{
    setObjectName(QStringLiteral("Frame3(3)"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(MakeLabel(QStringLiteral("角色等级："), this));
    text4_[0] = new NumericField(QStringLiteral("Text4(0)"), 3, QString(), this);
    row->addWidget(text4_[0]);
    row->addWidget(MakeLabel(QStringLiteral("级,可携带金钱上限为："), this));
    // The cap is not locked like the other results: the user may type over it (digits only), but
    // Tab and Enter pass it by.
    text4_[1] = new NumericField(QStringLiteral("Text4(1)"), 8, QString(), this);
    text4_[1]->setFocusPolicy(Qt::ClickFocus);
    row->addWidget(text4_[1]);
    row->addWidget(MakeLabel(QStringLiteral("两."), this));
    row->addLayout(MakeComputeResetRow(
        QStringLiteral("Button4"), this,
        [this] {
            ApplyOutcome(MoneyCapOutcome(ToStd(text4_[0]->text())), this);
            text4_[0]->focusAndSelect();
        },
        [this] {
            ApplyOutcome(MoneyCapReset(), this);
            text4_[0]->focusAndSelect();
        },
        QStringLiteral("等级输入0-155级")));
    row->addStretch(1);
    FitDigits(text4_[0], 3);
    FitDigits(text4_[1], 8);
    ApplyOutcome(MoneyCapReset(), this);
}

}  // namespace zicalc
