#include "gui/lookup/Form11.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "gui/lookup/RecipePanel.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

constexpr std::array<const char16_t*, kFurniturePageCount> kPageCaptions{u"家具材料", u"一级家具名称", u"二级家具名称",
                                                                         u"三级家具名称", u"四级家具名称"};
constexpr std::array<const char16_t*, 6> kButtons{u"材料", u"一级家具", u"二级家具", u"三级家具", u"四级家具", u"关闭"};
constexpr int kPerRow = 4;

}  // namespace

Form11::Form11(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("家具配方"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultFont());
    auto* layout = new QVBoxLayout(this);

    // The five pages in one place, four names to a row in index order.
    auto* stack = new QGridLayout();
    std::array<QGridLayout*, kFurniturePageCount> grids{};
    for (int k = 0; k < kFurniturePageCount; ++k) {
        QGroupBox* page = MakeFrame(QStringLiteral("Frame2(%1)").arg(k),
                                    QString::fromUtf16(kPageCaptions[static_cast<std::size_t>(k)]), this);
        grids[static_cast<std::size_t>(k)] = new QGridLayout(page);
        pages_[static_cast<std::size_t>(k)] = page;
        stack->addWidget(page, 0, 0);
    }
    std::array<int, kFurniturePageCount> placed{};
    for (int i = 0; i < kFurnitureLabelCount; ++i) {
        // The caption-less Label(75) stands for "nothing selected"; it sits on the first page.
        const int k = i == kNoFurnitureLabel ? 0 : FurnitureLabelPage(i);
        QGroupBox* page = pages_[static_cast<std::size_t>(k)];
        QLabel* label = MakeNamedLabel(QStringLiteral("Label(%1)").arg(i), ToQ(FurnitureLabelCaption(i)), page);
        label->setCursor(i == kNoFurnitureLabel ? Qt::ArrowCursor : Qt::PointingHandCursor);
        label->installEventFilter(this);
        labels_[static_cast<std::size_t>(i)] = label;
        int& n = placed[static_cast<std::size_t>(k)];
        grids[static_cast<std::size_t>(k)]->addWidget(label, n / kPerRow, n % kPerRow);
        ++n;
    }
    for (QGridLayout* grid : grids) {
        grid->setRowStretch(grid->rowCount(), 1);
    }
    layout->addLayout(stack);

    panel_ = new RecipePanel(this);
    layout->addWidget(panel_);

    auto* row = new QHBoxLayout();
    for (int k = 0; k < 6; ++k) {
        auto* b = new DcButton(QStringLiteral("Button1(%1)").arg(k),
                               QString::fromUtf16(kButtons[static_cast<std::size_t>(k)]), k, this);
        connect(b, &DcButton::clickedIndex, this, &Form11::onButton);
        buttons_[static_cast<std::size_t>(k)] = b;
        row->addWidget(b);
    }
    layout->addLayout(row);
    render();
}

bool Form11::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < kNoFurnitureLabel; ++i) {
            QLabel* label = labels_[static_cast<std::size_t>(i)];
            if (watched == label && mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint())) {
                card_.ClickLabel(i);
                render();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form11::onButton(int index)
{
    if (index == 5) {
        card_.ClearSelection();
        render();
        close();
        return;
    }
    card_.ClickPage(index);
    render();
}

void Form11::render()
{
    const FurnitureView& v = card_.view();
    // The new page first, then the old one away.
    pages_[static_cast<std::size_t>(v.page)]->setVisible(true);
    for (int k = 0; k < kFurniturePageCount; ++k) {
        if (k != v.page) {
            pages_[static_cast<std::size_t>(k)]->setVisible(false);
        }
        buttons_[static_cast<std::size_t>(k)]->setBackgroundColour(v.pageButtons[static_cast<std::size_t>(k)]);
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        SetTextColour(labels_[i], v.labelColours[i]);
    }
    panel_->render(v);
}

}  // namespace zicalc
