#include "gui/lookup/Form11.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/lookup/RecipePanel.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/SelectableLabelList.h"
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
    labels_ = new SelectableLabelList(this);
    std::array<int, kFurniturePageCount> placed{};
    for (int i = 0; i < kFurnitureLabelCount; ++i) {
        // The caption-less Label(75) stands for "nothing selected"; it sits on the first page.
        const int k = i == kNoFurnitureLabel ? 0 : FurnitureLabelPage(i);
        QGroupBox* page = pages_[static_cast<std::size_t>(k)];
        const QString name = QStringLiteral("Label(%1)").arg(i);
        ClickableLabel* label = i == kNoFurnitureLabel ? labels_->addSentinel(name, page)
                                                       : labels_->addLabel(name, ToQ(FurnitureLabelCaption(i)), page);
        int& n = placed[static_cast<std::size_t>(k)];
        grids[static_cast<std::size_t>(k)]->addWidget(label, n / kPerRow, n % kPerRow);
        ++n;
    }
    connect(labels_, &SelectableLabelList::selected, this, [this](int i) {
        card_.ClickLabel(i);
        render();
    });
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
    // The list marks a clicked name itself; this keeps it in step with what the model decided.
    if (card_.selected() == kNoFurnitureLabel) {
        labels_->clearSelection();
    } else {
        labels_->select(card_.selected());
    }
    panel_->render(v);
}

}  // namespace zicalc
