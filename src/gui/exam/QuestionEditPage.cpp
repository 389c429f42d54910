#include "gui/exam/QuestionEditPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/exam/QuestionField.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/GbkLineEdit.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

QuestionEditPage::QuestionEditPage(Kind kind, bool& quoteToggle, QWidget* parent)
    : PageFrame(kind == Kind::Add ? 9 : 10, parent)
{
    const bool add = kind == Kind::Add;
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    int row = 0;

    grid->addWidget(MakeLabel(add ? QStringLiteral("题目类型:") : QStringLiteral("修改类型:"), this), row, 0);
    combo_ = new QComboBox(this);
    combo_->setObjectName(add ? QStringLiteral("Combo5") : QStringLiteral("Combo6"));
    for (std::string_view c : kQuestionCategories) {
        combo_->addItem(ToQ(c));
    }
    grid->addWidget(combo_, row, 1, Qt::AlignLeft);
    ++row;

    grid->addWidget(MakeLabel(QStringLiteral("试题编号:"), this), row, 0);
    id_ = new QLineEdit(this);
    id_->setObjectName(add ? QStringLiteral("Text23") : QStringLiteral("Text25"));
    id_->setReadOnly(true);
    id_->setFocusPolicy(Qt::NoFocus);
    FitDigits(id_, 6);
    grid->addWidget(id_, row, 1, Qt::AlignLeft);
    ++row;

    const std::array<QString, kQuestionFieldCount> captions{
        add ? QStringLiteral("添加题目:") : QStringLiteral("修改题目:"), QStringLiteral("正确答案:"),
        QStringLiteral("错误答案:"), QString(), QString()};
    const QString fieldName = add ? QStringLiteral("Text18(%1)") : QStringLiteral("Text26(%1)");
    for (std::size_t i = 0; i < kQuestionFieldCount; ++i) {
        if (!captions[i].isEmpty()) {
            grid->addWidget(MakeLabel(captions[i], this), row, 0);
        }
        auto* field = new QuestionField(fieldName.arg(i), quoteToggle, this);
        fields_[i] = field;
        grid->addWidget(field->edit(), row, 1);
        grid->addWidget(MakeLabel(QStringLiteral("(必填)"), this, colours::kRed), row, 2);
        connect(field, &QuestionField::previewText, this, &QuestionEditPage::SetPreview);
        ++row;
    }

    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(add ? QStringLiteral("Text29") : QStringLiteral("Text30"));
    preview_->setReadOnly(true);
    preview_->setFocusPolicy(Qt::NoFocus);
    preview_->setFixedHeight(preview_->fontMetrics().lineSpacing() * 2 + 12);
    SetTextColour(preview_, colours::kBlue);
    grid->addWidget(preview_, row, 0, 1, 3);
    ++row;

    status_ = new QLabel(this);
    status_->setObjectName(add ? QStringLiteral("Label19") : QStringLiteral("Label20"));
    SetTextColour(status_, colours::kRed);
    grid->addWidget(status_, row, 0, 1, 3);
    ++row;

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(8);
    const std::array<const char16_t*, 4> addCaptions{u"添加", u"清空", u"退出", nullptr};
    const std::array<const char16_t*, 4> modifyCaptions{u"修改", u"删除", u"退出", u"取消"};
    const auto& names = add ? addCaptions : modifyCaptions;
    buttons->addStretch(1);
    for (int i = 0; i < 4 && names[static_cast<std::size_t>(i)] != nullptr; ++i) {
        auto* b = new DcButton((add ? QStringLiteral("Button22(%1)") : QStringLiteral("Button23(%1)")).arg(i),
                               QString::fromUtf16(names[static_cast<std::size_t>(i)]), i, this);
        b->setMinimumWidth(64);
        connect(b, &DcButton::clickedIndex, this, &QuestionEditPage::buttonClicked);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row + 1, 1);
}

void QuestionEditPage::Render(const std::string& category, const std::string& id, const QuestionFields& fields,
                              const std::string& status)
{
    // A category that is not one of the ten (a hand-edited file) is shown as written, as an extra
    // entry that lasts while this record is open.
    while (combo_->count() > static_cast<int>(kQuestionCategories.size())) {
        combo_->removeItem(combo_->count() - 1);
    }
    const QString wanted = ToQ(category);
    int at = combo_->findText(wanted);
    if (at < 0) {
        combo_->addItem(wanted);
        at = combo_->count() - 1;
    }
    combo_->setCurrentIndex(at);
    id_->setText(ToQ(id));
    for (std::size_t i = 0; i < kQuestionFieldCount; ++i) {
        fields_[i]->setProgramText(ToQ(fields[i]));
    }
    status_->setText(ToQ(status));
}

std::string QuestionEditPage::category() const
{
    return ToStd(combo_->currentText());
}

QuestionFields QuestionEditPage::fields() const
{
    QuestionFields out;
    for (std::size_t i = 0; i < kQuestionFieldCount; ++i) {
        out[i] = ToStd(fields_[i]->text());
    }
    return out;
}

void QuestionEditPage::SetPreview(const QString& text)
{
    preview_->setPlainText(text);
}

void QuestionEditPage::Focus(EditFocus focus)
{
    switch (focus) {
        case EditFocus::Category:
            combo_->setFocus(Qt::OtherFocusReason);
            break;
        case EditFocus::FirstField:
            fields_[0]->edit()->setFocus(Qt::OtherFocusReason);
            break;
        case EditFocus::SearchField:
        case EditFocus::Unchanged:
            break;
    }
}

}  // namespace zicalc
