#include "calc/GuildPage.h"

#include <QVBoxLayout>

namespace zicalc {

GuildPage::GuildPage(QWidget* parent) : PageFrame(1, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
}

}  // namespace zicalc
