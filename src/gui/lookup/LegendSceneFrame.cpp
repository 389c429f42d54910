#include "gui/lookup/LegendSceneFrame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/lookup/LegendSceneBands.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

LegendSceneFrame::LegendSceneFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame9(4)"), QStringLiteral("人物传说场景"), this);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    // [level] 级人物可以传说的地点有
    auto* row = new QHBoxLayout();
    row->setSpacing(4);
    combo3_ = new QComboBox(frame);
    combo3_->setObjectName(QStringLiteral("Combo3"));
    combo3_->setEditable(false);
    combo3_->setMaxVisibleItems(20);
    for (int level = kLegendMinLevel; level <= kLegendMaxLevel; ++level) {
        combo3_->addItem(QString::number(level));
    }
    combo3_->setCurrentIndex(-1);  // nothing chosen until the user picks a level
    row->addWidget(combo3_);
    row->addWidget(MakeNamedLabel(QStringLiteral("Label6(7)"), QStringLiteral("级人物可以传说的地点有"), frame));
    row->addStretch(1);
    layout->addLayout(row);

    text22_ = MakeResultField(QStringLiteral("Text22"), frame);
    layout->addWidget(text22_);

    // Mouse, arrow keys and typed digits all end in one of these.
    connect(combo3_, &QComboBox::activated, this, &LegendSceneFrame::showChosenLevel);
    connect(combo3_, &QComboBox::currentIndexChanged, this, &LegendSceneFrame::showChosenLevel);
}

void LegendSceneFrame::showChosenLevel()
{
    if (combo3_->currentIndex() < 0) {
        return;
    }
    if (const auto places = LegendScenesFor(ToStd(combo3_->currentText()))) {
        text22_->setText(ToQ(*places));
    }
}

}  // namespace zicalc
