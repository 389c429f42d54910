#include "gui/widgets/PageFrame.h"

#include "gui/widgets/QtBridge.h"

namespace zicalc {

PageFrame::PageFrame(int index, QWidget* parent) : QFrame(parent), index_(index)
{
    setObjectName(QStringLiteral("Frame2(%1)").arg(index));
    SetBackgroundColour(this, colours::kPage);
    // Every page keeps its place while hidden, so the window never changes size on a switch.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

QSize PageFrame::minimumSizeHint() const
{
    // At least 7695 × 4335 twips, and never less than the frames on it need: a fixed minimum
    // would squeeze their layouts and clip the CJK captions.
    return QFrame::minimumSizeHint().expandedTo(QSize(513, 289));
}

QSize PageFrame::sizeHint() const
{
    return QFrame::sizeHint().expandedTo(minimumSizeHint());
}

}  // namespace zicalc
