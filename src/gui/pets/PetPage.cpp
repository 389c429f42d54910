#include "gui/pets/PetPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/pets/GrowthRateFrame.h"
#include "gui/pets/OriginTestFrame.h"
#include "gui/pets/PetEncyclopediaFrame.h"

namespace zicalc {

PetPage::PetPage(QWidget* parent) : PageFrame(3, parent)
{
    auto* column = new QWidget(this);
    auto* frames = new QVBoxLayout(column);
    frames->setContentsMargins(0, 0, 0, 0);
    // The two calculators side by side, the encyclopedia below them.
    auto* top = new QHBoxLayout();
    top->addWidget(new GrowthRateFrame(column));
    top->addWidget(new OriginTestFrame(column));
    frames->addLayout(top);
    auto* encyclopedia = new PetEncyclopediaFrame(column);
    connect(encyclopedia, &PetEncyclopediaFrame::hpTableRequested, this, &PetPage::hpTableRequested);
    connect(encyclopedia, &PetEncyclopediaFrame::simulatorRequested, this, &PetPage::simulatorRequested);
    frames->addWidget(encyclopedia);
    // The frames share the width of the widest and keep to the top left: no wider than they need.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(column, 0, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace zicalc
