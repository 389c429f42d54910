#include "gui/calc/TaskPage.h"

#include <QVBoxLayout>

#include "gui/calc/SealingFrame.h"
#include "gui/calc/TaskFrames.h"

namespace zicalc {

TaskPage::TaskPage(QWidget* parent) : PageFrame(2, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TaskFrames(this));
    layout->addWidget(new SealingFrame(this));
    layout->addStretch(1);
}

}  // namespace zicalc
