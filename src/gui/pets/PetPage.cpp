#include "gui/pets/PetPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/pets/GrowthRateFrame.h"
#include "gui/pets/OriginTestFrame.h"
#include "gui/pets/PetEncyclopediaFrame.h"

namespace zicalc {

PetPage::PetPage(QWidget* parent) : PageFrame(3, parent)
{
    auto* layout = new QVBoxLayout(this);
    // The two calculators side by side, the encyclopedia below them.
    auto* top = new QHBoxLayout();
    top->addWidget(new GrowthRateFrame(this));
    top->addWidget(new OriginTestFrame(this));
    layout->addLayout(top);
    auto* encyclopedia = new PetEncyclopediaFrame(this);
    connect(encyclopedia, &PetEncyclopediaFrame::simulatorRequested, this, &PetPage::simulatorRequested);
    layout->addWidget(encyclopedia);
    layout->addStretch(1);
}

}  // namespace zicalc
