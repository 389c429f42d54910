#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

namespace zicalc {

class ClickableLabel;

// A control array of clickable labels in blue of which one is marked red, the selection. The
// last element is a caption-less label (the sentinel) that stands for "none selected"; it is the
// selection from the start. The window places the labels in its own layout (a grid, or several
// pages), adding them in index order and the sentinel last.
//
// Choosing a label (click, or Enter/Space on the focused label) first moves the mark: if it is
// not the selected one, it turns red, the previous one blue, and it becomes the selection; then
// selected(index) is emitted, also when the chosen label was already selected.
class SelectableLabelList final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectableLabelList)

public:
    explicit SelectableLabelList(QObject* parent = nullptr);

    // Adds the next element ("Label2(0)", …) with its caption, in blue; returns it for placing.
    ClickableLabel* addLabel(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    // Adds the sentinel ("Label2(47)"): empty, tiny, no tab stop; it becomes the selection.
    ClickableLabel* addSentinel(const QString& objectName, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(labels_.size()); }
    ClickableLabel* label(int index) const;
    int sentinelIndex() const { return sentinel_; }
    // The selected element; the sentinel when none is selected (-1 before the sentinel exists).
    int selectedIndex() const { return selected_; }
    bool hasSelection() const { return selected_ >= 0 && selected_ != sentinel_; }

    // Moves the mark as a choice does, without emitting selected().
    void select(int index);
    // Paints the selected label blue and selects the sentinel.
    void clearSelection();
    // Paints the selected label blue but keeps it selected, so choosing it again leaves it blue.
    void unmarkSelected();

signals:
    void selected(int index);

private:
    void choose(int index);
    void paint(int index, bool marked);

    QList<QPointer<ClickableLabel>> labels_;
    int sentinel_ = -1;
    int selected_ = -1;
};

}  // namespace zicalc
