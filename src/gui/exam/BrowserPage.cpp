#include "gui/exam/BrowserPage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/exam/QuestionBrowser.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

QuestionListModel::QuestionListModel(const QuestionBrowser& browser, QObject* parent)
    : QAbstractListModel(parent), browser_(browser)
{
}

int QuestionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant QuestionListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_ ||
        static_cast<std::size_t>(index.row()) >= browser_.ViewCount()) {
        return {};
    }
    return ToQ(browser_.ViewLine(static_cast<std::size_t>(index.row())));
}

void QuestionListModel::Refresh()
{
    if (generation_ == browser_.listGeneration()) {
        return;
    }
    beginResetModel();
    generation_ = browser_.listGeneration();
    rows_ = static_cast<int>(std::min<std::size_t>(browser_.ViewCount(), INT32_MAX));
    endResetModel();
}

BrowserPage::BrowserPage(QuestionBrowser& browser, QWidget* parent)
    : PageFrame(5, parent), browser_(browser), model_(new QuestionListModel(browser, this))
{
    auto* grid = new QGridLayout(this);

    // Left: the search field over the list.
    auto* left = new QVBoxLayout();
    auto* searchRow = new QHBoxLayout();
    auto* label7 = MakeLabel(QStringLiteral("请输入关键字"), this);
    label7->setObjectName(QStringLiteral("Label7"));
    searchRow->addWidget(label7);
    text17_ = new QLineEdit(this);
    text17_->setObjectName(QStringLiteral("Text17"));
    text17_->installEventFilter(this);
    searchRow->addWidget(text17_, 1);
    searchRow_ = searchRow;
    left->addLayout(searchRow);
    list2_ = new QListView(this);
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setAccessibleName(QStringLiteral("题目列表"));
    list2_->setModel(model_);
    list2_->setUniformItemSizes(true);  // a long list needs no measuring of every line
    list2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list2_->setSelectionMode(QAbstractItemView::SingleSelection);
    SetTextColour(list2_, colours::kBlue);
    left->addWidget(list2_, 1);
    grid->addLayout(left, 0, 0, 3, 1);

    // Right: the category options, then the answer area.
    auto* frame10 = MakeFrame(QStringLiteral("Frame10"), QStringLiteral("分类查看"), this);
    auto* optionGrid = new QGridLayout(frame10);
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < kCategoryOptionCount; ++k) {
        const QString caption = k == kAllQuestionsOption ? QStringLiteral("全部题目")
                                : k == kNoCategoryOption ? QString()
                                                         : ToQ(kQuestionCategories[static_cast<std::size_t>(k - 1)]);
        auto* option = new QRadioButton(caption, frame10);
        option->setObjectName(QStringLiteral("Option3(%1)").arg(k));
        SetTextColour(option, colours::kBlue);
        group->addButton(option, k);
        options_[static_cast<std::size_t>(k)] = option;
        if (k == kNoCategoryOption) {
            option->hide();
            continue;
        }
        optionGrid->addWidget(option, k / 2, k % 2, Qt::AlignLeft);  // a click beside the caption is no click
        connect(option, &QRadioButton::clicked, this, [this, k] { onCategory(k); });
    }
    grid->addWidget(frame10, 0, 1);

    auto* frame11 = MakeFrame(QStringLiteral("Frame11"), QString(), this);
    auto* answerBox = new QVBoxLayout(frame11);
    shownLine_ = new QPlainTextEdit(frame11);
    shownLine_->setObjectName(QStringLiteral("Text19(0)"));
    shownLine_->setReadOnly(true);
    shownLine_->setFocusPolicy(Qt::NoFocus);
    shownLine_->setFixedHeight(shownLine_->fontMetrics().lineSpacing() * 4 + 12);
    SetTextColour(shownLine_, colours::kBlue);
    answerBox->addWidget(shownLine_);
    auto* answerRow = new QHBoxLayout();
    auto* caption = new QLineEdit(QStringLiteral("答案:"), frame11);
    caption->setObjectName(QStringLiteral("Text19(2)"));
    caption->setAccessibleName(QStringLiteral("答案标题"));
    caption->setReadOnly(true);
    caption->setFocusPolicy(Qt::NoFocus);
    caption->setFrame(false);
    QPalette plain = caption->palette();
    plain.setColor(QPalette::Base, ToQColor(colours::kPage));
    caption->setPalette(plain);
    caption->setFixedWidth(caption->fontMetrics().horizontalAdvance(caption->text()) + 8);
    SetTextColour(caption, colours::kMagenta);
    answerRow->addWidget(caption);
    answer_ = new QLineEdit(frame11);
    answer_->setObjectName(QStringLiteral("Text19(1)"));
    answer_->setAccessibleName(QStringLiteral("答案"));
    answer_->setReadOnly(true);
    answer_->setFocusPolicy(Qt::NoFocus);
    SetTextColour(answer_, colours::kRed);
    answerRow->addWidget(answer_, 1);
    answerBox->addLayout(answerRow);
    grid->addWidget(frame11, 1, 1);

    commandRow_ = new QHBoxLayout();
    commandRow_->addStretch(1);
    const std::array<const char16_t*, 3> captions{u"清空", u"添加", u"修改"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new DcButton(QStringLiteral("Button17(%1)").arg(i), QString::fromUtf16(captions[i]), i, this);
        b->setMinimumWidth(72);
        commandRow_->addWidget(b);
        connect(b, &DcButton::clickedIndex, this, [this](int index) {
            if (index == 0) {
                browser_.Reset();
                Render();
                FocusSearch();
            } else if (index == 1) {
                emit addRequested();
            } else if (browser_.questionSelected()) {
                emit modifyRequested();
            }
        });
    }
    commandRow_->addStretch(1);
    grid->addLayout(commandRow_, 3, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(2, 1);

    connect(text17_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (rendering_) {
            return;
        }
        browser_.SetSearchText(ToStd(text));
        Render();
    });
    connect(list2_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { onLine(index); });
    connect(list2_, &QListView::clicked, this, &BrowserPage::onLine);
    Render();
}

void BrowserPage::onCategory(int option)
{
    browser_.ClickCategory(option);
    Render();
    FocusSearch();
}

void BrowserPage::onLine(const QModelIndex& index)
{
    if (rendering_ || !index.isValid()) {
        return;
    }
    browser_.SelectLine(static_cast<std::size_t>(index.row()));
    Render();
}

void BrowserPage::Render()
{
    rendering_ = true;
    const QString search = ToQ(browser_.searchText());
    if (text17_->text() != search) {
        text17_->setText(search);
    }
    model_->Refresh();
    if (!browser_.questionSelected()) {
        list2_->selectionModel()->clear();
    }
    // Only what changed is touched: a keystroke in the search field should cost the search and
    // the list, not a restyle of every option.
    for (int k = 0; k < kCategoryOptionCount; ++k) {
        QRadioButton* option = options_[static_cast<std::size_t>(k)];
        const Rgb colour = browser_.OptionColour(k);
        if (TextColour(option) != colour) {
            SetTextColour(option, colour);
        }
        if (k == browser_.selectedCategory() && !option->isChecked()) {
            option->setChecked(true);
        }
    }
    const QString line = ToQ(browser_.shownLine());
    if (shownLine_->toPlainText() != line) {
        shownLine_->setPlainText(line);
    }
    const QString answer = ToQ(browser_.shownAnswer());
    if (answer_->text() != answer) {
        answer_->setText(answer);
    }
    rendering_ = false;
}

void BrowserPage::addCommandButton(QWidget* button)
{
    button->setMinimumWidth(72);
    commandRow_->insertWidget(commandRow_->count() - 1, button);
}

void BrowserPage::addSearchOption(QWidget* option)
{
    searchRow_->addWidget(option);
}

void BrowserPage::FocusSearch()
{
    text17_->setFocus(Qt::OtherFocusReason);
}

bool BrowserPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text17_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && isVisible()) {
        text17_->clear();  // the change handling empties the list
        return true;
    }
    return PageFrame::eventFilter(watched, event);
}

}  // namespace zicalc
