#include "gui/pets/PetFullExpFrame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/pets/PetFullExpBands.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

PetFullExpFrame::PetFullExpFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame9(3)"), QStringLiteral("召唤兽满经验场景"), this);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    // [level] 级召唤兽于【 [scene] 】
    auto* first = new QHBoxLayout();
    first->setSpacing(0);
    combo2_ = new QComboBox(frame);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setEditable(false);
    combo2_->setMaxVisibleItems(20);
    for (int level = 0; level <= kMaxFullExpLevel; ++level) {
        combo2_->addItem(QStringLiteral("%1").arg(level, 2, 10, QLatin1Char('0')));
    }
    combo2_->setCurrentIndex(-1);
    first->addWidget(combo2_);
    first->addSpacing(4);
    first->addWidget(MakeNamedLabel(QStringLiteral("Label6(0)"), QStringLiteral("级召唤兽于【"), frame));
    first->addWidget(MakeNamedLabel(QStringLiteral("Label14(0)"), QString(), frame, colours::kRed));
    first->addWidget(MakeNamedLabel(QStringLiteral("Label6(1)"), QStringLiteral("】"), frame));
    first->addStretch(1);
    layout->addLayout(first);

    // 可以满经验 [experience] 点(5人组队领双).
    auto* second = new QHBoxLayout();
    second->setSpacing(0);
    second->addWidget(MakeNamedLabel(QStringLiteral("Label6(2)"), QStringLiteral("可以满经验"), frame));
    second->addWidget(MakeNamedLabel(QStringLiteral("Label14(1)"), QString(), frame, colours::kRed));
    second->addWidget(MakeNamedLabel(QStringLiteral("Label6(3)"), QStringLiteral("点(5人组队领双)."), frame));
    second->addStretch(1);
    layout->addLayout(second);

    // Mouse, arrow keys and typed digits all end in one of these.
    connect(combo2_, &QComboBox::activated, this, &PetFullExpFrame::showChosenLevel);
    connect(combo2_, &QComboBox::currentIndexChanged, this, &PetFullExpFrame::showChosenLevel);
}

void PetFullExpFrame::showChosenLevel()
{
    if (combo2_->currentIndex() < 0) {
        return;
    }
    ApplyOutcome(FullExpScene(ToStd(combo2_->currentText())), this);
}

}  // namespace zicalc
