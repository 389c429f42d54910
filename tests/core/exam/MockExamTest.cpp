#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/app/Clock.h"
#include "core/exam/MockExam.h"

using namespace zicalc;

namespace {

// Record k (0-based) of a bank of n: id k+1, question 问题{k+1}, correct 答, wrong 甲 乙 丙.
QuestionBank Bank(int n)
{
    std::vector<QuestionRecord> records;
    for (int k = 1; k <= n; ++k) {
        const std::string s = std::to_string(k);
        records.push_back({s, "古代常识", "问题" + s, "答" + s, "甲" + s, "乙" + s, "丙" + s});
    }
    QuestionBank bank;
    bank.Assign(std::move(records));
    bank.MarkLoaded();
    return bank;
}

// An exam on a bank of ten questions whose generator hands out the given numbers round and round.
// With one number r every draw is the same: question FloorInt(10r), slot FloorInt(4r), the
// 地王令 toss FloorInt(2r), the 鬼王令 seconds FloorInt(21r + 20).
class Exam : public ::testing::Test {
protected:
    void Make(std::vector<double> draws, int questions = 10)
    {
        bank_ = Bank(questions);
        random_ = std::make_unique<FakeRandom>(std::move(draws));
        exam_ = std::make_unique<MockExam>(bank_, *random_);
    }
    const ExamView& v() const { return exam_->view(); }

    // 开始 and the six countdown ticks: the first question is up.
    void Begin()
    {
        exam_->Start();
        for (int i = 0; i < 6; ++i) {
            exam_->CountdownTick();
        }
    }
    ExamOutcome Right()
    {
        exam_->Choose(exam_->correctPosition());
        return exam_->Answer();
    }
    ExamOutcome Wrong()
    {
        exam_->Choose((exam_->correctPosition() + 1) % 4);
        return exam_->Answer();
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) {
            exam_->ClockTick();
        }
    }
    void ExpectEnded(const char* status, const std::string& message)
    {
        EXPECT_EQ(v().status, status);
        EXPECT_TRUE(v().statusVisible);
        EXPECT_EQ(v().resultLine, (std::array<std::string, 4>{"", "", "", message}));
        EXPECT_EQ(v().verdict, "");
        EXPECT_EQ(v().question, "");
        EXPECT_EQ(v().questionId, "");
        EXPECT_EQ(v().answers, (std::array<std::string, 4>{}));
        EXPECT_EQ(v().optionVisible, (std::array<bool, 4>{}));
        EXPECT_EQ(v().optionChecked, (std::array<bool, 4>{}));
        EXPECT_EQ(v().actionEnabled, (std::array<bool, 4>{}));
        EXPECT_EQ(v().controlEnabled, (std::array<bool, 3>{true, false, true}));
        EXPECT_EQ(v().reviewEnabled, (std::array<bool, 2>{true, true}));
        EXPECT_FALSE(v().clockRunning);
        EXPECT_FALSE(v().countdownRunning);
    }

    QuestionBank bank_;
    std::unique_ptr<FakeRandom> random_;
    std::unique_ptr<MockExam> exam_;
};

TEST_F(Exam, PageAtStartUp)
{
    Make({0.0});
    EXPECT_EQ(v().resultLine[3], "欢迎进入科举模拟考试！点击\"开始\"按钮准备答题。");
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    EXPECT_EQ(v().actionCaption, (std::array<std::string, 4>{"答题", "天王令1个", "地王令2个", "鬼王令3个"}));
    EXPECT_EQ(v().actionEnabled, (std::array<bool, 4>{}));
    EXPECT_EQ(v().controlEnabled, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(v().reviewEnabled, (std::array<bool, 2>{}));
    EXPECT_FALSE(v().statusVisible);
    EXPECT_EQ(v().optionVisible, (std::array<bool, 4>{}));
}

TEST_F(Exam, CountdownShowsTheFirstQuestionOnTheSixthTick)
{
    Make({0.35});  // question index 3, slot B
    EXPECT_EQ(exam_->Start().focus, ExamFocus::Stop);
    EXPECT_TRUE(v().countdownRunning);
    EXPECT_EQ(v().controlEnabled, (std::array<bool, 3>{false, true, false}));
    // 开始 leaves the welcome text alone.
    EXPECT_EQ(v().resultLine[3], "欢迎进入科举模拟考试！点击\"开始\"按钮准备答题。");
    const char* texts[] = {"3", "2", "1", "准备！", "开始！"};
    for (const char* text : texts) {
        EXPECT_EQ(exam_->CountdownTick().focus, ExamFocus::Unchanged);
        EXPECT_EQ(v().status, text);
        EXPECT_TRUE(v().statusVisible);
        EXPECT_EQ(v().question, "");
        EXPECT_FALSE(v().clockRunning);
    }
    EXPECT_EQ(exam_->CountdownTick().focus, ExamFocus::Answer);
    EXPECT_FALSE(v().statusVisible);
    EXPECT_FALSE(v().countdownRunning);
    EXPECT_TRUE(v().clockRunning);
    EXPECT_EQ(v().resultLine[3], "答题开始！！！！！");
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"1", "0", "0", "0"}));
    EXPECT_EQ(v().questionId, "4");
    EXPECT_EQ(v().question, "[古代常识] 问题4");
    EXPECT_EQ(v().answers, (std::array<std::string, 4>{"甲4", "答4", "丙4", "乙4"}));
    EXPECT_EQ(v().optionVisible, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(v().actionEnabled, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(v().reviewEnabled, (std::array<bool, 2>{}));
    // A tick after the countdown has stopped changes nothing.
    exam_->CountdownTick();
    EXPECT_FALSE(v().statusVisible);
}

TEST_F(Exam, StartAfterAnEndEmptiesTheStatusWithoutHidingIt)
{
    Make({0.0});
    Begin();
    exam_->Stop();
    EXPECT_EQ(v().status, "停止答题!");
    exam_->Start();
    EXPECT_EQ(v().status, "");
    EXPECT_TRUE(v().statusVisible);
}

// The arrangement of the answers for each slot of the correct one (C, W1, W2, W3 = 答, 甲, 乙, 丙).
struct ArrangementCase {
    double r;
    int slot;
    std::array<const char*, 4> labels;
};

class Arrangement : public Exam, public ::testing::WithParamInterface<ArrangementCase> {};

TEST_P(Arrangement, AnswersGoWhereTheTableSays)
{
    // One question, so every draw's second number decides the slot.
    Make({GetParam().r}, 1);
    Begin();
    EXPECT_EQ(exam_->correctPosition(), GetParam().slot);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(v().answers[i], GetParam().labels[i]) << "slot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Slots, Arrangement,
                         ::testing::Values(ArrangementCase{0.0, 0, {"答1", "乙1", "丙1", "甲1"}},
                                           ArrangementCase{0.25, 1, {"甲1", "答1", "丙1", "乙1"}},
                                           ArrangementCase{0.5, 2, {"丙1", "乙1", "答1", "甲1"}},
                                           ArrangementCase{0.74, 2, {"丙1", "乙1", "答1", "甲1"}},
                                           ArrangementCase{0.999999, 3, {"乙1", "甲1", "丙1", "答1"}}));

TEST_F(Exam, AnswerNeedsACheckedOption)
{
    Make({0.0});
    Begin();
    EXPECT_EQ(exam_->Answer().focus, ExamFocus::Unchanged);
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"1", "0", "0", "0"}));
    // Clicking an answer checks its option; answering draws the next question, unchecked.
    exam_->Choose(2);
    EXPECT_EQ(v().optionChecked, (std::array<bool, 4>{false, false, true, false}));
    exam_->Answer();
    EXPECT_EQ(v().resultLine[0], "A");  // the correct letter
    EXPECT_EQ(v().resultLine[1], "C");  // the chosen one
    EXPECT_EQ(v().optionChecked, (std::array<bool, 4>{}));
}

TEST_F(Exam, TwentyStagesPassed)
{
    Make({0.0});
    Begin();
    for (int stage = 1; stage <= 18; ++stage) {
        Right();
    }
    EXPECT_EQ(Right().focus, ExamFocus::Answer);  // stage 19
    EXPECT_EQ(v().counters[0], "20");
    EXPECT_EQ(v().counters[1], "19");
    EXPECT_EQ(v().resultLine, (std::array<std::string, 4>{"A", "A", "正确！", "回答正确!现自动进入下一关!"}));
    EXPECT_EQ(v().verdict, "正确！");
    // Every third success at stages 1-19 earned a 鬼王令: six of them.
    EXPECT_EQ(v().actionCaption[3], "鬼王令9个");
    EXPECT_EQ(Right().focus, ExamFocus::Start);
    ExpectEnded("答题完毕!", "回答正确!恭喜你成功闯过二十关!");
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"20", "20", "0", "0"}));
    EXPECT_EQ(exam_->reviewLast(), -1);
}

TEST_F(Exam, ThreeInARowEarnAGhostToken)
{
    Make({0.0});
    Begin();
    Right();
    Right();
    EXPECT_EQ(v().resultLine[3], "回答正确!现自动进入下一关!");
    Right();
    EXPECT_EQ(v().resultLine[3], "回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!");
    EXPECT_EQ(exam_->ghostTokens(), 4);
    EXPECT_EQ(v().actionCaption[3], "鬼王令4个");
    // A mistake in between restarts the count.
    Right();
    Right();
    Wrong();
    Right();
    Right();
    EXPECT_EQ(exam_->ghostTokens(), 4);
    Right();
    EXPECT_EQ(exam_->ghostTokens(), 5);
}

// A first and a second mistake at one stage: (right answers first, stage, messages, stage after).
struct MistakeCase {
    int rightFirst;
    int stage;
    const char* first;
    const char* second;
    int stageAfterSecond;
    bool makeUpAfterSecond;
};

class Mistakes : public Exam, public ::testing::WithParamInterface<MistakeCase> {};

TEST_P(Mistakes, MakeUpThenNextStage)
{
    const MistakeCase& c = GetParam();
    Make({0.0});
    Begin();
    for (int i = 0; i < c.rightFirst; ++i) {
        Right();
    }
    Ticks(5);
    EXPECT_EQ(v().counters[0], std::to_string(c.stage));
    EXPECT_EQ(Wrong().focus, ExamFocus::Answer);
    EXPECT_EQ(v().resultLine, (std::array<std::string, 4>{"A", "B", "错误！", c.first}));
    EXPECT_EQ(v().verdict, "错误！");
    EXPECT_EQ(v().counters[0], std::to_string(c.stage));
    EXPECT_EQ(v().counters[2], "1");
    EXPECT_EQ(v().counters[3], "25");
    EXPECT_TRUE(exam_->makeUpPending());
    EXPECT_EQ(exam_->streak(), 0);
    EXPECT_EQ(v().question, "[古代常识] 问题1");  // a make-up question is drawn
    Wrong();
    EXPECT_EQ(v().resultLine[3], c.second);
    EXPECT_EQ(v().counters[0], std::to_string(c.stageAfterSecond));
    EXPECT_EQ(v().counters[2], "2");
    EXPECT_EQ(v().counters[3], "45");
    EXPECT_EQ(exam_->makeUpPending(), c.makeUpAfterSecond);
    EXPECT_EQ(exam_->reviewLast(), 1);
}

INSTANTIATE_TEST_SUITE_P(Stages, Mistakes,
                         ::testing::Values(MistakeCase{6, 7, "回答错误!答题时间增加20秒,并补答一题!",
                                                       "回答错误!答题时间增加时20秒,自动进入下一关!", 8, false},
                                           MistakeCase{19, 20, "回答错误!答题时间增加20秒,并补答一题!",
                                                       "回答错误,答题时间增加时20秒,并补答一题!", 20, true}));

TEST_F(Exam, EveryFurtherMistakeAtTheLastStageBringsAnotherQuestion)
{
    Make({0.0});
    Begin();
    for (int i = 0; i < 19; ++i) {
        Right();
    }
    Wrong();
    Wrong();
    Wrong();
    EXPECT_EQ(v().resultLine[3], "回答错误,答题时间增加时20秒,并补答一题!");
    EXPECT_EQ(v().counters[0], "20");
    EXPECT_EQ(v().counters[2], "3");
    // ... and a right answer there still ends the exam.
    Right();
    ExpectEnded("答题完毕!", "回答正确!恭喜你成功闯过二十关!");
}

TEST_F(Exam, TheTenthMistakeEndsTheExam)
{
    Make({0.0});
    Begin();
    for (int i = 0; i < 9; ++i) {
        Wrong();
    }
    EXPECT_EQ(v().counters[2], "9");
    EXPECT_EQ(v().counters[3], "180");
    EXPECT_EQ(Wrong().focus, ExamFocus::Start);
    ExpectEnded("答题完毕!", "你答错题数累计到10题,取消答题资格!请继续努力!");
    // The counters stay; the tenth mistake adds no time.
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"5", "0", "10", "180"}));
    EXPECT_EQ(exam_->reviewLast(), 9);
}

TEST_F(Exam, TheClockTimesOutAt999)
{
    Make({0.0});
    Begin();
    Wrong();  // a verdict that the timeout keeps
    Ticks(979);
    EXPECT_EQ(v().counters[3], "999");
    EXPECT_TRUE(v().clockRunning);
    EXPECT_EQ(exam_->ClockTick().focus, ExamFocus::Start);
    EXPECT_EQ(v().status, "答题超时！");
    EXPECT_TRUE(v().statusVisible);
    EXPECT_EQ(v().verdict, "错误！");
    EXPECT_EQ(v().resultLine, (std::array<std::string, 4>{}));
    EXPECT_EQ(v().question, "");
    EXPECT_EQ(v().questionId, "");
    EXPECT_EQ(v().counters[3], "999");
    EXPECT_EQ(v().optionVisible, (std::array<bool, 4>{}));
    EXPECT_EQ(v().actionEnabled, (std::array<bool, 4>{}));
    EXPECT_EQ(v().controlEnabled, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(v().reviewEnabled, (std::array<bool, 2>{true, true}));
    EXPECT_FALSE(v().clockRunning);
}

TEST_F(Exam, APenaltyPastTheLimitEndsTheExamOnTheNextTick)
{
    Make({0.0});
    Begin();
    Ticks(990);
    Wrong();
    EXPECT_EQ(v().counters[3], "1010");
    EXPECT_TRUE(v().clockRunning);
    exam_->ClockTick();
    EXPECT_EQ(v().status, "答题超时！");
    EXPECT_EQ(v().counters[3], "1010");
}

TEST_F(Exam, StopEndsTheCountdownOrTheExam)
{
    Make({0.0});
    exam_->Start();
    exam_->CountdownTick();
    EXPECT_EQ(exam_->Stop().focus, ExamFocus::Start);
    ExpectEnded("停止答题!", "");
    exam_->CountdownTick();
    EXPECT_EQ(v().status, "停止答题!");
    Begin();
    Right();
    exam_->Stop();
    ExpectEnded("停止答题!", "");
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"2", "1", "0", "0"}));
}

TEST_F(Exam, HeavenToken)
{
    Make({0.0});
    Begin();
    exam_->Choose(1);
    EXPECT_EQ(exam_->UseHeavenToken().focus, ExamFocus::Answer);
    EXPECT_EQ(v().actionCaption[1], "天王令0个");
    EXPECT_FALSE(v().actionEnabled[1]);
    EXPECT_EQ(v().resultLine,
              (std::array<std::string, 4>{"", "", "正确！", "你使用了天王令!回答正确!现自动进入下一关!"}));
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"2", "1", "0", "0"}));
    EXPECT_EQ(v().optionChecked, (std::array<bool, 4>{}));
    EXPECT_EQ(exam_->reviewLast(), 0);
    EXPECT_EQ(exam_->reviewEntry(0).id, "1");
    // Used up: a second press does nothing.
    exam_->UseHeavenToken();
    EXPECT_EQ(v().counters[0], "2");
}

TEST_F(Exam, HeavenTokenThirdInARowAndAtTheLastStage)
{
    Make({0.0});
    Begin();
    Right();
    Right();
    exam_->UseHeavenToken();
    EXPECT_EQ(v().resultLine[3], "使用天王令!回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!");
    EXPECT_EQ(exam_->ghostTokens(), 4);

    exam_->Stop();
    Begin();
    for (int i = 0; i < 19; ++i) {
        Right();
    }
    exam_->UseHeavenToken();
    ExpectEnded("答题完毕!", "你使用了天王令!回答正确!恭喜你成功闯过二十关!");
    EXPECT_EQ(v().counters[1], "20");
}

// 地王令 tosses a coin with the next number: heads (r >= 0.5) is a success.
struct EarthCase {
    double r;
    int rightFirst;  // right answers before
    int wrongFirst;  // wrong answers before, at the stage reached
    const char* verdict;
    const char* message;
    const char* stageAfter;
    const char* wrongAfter;
};

class EarthToken : public Exam, public ::testing::WithParamInterface<EarthCase> {};

TEST_P(EarthToken, OutcomeAndMessage)
{
    const EarthCase& c = GetParam();
    Make({c.r});
    Begin();
    for (int i = 0; i < c.rightFirst; ++i) {
        Right();
    }
    for (int i = 0; i < c.wrongFirst; ++i) {
        Wrong();
    }
    const int logged = exam_->reviewLast();
    exam_->Choose(3);
    exam_->UseEarthToken();
    EXPECT_EQ(v().actionCaption[2], "地王令1个");
    EXPECT_TRUE(v().actionEnabled[2]);
    EXPECT_EQ(v().optionChecked, (std::array<bool, 4>{}));
    EXPECT_EQ(v().resultLine, (std::array<std::string, 4>{"", "", c.verdict, c.message}));
    EXPECT_EQ(v().counters[0], c.stageAfter);
    EXPECT_EQ(v().counters[2], c.wrongAfter);
    // Logged once, whatever the outcome.
    EXPECT_EQ(exam_->reviewLast(), logged + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tosses, EarthToken,
    ::testing::Values(
        EarthCase{0.5, 0, 0, "正确！", "你使用了地王令!回答正确!现自动进入下一关!", "2", "0"},
        EarthCase{0.5, 2, 0, "正确！", "你使用了地王令!回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!", "4", "0"},
        EarthCase{0.49, 0, 0, "错误！", "你使用了地王令!答错1次,答题时间增加20秒,并补答一题!", "1", "1"},
        // The token's own count, not the real one (two mistakes so far).
        EarthCase{0.49, 0, 2, "错误！", "你使用了地王令!答错1次,答题时间增加20秒,并补答一题!", "2", "3"},
        EarthCase{0.49, 0, 1, "错误！", "你使用了地王令!答错2次,答题时间增加20秒,自动进入下一关!", "2", "2"},
        EarthCase{0.49, 19, 1, "错误！", "你使用了地王令!回答错误,答题时间增加20秒,并补答一题!", "20", "2"}));

TEST_F(Exam, EarthTokenSuccessAtTheLastStageAndTheTenthMistake)
{
    Make({0.5});
    Begin();
    for (int i = 0; i < 19; ++i) {
        Right();
    }
    exam_->UseEarthToken();
    ExpectEnded("答题完毕!", "你使用了地王令!回答正确!恭喜你成功闯过二十关!");

    Make({0.0});
    Begin();
    for (int i = 0; i < 9; ++i) {
        Wrong();
    }
    exam_->UseEarthToken();
    ExpectEnded("答题完毕!", "你使用了地王令!答错题数累计到10题,取消答题资格!");
    EXPECT_EQ(v().counters[2], "10");
    EXPECT_EQ(exam_->reviewLast(), 9);
}

TEST_F(Exam, EarthTokensRunOut)
{
    Make({0.0});
    Begin();
    exam_->UseEarthToken();
    exam_->UseEarthToken();
    EXPECT_EQ(v().actionCaption[2], "地王令0个");
    EXPECT_FALSE(v().actionEnabled[2]);
    exam_->UseEarthToken();
    EXPECT_EQ(v().counters[2], "2");
}

TEST_F(Exam, GhostTokenCostsTwentyToFortySeconds)
{
    Make({0.6});  // toss of the seconds: FloorInt(0.6 × 21 + 20) = 32
    Begin();
    EXPECT_EQ(exam_->UseGhostToken().focus, ExamFocus::Answer);
    EXPECT_EQ(exam_->ghostSeconds(), 32);
    EXPECT_EQ(v().counters, (std::array<std::string, 4>{"2", "1", "0", "32"}));
    EXPECT_EQ(v().resultLine,
              (std::array<std::string, 4>{"", "", "正确！", "你使用了鬼王令!闯关成功,用时32秒!自动进入下一关!"}));
    EXPECT_EQ(v().actionCaption[3], "鬼王令2个");

    Make({0.999999});  // FloorInt(40.99…) = 40
    Begin();
    for (int i = 0; i < 19; ++i) {
        Right();
    }
    exam_->UseGhostToken();
    ExpectEnded("答题完毕!", "你使用了鬼王令!闯关成功,用时40秒!恭喜你成功闯过了二十关!");
    EXPECT_EQ(v().counters[3], "40");
}

TEST_F(Exam, TheLastGhostTokenIsWonBackInTheSameClick)
{
    Make({0.0});
    Begin();
    exam_->UseGhostToken();
    exam_->UseGhostToken();
    Wrong();
    Right();
    Right();
    EXPECT_EQ(exam_->ghostTokens(), 1);
    exam_->UseGhostToken();
    EXPECT_EQ(v().resultLine[3], "你使用了鬼王令,闯关成功,耗时20秒!连续答对3题,奖励鬼王令1个!自动进入下一关!");
    EXPECT_EQ(v().actionCaption[3], "鬼王令1个");
    EXPECT_TRUE(v().actionEnabled[3]);
    exam_->UseGhostToken();
    EXPECT_EQ(v().actionCaption[3], "鬼王令0个");
    EXPECT_FALSE(v().actionEnabled[3]);
}

TEST_F(Exam, GhostTokenOnAMakeUpQuestionLeavesNoMakeUpPending)
{
    Make({0.0});
    Begin();
    Wrong();
    EXPECT_TRUE(exam_->makeUpPending());
    exam_->UseGhostToken();
    EXPECT_FALSE(exam_->makeUpPending());
    EXPECT_EQ(v().counters[0], "2");
    Wrong();
    EXPECT_EQ(v().resultLine[3], "回答错误!答题时间增加20秒,并补答一题!");
    EXPECT_EQ(v().counters[0], "2");
}

// Three questions logged (draws r = 0.0, 0.15, 0.25 → questions 1, 2, 3 at slots A, A, B).
TEST_F(Exam, ReviewWalksTheLoggedQuestions)
{
    Make({0.0, 0.0, 0.15, 0.15, 0.25, 0.25, 0.95, 0.95});
    Begin();
    Wrong();                  // logs question 1
    Wrong();                  // logs question 2
    exam_->UseHeavenToken();  // logs question 3
    exam_->Stop();
    exam_->ReviewBack();  // before the first entry: nothing to go back to
    EXPECT_EQ(v().question, "");
    EXPECT_FALSE(v().statusVisible);

    const char* ids[] = {"1", "2", "3"};
    for (int i = 0; i < 3; ++i) {
        exam_->ReviewForward();
        EXPECT_EQ(exam_->reviewCursor(), i);
        EXPECT_EQ(v().questionId, ids[i]);
    }
    EXPECT_EQ(v().question, "[古代常识] 问题3");
    EXPECT_EQ(v().answers, (std::array<std::string, 4>{"答3", "甲3", "乙3", "丙3"}));
    EXPECT_EQ(v().resultLine[0], "A");
    EXPECT_EQ(v().optionChecked, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(v().optionVisible, (std::array<bool, 4>{true, true, true, true}));
    exam_->ReviewForward();
    EXPECT_EQ(exam_->reviewCursor(), 2);
    for (int i = 0; i < 3; ++i) {
        exam_->ReviewBack();
    }
    EXPECT_EQ(exam_->reviewCursor(), 0);
    EXPECT_EQ(v().questionId, "1");
}

TEST_F(Exam, ReviewButtonsClearTheVerdictEvenWithAnEmptyLog)
{
    Make({0.0});
    Begin();
    Right();
    exam_->Stop();
    EXPECT_TRUE(v().statusVisible);
    exam_->ReviewForward();
    EXPECT_FALSE(v().statusVisible);
    EXPECT_EQ(exam_->reviewCursor(), -1);
    EXPECT_EQ(v().optionVisible, (std::array<bool, 4>{}));
}

TEST_F(Exam, EnteringThePageEmptiesTheEntriesButKeepsThePlace)
{
    Make({0.0});
    Begin();
    Wrong();
    Wrong();
    exam_->Stop();
    exam_->ReviewForward();
    EXPECT_EQ(exam_->Enter().focus, ExamFocus::Start);
    EXPECT_EQ(exam_->reviewLast(), 1);
    EXPECT_EQ(exam_->reviewCursor(), 0);
    EXPECT_EQ(v().reviewEnabled, (std::array<bool, 2>{true, true}));
    exam_->ReviewForward();
    EXPECT_EQ(v().questionId, "");
    EXPECT_EQ(v().question, "[] ");
    EXPECT_EQ(v().answers, (std::array<std::string, 4>{}));
    // 开始 disables the review until the next end.
    exam_->Start();
    EXPECT_EQ(v().reviewEnabled, (std::array<bool, 2>{}));
    EXPECT_EQ(exam_->reviewLast(), -1);
}

TEST_F(Exam, AnEmptyBankIsRefused)
{
    Make({0.0}, 0);
    for (auto op : {&MockExam::Enter, &MockExam::Start}) {
        const ExamOutcome out = (exam_.get()->*op)();
        EXPECT_EQ(out.warning, "题库中没有题目，无法考试！");
        EXPECT_EQ(out.focus, ExamFocus::Unchanged);
    }
    EXPECT_FALSE(v().countdownRunning);
    EXPECT_EQ(v().controlEnabled, (std::array<bool, 3>{true, false, true}));
}

// Starts an exam and answers every question right, handing each drawn question to `seen`.
template <typename Seen>
void RunExam(MockExam& exam, Seen seen)
{
    exam.Start();
    for (int i = 0; i < 6; ++i) {
        exam.CountdownTick();
    }
    while (exam.view().clockRunning) {
        seen(exam);
        exam.Choose(exam.correctPosition());
        exam.Answer();
    }
}

// With the real generator, seeded once: one question's correct answer lands in every slot, and
// draws made within the same second differ.
TEST(ExamDraws, RealGeneratorSpreadsTheDraws)
{
    SystemRandom random;
    QuestionBank one = Bank(1);
    MockExam single(one, random);
    std::set<int> slots;
    // 200 draws over four slots miss one with odds below 1 in 10^24.
    for (int i = 0; i < 10; ++i) {
        RunExam(single, [&](const MockExam& e) { slots.insert(e.correctPosition()); });
    }
    EXPECT_EQ(slots, (std::set<int>{0, 1, 2, 3}));

    QuestionBank many = Bank(1000);
    MockExam big(many, random);
    std::set<std::size_t> questions;
    RunExam(big, [&](const MockExam& e) { questions.insert(e.currentQuestion().bankIndex); });
    EXPECT_GE(questions.size(), 15u);
}

}  // namespace
