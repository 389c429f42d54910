#include "gui/app/OtherPage.h"

#include <QGridLayout>

#include "gui/calc/CraftingFrame.h"
#include "gui/lookup/LegendSceneFrame.h"
#include "gui/lookup/NpcSearchFrame.h"
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
    grid->addWidget(new LegendSceneFrame(this), 1, 0);
    grid->addWidget(new NpcSearchFrame(this), 1, 1, 2, 1);
    grid->addWidget(new DcButton(QStringLiteral("dcButton2"), QStringLiteral("商会系统"), 0, this), 3, 0,
                    Qt::AlignLeft);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
}

}  // namespace zicalc
