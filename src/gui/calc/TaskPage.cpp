#include "gui/calc/TaskPage.h"

#include <QVBoxLayout>

#include "gui/calc/SealingFrame.h"
#include "gui/calc/TaskFrames.h"

namespace zicalc {

TaskPage::TaskPage(QWidget* parent) : PageFrame(2, parent)
{
    auto* column = new QWidget(this);
    auto* frames = new QVBoxLayout(column);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(new TaskFrames(column));
    frames->addWidget(new SealingFrame(column));
    // The frames share the width of the widest and keep to the top left: no wider than they need.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(column, 0, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace zicalc
