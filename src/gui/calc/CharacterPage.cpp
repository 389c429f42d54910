#include "gui/calc/CharacterPage.h"

#include <QVBoxLayout>

#include "gui/calc/ExperienceFrames.h"
#include "gui/calc/MoneyCapFrame.h"
#include "gui/calc/SchoolSkillFrame.h"

namespace zicalc {

CharacterPage::CharacterPage(QWidget* parent) : PageFrame(0, parent)
{
    auto* column = new QWidget(this);
    auto* frames = new QVBoxLayout(column);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(new ExperienceFrames(column));
    frames->addWidget(new SchoolSkillFrame(column));
    frames->addWidget(new MoneyCapFrame(column));
    // The frames share the width of the widest and keep to the top left: no wider than they need.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(column, 0, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace zicalc
