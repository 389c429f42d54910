#include "calc/TaskPage.h"

#include <QVBoxLayout>

namespace zicalc {

TaskPage::TaskPage(QWidget* parent) : PageFrame(2, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
}

}  // namespace zicalc
