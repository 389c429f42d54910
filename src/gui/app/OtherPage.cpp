#include "app/OtherPage.h"

#include <QGridLayout>

#include "calc/CraftingFrame.h"

namespace zicalc {

OtherPage::OtherPage(QWidget* parent) : PageFrame(6, parent)
{
    // Two columns of frames: scenes on the left, crafting and searches on the right, the buttons
    // to the reference windows along the bottom row.
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(new CraftingFrame(this), 0, 1);
}

}  // namespace zicalc
