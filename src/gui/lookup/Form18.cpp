#include "gui/lookup/Form18.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"

namespace zicalc {

namespace {

constexpr std::array<const char16_t*, kStorylinePageCount> kPageButtons{u"剧情简介", u"剧情攻略", u"剧情奖励",
                                                                        u"所需物品", u"注意事项"};
constexpr Rgb kListBackground{255, 224, 192};  // light orange

}  // namespace

Form18::Form18(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("剧情攻略(未完成)"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultFont());
    auto* layout = new QHBoxLayout(this);

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("剧情任务"));
    for (const StorylineItem& item : StorylineItems) {
        list1_->addItem(ToQ(item.text));
    }
    QPalette p = list1_->palette();
    p.setColor(QPalette::Base, ToQColor(kListBackground));
    list1_->setPalette(p);
    const QFontMetrics fm(list1_->font());
    list1_->setFixedWidth(fm.horizontalAdvance(QStringLiteral("剧情任务五：含冤的小白龙")) + 40);
    layout->addWidget(list1_);

    auto* right = new QVBoxLayout();
    auto* buttonRow = new QHBoxLayout();
    for (int k = 0; k < kStorylinePageCount; ++k) {
        auto* b = new DcButton(QStringLiteral("dcButton1(%1)").arg(k),
                               QString::fromUtf16(kPageButtons[static_cast<std::size_t>(k)]), k, this);
        connect(b, &DcButton::clickedIndex, this, &Form18::onPage);
        buttons_[static_cast<std::size_t>(k)] = b;
        buttonRow->addWidget(b);
    }
    buttonRow->addStretch(1);
    right->addLayout(buttonRow);

    // All text areas in one place; the one shown covers the others.
    auto* stack = new QGridLayout();
    for (int t = 0; t < kStorylineTextCount; ++t) {
        auto* text = new QPlainTextEdit(this);
        text->setObjectName(ToQ(StorylineTextName(t)));
        text->setReadOnly(true);
        text->setAccessibleName(QStringLiteral("剧情说明"));
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setPlainText(ToQ(StorylineText(t)));
        text->setMinimumSize(fm.horizontalAdvance(QLatin1Char('M')) * 40, fm.height() * 22);
        text->hide();
        texts_[static_cast<std::size_t>(t)] = text;
        stack->addWidget(text, 0, 0);
    }
    // Keeps the area's room while no text is shown.
    stack->addItem(new QSpacerItem(fm.horizontalAdvance(QLatin1Char('M')) * 40, fm.height() * 22), 0, 0);
    right->addLayout(stack, 1);
    layout->addLayout(right, 1);

    connect(list1_, &QListWidget::currentRowChanged, this, &Form18::onSelected);
    // A click on the line already selected starts that storyline over as well.
    connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { onSelected(list1_->row(item)); });
    list1_->setCurrentRow(1);
    render();
}

void Form18::onSelected(int row)
{
    guide_.Select(row);
    render();
}

void Form18::onPage(int page)
{
    guide_.ShowPage(page);
    render();
}

void Form18::render()
{
    const StorylineView& v = guide_.view();
    for (int t = 0; t < kStorylineTextCount; ++t) {
        texts_[static_cast<std::size_t>(t)]->setVisible(t == v.text);
    }
    for (DcButton* b : buttons_) {
        b->setEnabled(v.buttonsEnabled);
    }
}

}  // namespace zicalc
