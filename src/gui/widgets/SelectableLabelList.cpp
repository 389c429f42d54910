#include "gui/widgets/SelectableLabelList.h"

#include "core/app/Rgb.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/QtBridge.h"

namespace zicalc {

SelectableLabelList::SelectableLabelList(QObject* parent) : QObject(parent) {}

ClickableLabel* SelectableLabelList::addLabel(const QString& objectName, const QString& caption, QWidget* parent)
{
    Q_ASSERT_X(sentinel_ < 0, "SelectableLabelList::addLabel", "the sentinel is the last element");
    const int index = count();
    auto* label = new ClickableLabel(objectName, caption, parent);
    labels_.append(label);
    paint(index, false);
    connect(label, &ClickableLabel::activated, this, [this, index] { choose(index); });
    return label;
}

ClickableLabel* SelectableLabelList::addSentinel(const QString& objectName, QWidget* parent)
{
    Q_ASSERT_X(sentinel_ < 0, "SelectableLabelList::addSentinel", "only one sentinel");
    ClickableLabel* label = addLabel(objectName, QString(), parent);
    label->setFocusPolicy(Qt::NoFocus);
    label->setFixedSize(1, 1);
    sentinel_ = count() - 1;
    selected_ = sentinel_;
    return label;
}

ClickableLabel* SelectableLabelList::label(int index) const
{
    return index >= 0 && index < count() ? labels_[index].data() : nullptr;
}

void SelectableLabelList::select(int index)
{
    if (index < 0 || index >= count() || index == selected_) {
        return;
    }
    paint(index, true);
    paint(selected_, false);
    selected_ = index;
}

void SelectableLabelList::clearSelection()
{
    paint(selected_, false);
    selected_ = sentinel_;
}

void SelectableLabelList::unmarkSelected()
{
    paint(selected_, false);
}

void SelectableLabelList::choose(int index)
{
    select(index);
    emit selected(index);
}

void SelectableLabelList::paint(int index, bool marked)
{
    if (ClickableLabel* l = label(index)) {
        SetTextColour(l, marked ? colours::kRed : colours::kBlue);
    }
}

}  // namespace zicalc
