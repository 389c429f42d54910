#include "gui/calc/MaintenanceFrame.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/calc/GuildMaintenance.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

MaintenanceFrame::MaintenanceFrame(QWidget* parent) : QGroupBox(QStringLiteral("帮派维护资金消耗"), parent)
{
    setObjectName(QStringLiteral("Frame4(2)"));
    auto* layout = new QVBoxLayout(this);

    // [level] 级帮,有 金库: [n] 书院: [n] 药房: [n] 兽室: [n] 厢房: [n] 仓库: [n]
    auto* first = new QHBoxLayout();
    for (int i = 0; i < 7; ++i) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("Combo7(%1)").arg(i));
        combo->setEditable(false);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo7_[static_cast<std::size_t>(i)] = combo;
        if (i == 0) {
            first->addWidget(combo);
            first->addWidget(MakeLabel(QStringLiteral("级帮,有"), this));
            continue;
        }
        first->addWidget(MakeNamedLabel(QStringLiteral("Label17(%1)").arg(i - 1), QString(), this, colours::kMagenta));
        // Wide enough for two digits before any level is chosen.
        combo->addItem(QString::number(MaxBuildings(kMaxGuildLevel)));
        combo->setMinimumWidth(combo->sizeHint().width());
        first->addWidget(combo);
    }
    first->addStretch(1);
    layout->addLayout(first);

    // 每小时正常维护费用是 [fee] 两,不足 [reserve] 两不能正常维护.
    auto* second = new QHBoxLayout();
    second->addWidget(MakeLabel(QStringLiteral("每小时正常维护费用是"), this));
    auto* fee = MakeResultField(QStringLiteral("Text28(0)"), this, 7);
    fee->setAlignment(Qt::AlignCenter);
    second->addWidget(fee);
    second->addWidget(MakeLabel(QStringLiteral("两,不足"), this));
    second->addWidget(MakeResultField(QStringLiteral("Text28(1)"), this, 9));
    second->addWidget(MakeLabel(QStringLiteral("两不能正常维护."), this));
    second->addStretch(1);
    layout->addLayout(second);

    ApplyOutcome(MaintenanceDefaults(), this);
    connect(combo7_[0], &QComboBox::activated, this, &MaintenanceFrame::onLevelChosen);
    for (std::size_t i = 1; i < combo7_.size(); ++i) {
        connect(combo7_[i], &QComboBox::activated, this, &MaintenanceFrame::onBuildingChosen);
    }
}

int MaintenanceFrame::level() const
{
    return combo7_[0]->currentText().toInt();
}

void MaintenanceFrame::onLevelChosen()
{
    ApplyOutcome(MaintenanceForLevel(level()), this);
}

void MaintenanceFrame::onBuildingChosen()
{
    BuildingCounts counts{};
    for (std::size_t k = 0; k < counts.size(); ++k) {
        counts[k] = combo7_[k + 1]->currentText().toInt();
    }
    ApplyOutcome(MaintenanceForBuildings(level(), counts), this);
}

}  // namespace zicalc
