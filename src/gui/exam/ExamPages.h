#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "core/exam/QuestionBank.h"
#include "core/exam/QuestionBrowser.h"
#include "core/exam/QuestionEditPages.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {

class BrowserPage;
class QuestionEditPage;

// The question bank of the 科举 category: the one bank of the process, its file, and the pages that
// work on it — the browser Frame2(5), the add page Frame2(9) and the modify page Frame2(10). The
// main window places the pages and calls LoadBank() on the first switch to 科举; the pages switch
// among themselves by showing one and hiding the other.
class ExamPages final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExamPages)

public:
    // `pageParent` is the frame the main window stacks its pages in.
    explicit ExamPages(QWidget* pageParent, QObject* parent = nullptr);
    ~ExamPages() override;

    BrowserPage* browserPage() const { return browserPage_; }
    QuestionEditPage* addPage() const { return addPage_; }
    QuestionEditPage* modifyPage() const { return modifyPage_; }

    // The bank for the pages that read it (the mock exam); the browser's state (QuestionSelected).
    const QuestionBank& bank() const { return bank_; }
    QuestionBrowser& browser() { return browser_; }

    // LoadQuestionBank, with what the player should be told about the file in the warning box.
    void LoadBank();

private:
    void openAddPage();
    void openModifyPage();
    void onAddButton(int index);
    void onModifyButton(int index);
    void renderAdd();
    void renderModify();
    // Back to the browser from `page`: reset, show the browser, focus the search field.
    void backToBrowser(QWidget* page);

    QuestionBank bank_;
    QuestionStore store_;
    QuestionBrowser browser_;
    AddPageModel addModel_;
    ModifyPageModel modifyModel_;
    bool quoteToggle_ = false;  // QuoteToggle: shared by the ten question fields of both pages
    BrowserPage* browserPage_;
    QuestionEditPage* addPage_;
    QuestionEditPage* modifyPage_;
};

}  // namespace zicalc
