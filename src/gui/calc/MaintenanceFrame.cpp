#include "gui/calc/MaintenanceFrame.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"
#include "core/calc/GuildMaintenance.h"

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
            for (int l = 0; l <= kMaxGuildLevel; ++l) {
                combo->addItem(QString::number(l));
            }
            combo->setCurrentIndex(0);
            first->addWidget(combo);
            first->addWidget(MakeLabel(QStringLiteral("级帮,有"), this));
            connect(combo, &QComboBox::activated, this, &MaintenanceFrame::onLevelChosen);
            continue;
        }
        const auto k = static_cast<std::size_t>(i - 1);
        label17_[k] =
            MakeNamedLabel(QStringLiteral("Label17(%1)").arg(k), ToQ(BuildingKinds[k].label), this, colours::kMagenta);
        first->addWidget(label17_[k]);
        // Wide enough for two digits before any level is chosen.
        combo->addItem(QString::number(MaxBuildings(kMaxGuildLevel)));
        combo->setMinimumWidth(combo->sizeHint().width());
        combo->clear();
        combo->addItem(QStringLiteral("0"));
        combo->setEnabled(false);
        first->addWidget(combo);
        connect(combo, &QComboBox::activated, this, &MaintenanceFrame::onBuildingChosen);
    }
    first->addStretch(1);
    layout->addLayout(first);

    // 每小时正常维护费用是 [fee] 两,不足 [reserve] 两不能正常维护.
    auto* second = new QHBoxLayout();
    second->addWidget(MakeLabel(QStringLiteral("每小时正常维护费用是"), this));
    fee_ = MakeResultLine(QStringLiteral("Text28(0)"), QString(), this);
    fee_->setAlignment(Qt::AlignCenter);
    FitDigits(fee_, 7);
    second->addWidget(fee_);
    second->addWidget(MakeLabel(QStringLiteral("两,不足"), this));
    reserve_ = MakeResultLine(QStringLiteral("Text28(1)"), QString(), this);
    FitDigits(reserve_, 9);
    second->addWidget(reserve_);
    second->addWidget(MakeLabel(QStringLiteral("两不能正常维护."), this));
    second->addStretch(1);
    layout->addLayout(second);
}

int MaintenanceFrame::level() const
{
    return combo7_[0]->currentText().toInt();
}

void MaintenanceFrame::display(const MaintenanceOutcome& out)
{
    fee_->setText(ToQ(out.hourlyFee));
    reserve_->setText(ToQ(out.reserve));
    for (std::size_t k = 0; k < label17_.size(); ++k) {
        label17_[k]->setToolTip(ToQ(out.tooltips[k]));
    }
}

void MaintenanceFrame::onLevelChosen()
{
    const int l = level();
    for (std::size_t i = 1; i < combo7_.size(); ++i) {
        QComboBox* combo = combo7_[i];
        if (l > 0) {
            combo->clear();
            for (int n = 0; n <= MaxBuildings(l); ++n) {
                combo->addItem(QString::number(n));
            }
        }
        combo->setCurrentIndex(0);
        combo->setEnabled(l > 0);
    }
    display(MaintenanceForLevel(l));
}

void MaintenanceFrame::onBuildingChosen()
{
    BuildingCounts counts{};
    for (std::size_t k = 0; k < counts.size(); ++k) {
        counts[k] = combo7_[k + 1]->currentText().toInt();
    }
    display(MaintenanceForBuildings(level(), counts));
}

}  // namespace zicalc
