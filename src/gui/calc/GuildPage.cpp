#include "gui/calc/GuildPage.h"

#include <QVBoxLayout>

#include "gui/calc/AuxiliarySkillFrame.h"
#include "gui/calc/CultivationFrame.h"
#include "gui/calc/MaintenanceFrame.h"

namespace zicalc {

GuildPage::GuildPage(QWidget* parent) : PageFrame(1, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new AuxiliarySkillFrame(this));
    layout->addWidget(new CultivationFrame(this));
    layout->addWidget(new MaintenanceFrame(this));
    layout->addStretch(1);
}

}  // namespace zicalc
