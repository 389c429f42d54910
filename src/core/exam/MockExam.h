#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Clock.h"
#include "core/exam/QuestionBank.h"

namespace zicalc {

// Texts of the mock exam page, as the player sees them.
inline constexpr std::string_view kExamWelcome = "欢迎进入科举模拟考试！点击\"开始\"按钮准备答题。";
inline constexpr std::string_view kExamBegins = "答题开始！！！！！";
inline constexpr std::string_view kExamFinished = "答题完毕!";
inline constexpr std::string_view kExamStopped = "停止答题!";
inline constexpr std::string_view kExamTimedOut = "答题超时！";
inline constexpr std::string_view kVerdictRight = "正确！";
inline constexpr std::string_view kVerdictWrong = "错误！";
// Refused by 考试 and 开始: with no question there is nothing to draw.
inline constexpr std::string_view kEmptyBankMessage = "题库中没有题目，无法考试！";

// The clock's limit: the tick that finds this many seconds ends the exam.
inline constexpr int kExamTimeLimit = 999;
inline constexpr int kExamStages = 20;
inline constexpr std::size_t kReviewLogSize = 22;

// A question as the exam holds it: the bank record with its answers, answer 0 the correct one and
// 1-3 the wrong ones in bank order.
struct ExamQuestion final {
    std::size_t bankIndex = 0;
    std::string id;
    std::string category;
    std::string question;
    std::array<std::string, 4> answers;

    bool operator==(const ExamQuestion&) const = default;
};

// Where the keyboard focus goes after an operation.
enum class ExamFocus { Unchanged, Start, Stop, Answer };

struct ExamOutcome final {
    std::optional<std::string> warning;  // for the warning box; nothing else changed
    ExamFocus focus = ExamFocus::Unchanged;
};

// Everything the page shows, per control; the window renders it whole after each operation.
struct ExamView final {
    std::string question;                      // Text20: "[" + category + "] " + question
    std::string questionId;                    // Text21
    std::array<bool, 4> optionVisible{};       // Option4(0-3)
    std::array<bool, 4> optionChecked{};       // Option4(0-3); at most one
    std::array<std::string, 4> answers;        // Label8(0-3)
    std::array<std::string, 4> counters;       // Label13(0-3): stage, passed, wrong, seconds
    std::array<std::string, 4> resultLine;     // Label12(0): correct letter, (1): chosen letter,
                                               // (2): verdict, (3): message line
    std::string verdict;                       // Label22
    std::string status;                        // Label18
    bool statusVisible = false;                // Label18
    std::array<std::string, 4> actionCaption;  // Button19(0-3): 答题 and the three tokens
    std::array<bool, 4> actionEnabled{};       // Button19(0-3)
    std::array<bool, 3> controlEnabled{};      // Button18(0-2): 开始, 停止, 放弃
    std::array<bool, 2> reviewEnabled{};       // dcButton4(0-1): <<<<, >>>>
    bool clockRunning = false;                 // Timer1
    bool countdownRunning = false;             // Timer2
};

// The mock exam page: twenty stages of questions drawn from the whole bank, a clock counted in
// ticks (and penalties), make-up questions, the three help tokens and the review of the questions
// missed or passed with a token.
//
// Draws come from one generator, seeded once where it was made: reseeding from the time of day
// before every draw would repeat the same question and slot for every draw within one second.
class MockExam final {
public:
    MockExam(const QuestionBank& bank, UniformRandom& random);

    // Button17(3) 考试 on the browser page: the page is entered (unless the bank is empty); the
    // logged questions are emptied, the review's place and buttons stay as they were.
    ExamOutcome Enter();

    // Button18(0-2).
    ExamOutcome Start();
    ExamOutcome Stop();
    bool CanLeave() const { return view_.controlEnabled[2]; }

    // Timer2 and Timer1.
    ExamOutcome CountdownTick();
    ExamOutcome ClockTick();

    // Option4(i) or Label8(i) clicked.
    void Choose(int slot);

    // Button19(0) 答题 and the tokens Button19(1-3).
    ExamOutcome Answer();
    ExamOutcome UseHeavenToken();
    ExamOutcome UseEarthToken();
    ExamOutcome UseGhostToken();

    // dcButton4(0) <<<< and dcButton4(1) >>>>.
    void ReviewBack();
    void ReviewForward();

    const ExamView& view() const { return view_; }

    // The state behind the view.
    int stage() const { return stage_; }
    int correctCount() const { return correctCount_; }
    int wrongCount() const { return wrongCount_; }
    int streak() const { return streak_; }
    int elapsedSeconds() const { return elapsedSeconds_; }
    bool makeUpPending() const { return makeUpPending_; }
    int heavenTokens() const { return heavenTokens_; }
    int earthTokens() const { return earthTokens_; }
    int ghostTokens() const { return ghostTokens_; }
    int ghostSeconds() const { return ghostSeconds_; }
    int correctPosition() const { return correctPosition_; }
    int chosenPosition() const { return chosenPosition_; }
    const ExamQuestion& currentQuestion() const { return current_; }
    int reviewLast() const { return reviewLast_; }
    int reviewCursor() const { return reviewCursor_; }
    const ExamQuestion& reviewEntry(std::size_t i) const { return reviewLog_.at(i); }

private:
    struct SuccessTexts final {
        std::string reward;  // every third success in a row
        std::string plain;
        std::string last;  // at stage 20
    };
    struct MistakeTexts final {
        std::string makeUp;     // first mistake of the stage
        std::string nextStage;  // make-up missed, stage 1-19
        std::string lastStage;  // make-up missed at stage 20
        std::string tenth;      // the tenth mistake ends the exam
    };

    void DrawQuestion();
    void EndExam(std::string_view status, std::string_view message);
    void Advance(const SuccessTexts& texts, ExamOutcome& out);
    void Mistake(const MistakeTexts& texts, ExamOutcome& out);
    void RewardCheck(const std::string& reward, const std::string& plain);
    // Every token first unchecks the options and logs the question.
    void BeginTokenUse();
    void ShowSuccess();
    void LogCurrent();
    void ShowReviewEntry();
    void UncheckOptions() { view_.optionChecked = {}; }
    void RenewTokenCaptions();

    const QuestionBank& bank_;
    UniformRandom& random_;
    ExamView view_;

    ExamQuestion current_;
    int correctPosition_ = 0;
    int chosenPosition_ = 0;
    int stage_ = 1;
    int correctCount_ = 0;
    int wrongCount_ = 0;
    int streak_ = 0;
    int elapsedSeconds_ = 0;
    bool makeUpPending_ = false;
    int countdownStep_ = 5;
    int heavenTokens_ = 1;
    int earthTokens_ = 2;
    int ghostTokens_ = 3;
    int ghostSeconds_ = 0;

    std::array<ExamQuestion, kReviewLogSize> reviewLog_{};
    int reviewLast_ = -1;
    int reviewCursor_ = -1;
};

}  // namespace zicalc
