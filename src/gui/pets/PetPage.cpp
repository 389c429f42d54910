#include "pets/PetPage.h"

#include <QVBoxLayout>

namespace zicalc {

PetPage::PetPage(QWidget* parent) : PageFrame(3, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
}

}  // namespace zicalc
