#include "gui/calc/GuildPage.h"

#include <QVBoxLayout>

#include "gui/calc/AuxiliarySkillFrame.h"
#include "gui/calc/CultivationFrame.h"
#include "gui/calc/MaintenanceFrame.h"

namespace zicalc {

GuildPage::GuildPage(QWidget* parent) : PageFrame(1, parent)
{
    auto* column = new QWidget(this);
    auto* frames = new QVBoxLayout(column);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(new AuxiliarySkillFrame(column));
    frames->addWidget(new CultivationFrame(column));
    frames->addWidget(new MaintenanceFrame(column));
    // The frames share the width of the widest and keep to the top left: no wider than they need.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(column, 0, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace zicalc
