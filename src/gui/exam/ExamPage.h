#pragma once

#include <array>
#include <memory>

#include "core/app/Clock.h"
#include "core/exam/MockExam.h"
#include "gui/widgets/PageFrame.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTimer;

namespace zicalc {

class ClickableLabel;
class DcButton;

// The mock exam page, Frame2(8) "模拟科举考试": the model decides, the page renders it whole after
// every click and tick. Timer1 (the clock) and Timer2 (the countdown) tick every second.
class ExamPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExamPage)

public:
    // Draws come from a generator of the page's own, seeded once.
    explicit ExamPage(const QuestionBank& bank, QWidget* parent = nullptr);
    // Draws come from `random` (tests fix it); it must outlive the page.
    ExamPage(const QuestionBank& bank, UniformRandom& random, QWidget* parent = nullptr);
    ~ExamPage() override;

    // 考试 on the browser page: false (after the warning box) when there is no question to ask;
    // otherwise the logged questions are emptied and the caller shows the page, then calls
    // focusStart().
    bool enter();
    void focusStart();

    // What the timers call each second; tests call them directly.
    void tickCountdown();
    void tickClock();

    const MockExam& model() const { return exam_; }
    QTimer* clockTimer() const { return timer1_; }
    QTimer* countdownTimer() const { return timer2_; }

signals:
    // 放弃: the browser page comes back as it was left.
    void leaveRequested();

private:
    ExamPage(const QuestionBank& bank, std::unique_ptr<UniformRandom> own, UniformRandom* random, QWidget* parent);
    void build();
    void act(const ExamOutcome& outcome);
    void render();
    void choose(int slot);

    std::unique_ptr<UniformRandom> ownRandom_;
    MockExam exam_;

    QPlainTextEdit* text20_ = nullptr;
    QLineEdit* text21_ = nullptr;
    std::array<QRadioButton*, 4> options_{};
    std::array<ClickableLabel*, 4> answers_{};
    std::array<QLabel*, 4> counters_{};
    std::array<QLabel*, 4> resultLine_{};
    QLabel* verdict_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<DcButton*, 4> actions_{};
    std::array<DcButton*, 3> controls_{};
    std::array<DcButton*, 2> review_{};
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
};

}  // namespace zicalc
