#include "gui/lookup/NpcSearchFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/lookup/NpcLocations.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

NpcSearchFrame::NpcSearchFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame9(5)"), QStringLiteral("NPC位置查询"), this);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    auto* row = new QHBoxLayout();
    text24_ = new QLineEdit(frame);
    text24_->setObjectName(QStringLiteral("Text24"));
    row->addWidget(text24_, 1);
    button21_ = new DcButton(QStringLiteral("Button21"), QStringLiteral("清空"), 0, frame);
    row->addWidget(button21_);
    layout->addLayout(row);

    list1_ = new QListWidget(frame);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setSortingEnabled(false);
    list1_->setFocusPolicy(Qt::NoFocus);  // a display; the keyboard stays in the search field
    list1_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(list1_, 1);

    // textChanged fires for typing, pasting and text set by code alike.
    connect(text24_, &QLineEdit::textChanged, this, &NpcSearchFrame::search);
    connect(button21_, &DcButton::clickedIndex, this, &NpcSearchFrame::clearSearch);
    text24_->installEventFilter(this);
}

bool NpcSearchFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text24_ && event->type() == QEvent::KeyPress && text24_->isVisible()) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            text24_->clear();
        }
        text24_->setFocus(Qt::OtherFocusReason);
    }
    return QWidget::eventFilter(watched, event);  // the key goes on as usual
}

void NpcSearchFrame::search(const QString& text)
{
    list1_->clear();
    for (const std::size_t i : SearchNpcLocations(ToStd(text))) {
        list1_->addItem(ToQ(NpcLocations[i]));
    }
}

void NpcSearchFrame::clearSearch()
{
    text24_->clear();
    text24_->setFocus(Qt::OtherFocusReason);
}

}  // namespace zicalc
