#include "gui/calc/CraftingFrame.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/calc/Crafting.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

CraftingFrame::CraftingFrame(QWidget* parent) : QGroupBox(QStringLiteral("打造裁缝炼金熟练度"), parent)
{
    setObjectName(QStringLiteral("Frame9(6)"));
    auto* layout = new QVBoxLayout(this);

    combo4_ = new QComboBox(this);
    combo4_->setObjectName(QStringLiteral("Combo4"));
    combo4_->setEditable(false);
    for (const std::int16_t level : CraftingLevels) {
        combo4_->addItem(QString::number(level));
    }
    connect(combo4_, &QComboBox::activated, this, &CraftingFrame::onLevelChosen);

    std::array<QLabel*, 4> label16{};
    for (std::size_t i = 0; i < label16.size(); ++i) {
        label16[i] = MakeNamedLabel(QStringLiteral("Label16(%1)").arg(i), QString(), this, colours::kRed);
    }

    // [level] 级打造(裁缝/炼金)所需 / 熟练度最低 [p] 点,需要体力 [s] / 点,消耗金钱 [m] 两,强化则 /
    // 需要强化石 [n] 块.
    const auto line = [this, layout](std::initializer_list<QWidget*> widgets) {
        auto* row = new QHBoxLayout();
        for (QWidget* w : widgets) {
            row->addWidget(w);
        }
        row->addStretch(1);
        layout->addLayout(row);
    };
    line({combo4_, MakeLabel(QStringLiteral("级打造(裁缝/炼金)所需"), this)});
    line({MakeLabel(QStringLiteral("熟练度最低"), this), label16[0], MakeLabel(QStringLiteral("点,需要体力"), this),
          label16[1]});
    line({MakeLabel(QStringLiteral("点,消耗金钱"), this), label16[2], MakeLabel(QStringLiteral("两,强化则"), this)});
    auto* button16 = new DcButton(QStringLiteral("Button16"), QStringLiteral("属性列表"), 0, this);
    connect(button16, &DcButton::clickedIndex, this, &CraftingFrame::attributeListRequested);
    line({MakeLabel(QStringLiteral("需要强化石"), this), label16[3], MakeLabel(QStringLiteral("块."), this), button16});
    layout->addStretch(1);
    ApplyOutcome(CraftingDefaults(), this);
}

void CraftingFrame::onLevelChosen()
{
    ApplyOutcome(CraftingNeeds(ToStd(combo4_->currentText()), combo4_->currentIndex()), this);
}

}  // namespace zicalc
