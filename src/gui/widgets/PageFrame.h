#pragma once

#include <QFrame>

namespace zicalc {

// One of Form1's page frames Frame2(0) … Frame2(10): they overlap exactly and one is visible.
class PageFrame : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageFrame)

public:
    PageFrame(int index, QWidget* parent = nullptr);
    int index() const { return index_; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    int index_;
};

}  // namespace zicalc
