#include "gui/exam/MockExamButtons.h"

#include "gui/exam/BrowserPage.h"
#include "gui/exam/ExamPage.h"
#include "gui/exam/ExamPages.h"
#include "gui/widgets/DcButton.h"

namespace zicalc {

MockExamButtons::MockExamButtons(ExamPages& pages, ExamPage& examPage, QObject* parent)
    : QObject(parent), pages_(pages), examPage_(examPage)
{
    BrowserPage* browser = pages_.browserPage();
    auto* exam = new DcButton(QStringLiteral("Button17(3)"), QStringLiteral("考试"), 3, browser);
    auto* mini = new DcButton(QStringLiteral("Button17(4)"), QStringLiteral("迷你"), 4, browser);
    browser->addCommandButton(exam);
    browser->addCommandButton(mini);
    connect(exam, &DcButton::clickedIndex, this, &MockExamButtons::enterExam);
    connect(mini, &DcButton::clickedIndex, this, [this] {
        pages_.browser().ForgetSelection();
        emit miniRequested();
    });
    connect(&examPage_, &ExamPage::leaveRequested, this, &MockExamButtons::leaveExam);
}

void MockExamButtons::enterExam()
{
    // Refused, with the warning box, when the bank holds no question to draw.
    if (!examPage_.enter()) {
        return;
    }
    pages_.browser().ForgetSelection();
    examPage_.show();
    pages_.browserPage()->hide();
    examPage_.focusStart();
}

void MockExamButtons::leaveExam()
{
    // The browser comes back as it was left: list, search text and answer untouched.
    pages_.browserPage()->show();
    examPage_.hide();
    pages_.browserPage()->FocusSearch();
}

}  // namespace zicalc
