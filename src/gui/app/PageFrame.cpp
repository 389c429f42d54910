#include "app/PageFrame.h"

#include "app/QtBridge.h"

namespace zicalc {

PageFrame::PageFrame(int index, QWidget* parent) : QFrame(parent), index_(index)
{
    setObjectName(QStringLiteral("Frame2(%1)").arg(index));
    SetBackgroundColour(this, colours::kPage);
    setMinimumSize(513, 289);  // 7695 × 4335 twips
    // Every page keeps its place while hidden, so the window never changes size on a switch.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

}  // namespace zicalc
