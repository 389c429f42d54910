#include "calc/GuildPage.h"

#include <QVBoxLayout>

#include "calc/AuxiliarySkillFrame.h"
#include "calc/CultivationFrame.h"
#include "calc/MaintenanceFrame.h"

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
