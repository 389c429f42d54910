#include "gui/calc/CharacterPage.h"

#include <QVBoxLayout>

#include "gui/calc/ExperienceFrames.h"
#include "gui/calc/MoneyCapFrame.h"
#include "gui/calc/SchoolSkillFrame.h"

namespace zicalc {

CharacterPage::CharacterPage(QWidget* parent) : PageFrame(0, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ExperienceFrames(this));
    layout->addWidget(new SchoolSkillFrame(this));
    layout->addWidget(new MoneyCapFrame(this));
    layout->addStretch(1);
}

}  // namespace zicalc
