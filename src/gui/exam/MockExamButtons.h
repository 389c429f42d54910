#pragma once

#include <QObject>

namespace zicalc {

class DcButton;
class ExamPage;
class ExamPages;

// Button17(3) "考试" and Button17(4) "迷你" at the end of the browser page's command row, and the
// way between the browser and the mock exam page (考试 there, 放弃 back).
class MockExamButtons final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MockExamButtons)

public:
    MockExamButtons(ExamPages& pages, ExamPage& examPage, QObject* parent = nullptr);

signals:
    // 迷你: the shell hides the main window and opens the mini query window.
    void miniRequested();

private:
    void enterExam();
    void leaveExam();

    ExamPages& pages_;
    ExamPage& examPage_;
};

}  // namespace zicalc
