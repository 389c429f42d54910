#include "gui/calc/CultivationFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/calc/Cultivation.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

CultivationFrame::CultivationFrame(QWidget* parent) : QGroupBox(QStringLiteral("角色修炼"), parent)
{
    setObjectName(QStringLiteral("Frame4(1)"));
    auto* layout = new QVBoxLayout(this);

    auto* types = new QHBoxLayout();
    option2_[0] = new QRadioButton(QStringLiteral("物理攻击/法术攻击/猎术"), this);
    option2_[1] = new QRadioButton(QStringLiteral("物理防御/法术防御"), this);
    for (int i = 0; i < 2; ++i) {
        option2_[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
        SetTextColour(option2_[i], colours::kBlue);
        types->addWidget(option2_[i]);
    }
    types->addStretch(1);
    layout->addLayout(types);

    const auto field = [this](int i, int digits) -> QLineEdit* {
        const QString name = QStringLiteral("Text6(%1)").arg(i);
        if (i >= 3) {
            return MakeResultField(name, this, digits);
        }
        text6_[i] = new NumericField(name, digits, QString(), this);
        FitDigits(text6_[i], digits);
        return text6_[i];
    };

    // 目前修炼 [a] 级,目前经验 [e] 点,目标修炼 [b] 级,需要经验 [need] ,需要金钱
    auto* first = new QHBoxLayout();
    first->addWidget(MakeLabel(QStringLiteral("目前修炼"), this));
    first->addWidget(field(0, 2));
    first->addWidget(MakeLabel(QStringLiteral("级,目前经验"), this));
    first->addWidget(field(1, 4));
    first->addWidget(MakeLabel(QStringLiteral("点,目标修炼"), this));
    first->addWidget(field(2, 2));
    first->addWidget(MakeLabel(QStringLiteral("级,需要经验"), this));
    first->addWidget(field(3, 5));
    first->addWidget(MakeLabel(QStringLiteral(",需要金钱"), this));
    first->addStretch(1);
    layout->addLayout(first);

    // [money] 万,至少要有帮贡(不消耗) [contribution] ,消耗资材 [materials] ,角色最低要求 [level] 级.
    auto* second = new QHBoxLayout();
    second->addWidget(field(4, 5));
    second->addWidget(MakeLabel(QStringLiteral("万,至少要有帮贡(不消耗)"), this));
    second->addWidget(field(5, 4));
    second->addWidget(MakeLabel(QStringLiteral(",消耗资材"), this));
    second->addWidget(field(6, 5));
    second->addWidget(MakeLabel(QStringLiteral(",角色最低要求"), this));
    second->addWidget(field(7, 3));
    second->addWidget(MakeLabel(QStringLiteral("级."), this));
    second->addStretch(1);
    layout->addLayout(second);

    auto* third = new QHBoxLayout();
    third->addWidget(MakeLabel(QStringLiteral("(修炼等级上限为25级)"), this, colours::kRed));
    third->addLayout(MakeComputeResetRow(
        QStringLiteral("Button6"), this,
        [this] {
            const int factor = CultivationMoneyFactor(option2_[0]->isChecked(), option2_[1]->isChecked());
            ApplyOutcome(
                CultivationCost(ToStd(text6_[0]->text()), ToStd(text6_[1]->text()), ToStd(text6_[2]->text()), factor),
                this);
            text6_[0]->focusAndSelect();
        },
        [this] {
            ApplyOutcome(CultivationReset(), this);
            text6_[0]->focusAndSelect();
        },
        QStringLiteral("修炼等级输入0-25级")));
    third->addStretch(1);
    layout->addLayout(third);

    ApplyOutcome(CultivationDefaults(), this);
    // The type is read when computing; choosing one only sends the user back to the first field.
    for (auto* o : option2_) {
        connect(o, &QRadioButton::clicked, this, [this] { text6_[0]->focusAndSelect(); });
    }
}

}  // namespace zicalc
