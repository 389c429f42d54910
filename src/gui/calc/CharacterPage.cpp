#include "calc/CharacterPage.h"

#include <QVBoxLayout>

#include "calc/ExperienceFrames.h"

namespace zicalc {

CharacterPage::CharacterPage(QWidget* parent) : PageFrame(0, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ExperienceFrames(this));
    layout->addStretch(1);
}

}  // namespace zicalc
