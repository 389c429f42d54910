#include "gui/exam/ExamPages.h"

#include "gui/exam/BrowserPage.h"
#include "gui/exam/QuestionEditPage.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

ExamPages::ExamPages(QWidget* pageParent, QObject* parent)
    : QObject(parent),
      store_(bank_),
      browser_(bank_),
      browserPage_(new BrowserPage(browser_, pageParent)),
      addPage_(new QuestionEditPage(QuestionEditPage::Kind::Add, quoteToggle_, pageParent)),
      modifyPage_(new QuestionEditPage(QuestionEditPage::Kind::Modify, quoteToggle_, pageParent))
{
    connect(browserPage_, &BrowserPage::addRequested, this, &ExamPages::openAddPage);
    connect(browserPage_, &BrowserPage::modifyRequested, this, &ExamPages::openModifyPage);
    connect(addPage_, &QuestionEditPage::buttonClicked, this, &ExamPages::onAddButton);
    connect(modifyPage_, &QuestionEditPage::buttonClicked, this, &ExamPages::onModifyButton);
}

ExamPages::~ExamPages() = default;

void ExamPages::LoadBank()
{
    if (std::optional<std::string> notice = store_.Load()) {
        ShowWarning(ToQ(*notice));
    }
}

void ExamPages::openAddPage()
{
    browser_.ForgetSelection();
    addPage_->setVisible(true);
    browserPage_->setVisible(false);
    addModel_.Open(bank_);
    renderAdd();
    addPage_->SetPreview(QString());
    addPage_->Focus(EditFocus::Category);
}

void ExamPages::openModifyPage()
{
    if (!browser_.questionSelected() || browser_.selectedIndex() >= bank_.Count()) {
        return;
    }
    modifyModel_.Open(bank_, browser_.selectedIndex());
    modifyPage_->setVisible(true);
    browserPage_->setVisible(false);
    renderModify();
    modifyPage_->SetPreview(ToQ(modifyModel_.fields()[0]));
    modifyPage_->Focus(EditFocus::FirstField);
}

void ExamPages::renderAdd()
{
    addPage_->Render(addModel_.category(), addModel_.idText(), addModel_.fields(), addModel_.status());
}

void ExamPages::renderModify()
{
    modifyPage_->Render(modifyModel_.category(), modifyModel_.idText(), modifyModel_.fields(), modifyModel_.status());
}

void ExamPages::backToBrowser(QWidget* page)
{
    browser_.Reset();
    browserPage_->Render();
    browserPage_->setVisible(true);
    page->setVisible(false);
    browserPage_->FocusSearch();
}

void ExamPages::onAddButton(int index)
{
    if (index == 2) {  // 退出
        backToBrowser(addPage_);
        return;
    }
    addModel_.SetCategory(addPage_->category());
    const QuestionFields typed = addPage_->fields();
    for (std::size_t i = 0; i < typed.size(); ++i) {
        addModel_.SetField(i, typed[i]);
    }
    const EditOutcome out = index == 0 ? addModel_.Add(store_) : addModel_.Clear();
    renderAdd();
    addPage_->Focus(out.focus);
    if (out.warning) {
        ShowWarning(ToQ(*out.warning));
    }
}

void ExamPages::onModifyButton(int index)
{
    modifyModel_.SetCategory(modifyPage_->category());
    const QuestionFields typed = modifyPage_->fields();
    for (std::size_t i = 0; i < typed.size(); ++i) {
        modifyModel_.SetField(i, typed[i]);
    }
    EditOutcome out;
    switch (index) {
        case 0:
            out = modifyModel_.Modify(store_);
            break;
        case 1:
            out = modifyModel_.Delete(store_);
            break;
        case 2:
            out = modifyModel_.Exit();
            break;
        default:
            out = modifyModel_.Cancel();
            break;
    }
    if (out.backToBrowser) {
        backToBrowser(modifyPage_);
    } else {
        renderModify();
        modifyPage_->Focus(out.focus);
    }
    if (out.warning) {
        ShowWarning(ToQ(*out.warning));
    }
}

}  // namespace zicalc
