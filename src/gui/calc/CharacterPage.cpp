#include "calc/CharacterPage.h"

#include <QVBoxLayout>

#include "calc/ExperienceFrames.h"
#include "calc/MoneyCapFrame.h"
#include "calc/SchoolSkillFrame.h"

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
