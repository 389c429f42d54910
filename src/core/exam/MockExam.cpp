#include "core/exam/MockExam.h"

#include <algorithm>
#include <cstdint>

#include "core/app/Numeric.h"
#include "core/exam/AnswerArrangements.h"

namespace zicalc {

namespace {

// The countdown before the first question: what Label18 shows at each step (5 down to 1).
struct CountdownText final {
    int step;
    const char* text;
};
inline constexpr std::array<CountdownText, 5> kCountdownTexts{{
    {5, "3"},
    {4, "2"},
    {3, "1"},
    {2, "准备！"},
    {1, "开始！"},
}};

std::string Num(int value)
{
    return FormatInt(value);
}

std::string TokenCaption(std::string_view name, int count)
{
    return std::string(name) + Num(count) + "个";
}

// FloorInt(n × r) for r in [0, 1), kept below n however r was rounded.
int DrawBelow(std::size_t n, double r)
{
    const std::int64_t i = FloorInt(static_cast<double>(n) * r);
    return static_cast<int>(std::clamp<std::int64_t>(i, 0, static_cast<std::int64_t>(n) - 1));
}

}  // namespace

MockExam::MockExam(const QuestionBank& bank, UniformRandom& random) : bank_(bank), random_(random)
{
    view_.counters = {"0", "0", "0", "0"};
    view_.resultLine[3] = std::string(kExamWelcome);
    view_.actionCaption = {"答题", "", "", ""};
    RenewTokenCaptions();
    view_.controlEnabled = {true, false, true};
}

void MockExam::RenewTokenCaptions()
{
    view_.actionCaption[1] = TokenCaption("天王令", heavenTokens_);
    view_.actionCaption[2] = TokenCaption("地王令", earthTokens_);
    view_.actionCaption[3] = TokenCaption("鬼王令", ghostTokens_);
}

ExamOutcome MockExam::Enter()
{
    if (bank_.Empty()) {
        return {std::string(kEmptyBankMessage), ExamFocus::Unchanged};
    }
    // Only the entries go; the review still walks them until the next 开始.
    reviewLog_.fill(ExamQuestion{});
    return {std::nullopt, ExamFocus::Start};
}

ExamOutcome MockExam::Start()
{
    if (!view_.controlEnabled[0]) {
        return {};
    }
    if (bank_.Empty()) {
        return {std::string(kEmptyBankMessage), ExamFocus::Unchanged};
    }
    reviewLog_.fill(ExamQuestion{});
    reviewLast_ = reviewCursor_ = -1;
    view_.reviewEnabled = {false, false};

    view_.verdict.clear();
    view_.resultLine[0].clear();
    view_.question.clear();
    for (int i = 0; i < 4; ++i) {
        view_.counters[static_cast<std::size_t>(i)] = "0";
        view_.answers[static_cast<std::size_t>(i)].clear();
        view_.optionVisible[static_cast<std::size_t>(i)] = false;
    }
    view_.controlEnabled = {false, true, false};

    heavenTokens_ = 1;
    earthTokens_ = 2;
    ghostTokens_ = 3;
    stage_ = 1;
    makeUpPending_ = false;
    streak_ = correctCount_ = wrongCount_ = elapsedSeconds_ = 0;

    // Emptied but not hidden: a status left by the last exam stays up, blank, until the first tick.
    view_.status.clear();
    countdownStep_ = 5;
    RenewTokenCaptions();
    view_.countdownRunning = true;
    return {std::nullopt, ExamFocus::Stop};
}

ExamOutcome MockExam::Stop()
{
    if (!view_.controlEnabled[1]) {
        return {};
    }
    EndExam(kExamStopped, "");
    return {std::nullopt, ExamFocus::Start};
}

ExamOutcome MockExam::CountdownTick()
{
    if (!view_.countdownRunning) {
        return {};
    }
    view_.statusVisible = true;
    if (countdownStep_ > 0) {
        const auto row = std::find_if(kCountdownTexts.begin(), kCountdownTexts.end(),
                                      [this](const CountdownText& c) { return c.step == countdownStep_; });
        view_.status = row->text;
        --countdownStep_;
        return {};
    }
    view_.statusVisible = false;
    view_.countdownRunning = false;
    view_.actionEnabled = {true, true, true, true};
    view_.optionVisible = {true, true, true, true};
    view_.reviewEnabled = {false, false};
    elapsedSeconds_ = 0;
    view_.resultLine[3] = std::string(kExamBegins);
    stage_ = 1;
    view_.counters[0] = "1";
    view_.clockRunning = true;
    DrawQuestion();
    return {std::nullopt, ExamFocus::Answer};
}

ExamOutcome MockExam::ClockTick()
{
    if (!view_.clockRunning) {
        return {};
    }
    // Tested before counting on, so a penalty that carried the clock past the limit ends the
    // exam on the next tick.
    if (elapsedSeconds_ >= kExamTimeLimit) {
        view_.clockRunning = false;
        for (std::size_t i = 0; i < 4; ++i) {
            view_.actionEnabled[i] = false;
            view_.optionVisible[i] = false;
            view_.optionChecked[i] = false;
            view_.answers[i].clear();
            view_.resultLine[i].clear();
        }
        view_.question.clear();
        view_.questionId.clear();
        view_.status = std::string(kExamTimedOut);
        view_.statusVisible = true;
        view_.controlEnabled = {true, false, true};
        view_.reviewEnabled = {true, true};
        return {std::nullopt, ExamFocus::Start};
    }
    ++elapsedSeconds_;
    view_.counters[3] = Num(elapsedSeconds_);
    return {};
}

void MockExam::Choose(int slot)
{
    if (slot < 0 || slot > 3) {
        return;
    }
    UncheckOptions();
    view_.optionChecked[static_cast<std::size_t>(slot)] = true;
    chosenPosition_ = slot;
}

void MockExam::DrawQuestion()
{
    UncheckOptions();
    const auto index = static_cast<std::size_t>(DrawBelow(bank_.Count(), random_.Next()));
    const QuestionRecord& r = bank_.Record(index);
    current_ = ExamQuestion{index, r.id, r.category, r.question, {r.correct, r.wrong1, r.wrong2, r.wrong3}};
    correctPosition_ = DrawBelow(4, random_.Next());
    const AnswerArrangement& arrangement = kAnswerArrangements[static_cast<std::size_t>(correctPosition_)];
    for (std::size_t slot = 0; slot < 4; ++slot) {
        view_.answers[slot] = current_.answers[static_cast<std::size_t>(arrangement.answerInSlot[slot])];
    }
    view_.questionId = current_.id;
    view_.question = "[" + current_.category + "] " + current_.question;
}

void MockExam::EndExam(std::string_view status, std::string_view message)
{
    view_.clockRunning = false;
    view_.countdownRunning = false;
    view_.status = std::string(status);
    view_.statusVisible = true;
    view_.verdict.clear();
    view_.question.clear();
    view_.questionId.clear();
    for (std::size_t i = 0; i < 4; ++i) {
        view_.optionVisible[i] = false;
        view_.optionChecked[i] = false;
        view_.answers[i].clear();
        view_.resultLine[i].clear();
        view_.actionEnabled[i] = false;
    }
    view_.resultLine[3] = std::string(message);
    view_.controlEnabled = {true, false, true};
    view_.reviewEnabled = {true, true};
}

void MockExam::RewardCheck(const std::string& reward, const std::string& plain)
{
    if (streak_ == 2) {
        streak_ = 0;
        view_.resultLine[3] = reward;
        ++ghostTokens_;
        RenewTokenCaptions();
        view_.actionEnabled[3] = true;
    } else {
        ++streak_;
        view_.resultLine[3] = plain;
    }
}

void MockExam::Advance(const SuccessTexts& texts, ExamOutcome& out)
{
    if (stage_ < kExamStages) {
        ++stage_;
        view_.counters[0] = Num(stage_);
        ++correctCount_;
        view_.counters[1] = Num(correctCount_);
        RewardCheck(texts.reward, texts.plain);
        makeUpPending_ = false;
        DrawQuestion();
        out.focus = ExamFocus::Answer;
        return;
    }
    ++correctCount_;
    view_.counters[1] = Num(correctCount_);
    EndExam(kExamFinished, texts.last);
    out.focus = ExamFocus::Start;
}

void MockExam::Mistake(const MistakeTexts& texts, ExamOutcome& out)
{
    if (wrongCount_ >= 9) {
        wrongCount_ = 10;
        view_.counters[2] = "10";
        EndExam(kExamFinished, texts.tenth);
        out.focus = ExamFocus::Start;
        return;
    }
    if (!makeUpPending_) {
        makeUpPending_ = true;
        view_.resultLine[3] = texts.makeUp;
    } else if (stage_ < kExamStages) {
        makeUpPending_ = false;
        ++stage_;
        view_.counters[0] = Num(stage_);
        view_.resultLine[3] = texts.nextStage;
    } else {
        // Every further mistake at the last stage brings another question.
        view_.resultLine[3] = texts.lastStage;
    }
    ++wrongCount_;
    view_.counters[2] = Num(wrongCount_);
    elapsedSeconds_ += 20;
    view_.counters[3] = Num(elapsedSeconds_);
    streak_ = 0;
    DrawQuestion();
    out.focus = ExamFocus::Answer;
}

ExamOutcome MockExam::Answer()
{
    ExamOutcome out;
    const auto checked = std::find(view_.optionChecked.begin(), view_.optionChecked.end(), true);
    if (!view_.actionEnabled[0] || checked == view_.optionChecked.end()) {
        return out;
    }
    view_.resultLine[0] = kAnswerLetters[static_cast<std::size_t>(correctPosition_)];
    view_.resultLine[1] = kAnswerLetters[static_cast<std::size_t>(chosenPosition_)];
    if (chosenPosition_ == correctPosition_) {
        view_.resultLine[2] = view_.verdict = std::string(kVerdictRight);
        static const SuccessTexts kTexts{
            "回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!",
            "回答正确!现自动进入下一关!",
            "回答正确!恭喜你成功闯过二十关!",
        };
        Advance(kTexts, out);
        return out;
    }
    view_.resultLine[2] = view_.verdict = std::string(kVerdictWrong);
    LogCurrent();
    static const MistakeTexts kTexts{
        "回答错误!答题时间增加20秒,并补答一题!",
        "回答错误!答题时间增加时20秒,自动进入下一关!",
        "回答错误,答题时间增加时20秒,并补答一题!",
        "你答错题数累计到10题,取消答题资格!请继续努力!",
    };
    Mistake(kTexts, out);
    return out;
}

void MockExam::LogCurrent()
{
    // The rules allow at most 22 logged questions in one exam; the bound is kept all the same.
    if (reviewLast_ + 1 >= static_cast<int>(kReviewLogSize)) {
        return;
    }
    ++reviewLast_;
    reviewLog_[static_cast<std::size_t>(reviewLast_)] = current_;
}

void MockExam::BeginTokenUse()
{
    UncheckOptions();
    LogCurrent();
}

void MockExam::ShowSuccess()
{
    view_.resultLine[0].clear();
    view_.resultLine[1].clear();
    view_.resultLine[2] = view_.verdict = std::string(kVerdictRight);
}

ExamOutcome MockExam::UseHeavenToken()
{
    ExamOutcome out;
    if (!view_.actionEnabled[1] || heavenTokens_ < 1) {
        return out;
    }
    --heavenTokens_;
    RenewTokenCaptions();
    view_.actionEnabled[1] = false;
    BeginTokenUse();
    ShowSuccess();
    static const SuccessTexts kTexts{
        "使用天王令!回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!",
        "你使用了天王令!回答正确!现自动进入下一关!",
        "你使用了天王令!回答正确!恭喜你成功闯过二十关!",
    };
    Advance(kTexts, out);
    return out;
}

ExamOutcome MockExam::UseEarthToken()
{
    ExamOutcome out;
    if (!view_.actionEnabled[2] || earthTokens_ < 1) {
        return out;
    }
    --earthTokens_;
    RenewTokenCaptions();
    if (earthTokens_ == 0) {
        view_.actionEnabled[2] = false;
    }
    BeginTokenUse();
    if (FloorInt(2 * random_.Next()) == 1) {
        ShowSuccess();
        static const SuccessTexts kTexts{
            "你使用了地王令!回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!",
            "你使用了地王令!回答正确!现自动进入下一关!",
            "你使用了地王令!回答正确!恭喜你成功闯过二十关!",
        };
        Advance(kTexts, out);
        return out;
    }
    view_.resultLine[0].clear();
    view_.resultLine[1].clear();
    view_.resultLine[2] = view_.verdict = std::string(kVerdictWrong);
    // The counts in these texts are the token's own wording, whatever the real count.
    static const MistakeTexts kTexts{
        "你使用了地王令!答错1次,答题时间增加20秒,并补答一题!",
        "你使用了地王令!答错2次,答题时间增加20秒,自动进入下一关!",
        "你使用了地王令!回答错误,答题时间增加20秒,并补答一题!",
        "你使用了地王令!答错题数累计到10题,取消答题资格!",
    };
    Mistake(kTexts, out);
    return out;
}

ExamOutcome MockExam::UseGhostToken()
{
    ExamOutcome out;
    if (!view_.actionEnabled[3] || ghostTokens_ < 1) {
        return out;
    }
    --ghostTokens_;
    RenewTokenCaptions();
    if (ghostTokens_ == 0) {
        view_.actionEnabled[3] = false;
    }
    BeginTokenUse();
    const int t = static_cast<int>(FloorInt(random_.Next() * 21 + 20));
    ghostSeconds_ = t;
    elapsedSeconds_ += t;
    view_.counters[3] = Num(elapsedSeconds_);
    ShowSuccess();
    const std::string s = Num(t);
    const SuccessTexts texts{
        "你使用了鬼王令,闯关成功,耗时" + s + "秒!连续答对3题,奖励鬼王令1个!自动进入下一关!",
        "你使用了鬼王令!闯关成功,用时" + s + "秒!自动进入下一关!",
        "你使用了鬼王令!闯关成功,用时" + s + "秒!恭喜你成功闯过了二十关!",
    };
    Advance(texts, out);
    return out;
}

void MockExam::ShowReviewEntry()
{
    const ExamQuestion& e = reviewLog_.at(static_cast<std::size_t>(reviewCursor_));
    view_.questionId = e.id;
    view_.question = "[" + e.category + "] " + e.question;
    // The correct answer always shows as A, the wrong ones after it in bank order.
    view_.answers = e.answers;
    view_.resultLine[0] = "A";
    view_.optionChecked = {true, false, false, false};
}

void MockExam::ReviewBack()
{
    if (!view_.reviewEnabled[0]) {
        return;
    }
    view_.verdict.clear();
    view_.statusVisible = false;
    if (reviewLast_ == -1) {
        return;
    }
    if (reviewCursor_ > 0) {
        --reviewCursor_;
        ShowReviewEntry();
    }
}

void MockExam::ReviewForward()
{
    if (!view_.reviewEnabled[1]) {
        return;
    }
    view_.verdict.clear();
    view_.statusVisible = false;
    if (reviewLast_ == -1) {
        return;
    }
    if (reviewCursor_ < reviewLast_) {
        view_.optionVisible = {true, true, true, true};
        ++reviewCursor_;
        ShowReviewEntry();
    }
}

}  // namespace zicalc
