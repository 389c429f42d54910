#include "gui/app/OtherPage.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "gui/calc/CraftingFrame.h"
#include "gui/pets/PetFullExpFrame.h"
#include "gui/widgets/DcButton.h"

namespace zicalc {

OtherPage::OtherPage(QWidget* parent) : PageFrame(6, parent)
{
    // Two columns of frames: scenes on the left, crafting and searches on the right, the buttons
    // to the reference windows along the bottom row.
    auto* grid = new QGridLayout(this);
    grid->addWidget(new PetFullExpFrame(this), 0, 0);
    grid->addWidget(new CraftingFrame(this), 0, 1);
    auto* windowButtons = new QHBoxLayout;
    windowButtons->addStretch();
    windowButtons->addWidget(new DcButton(QStringLiteral("dcButton5"), QStringLiteral("跑商辅助"), 0, this));
    grid->addLayout(windowButtons, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
}

}  // namespace zicalc
