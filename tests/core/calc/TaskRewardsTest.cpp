#include <gtest/gtest.h>

#include "core/calc/TaskRewards.h"

using namespace zicalc;

namespace {

struct TwoResultCase {
    const char* name;
    const char* level;
    bool doubleReward;
    bool twoRounds;
    std::optional<std::string> first;
    std::optional<std::string> second;
    std::optional<std::string> warning;
};

std::string CaseName(const testing::TestParamInfo<TwoResultCase>& info)
{
    return info.param.name;
}

class GuildTaskCases : public testing::TestWithParam<TwoResultCase> {};

TEST_P(GuildTaskCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const auto out = GuildTasks(c.level);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text7(1)").text, c.first);
    EXPECT_EQ(out.Final("Text7(2)").text, c.second);
}

INSTANTIATE_TEST_SUITE_P(Frame, GuildTaskCases,
                         testing::Values(TwoResultCase{"Level11", "11", false, false, "30115", "12185", std::nullopt},
                                         TwoResultCase{"Level155", "155", false, false, "61075", "96425", std::nullopt},
                                         TwoResultCase{"Level10", "10", false, false, std::nullopt, std::nullopt,
                                                       "输入等级要在11和155之间！"},
                                         TwoResultCase{"Level156", "156", false, false, std::nullopt, std::nullopt,
                                                       "输入等级要在11和155之间！"},
                                         TwoResultCase{"Empty", "", false, false, std::nullopt, std::nullopt,
                                                       "待输入项不能为空！"}),
                         CaseName);

class SchoolTaskCases : public testing::TestWithParam<TwoResultCase> {};

TEST_P(SchoolTaskCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const auto out = SchoolTask(c.level, c.doubleReward, c.twoRounds);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text9(1)").text, c.first);
    EXPECT_EQ(out.Final("Text9(2)").text, c.second);
}

// Both sides of every band edge; single reward and one round unless the name says otherwise.
INSTANTIATE_TEST_SUITE_P(
    Frame, SchoolTaskCases,
    testing::Values(TwoResultCase{"Level19", "19", false, false, std::nullopt, std::nullopt, "等级要在20到155之间！"},
                    TwoResultCase{"Level20", "20", false, false, "15050", "4600", std::nullopt},
                    TwoResultCase{"Level39", "39", false, false, "25310", "5550", std::nullopt},
                    TwoResultCase{"Level40", "40", false, false, "42400", "29250", std::nullopt},
                    TwoResultCase{"Level40BothTicked", "40", true, true, "169600", "117000", std::nullopt},
                    TwoResultCase{"Level69", "69", false, false, "61540", "37225", std::nullopt},
                    TwoResultCase{"Level70", "70", false, false, "95250", "55750", std::nullopt},
                    TwoResultCase{"Level99", "99", false, false, "119175", "63725", std::nullopt},
                    TwoResultCase{"Level100BothTicked", "100", true, true, "640000", "388000", std::nullopt},
                    TwoResultCase{"Level100DoubleOnly", "100", true, false, "320000", "194000", std::nullopt},
                    TwoResultCase{"Level100TwoRoundsOnly", "100", false, true, "320000", "194000", std::nullopt},
                    TwoResultCase{"Level155", "155", false, false, "205375", "109100", std::nullopt},
                    TwoResultCase{"Level156", "156", true, true, std::nullopt, std::nullopt, "等级要在20到155之间！"},
                    TwoResultCase{"Empty", "", true, true, std::nullopt, std::nullopt, "待输入项不能为空！"}),
    CaseName);

TEST(ChainRingMultiplier, StepsBackAtEveryTenthRing)
{
    EXPECT_EQ(ChainRingMultiplier(1), 2);
    EXPECT_EQ(ChainRingMultiplier(10), 11);
    EXPECT_EQ(ChainRingMultiplier(11), 3);
    EXPECT_EQ(ChainRingMultiplier(20), 12);
    EXPECT_EQ(ChainRingMultiplier(21), 4);
    EXPECT_EQ(ChainRingMultiplier(300), 40);
}

struct ChainCase {
    const char* name;
    const char* level;
    const char* firstRing;
    const char* lastRing;
    std::optional<std::string> result;
    std::optional<std::string> warning;
};

class TaskChainCases : public testing::TestWithParam<ChainCase> {};

TEST_P(TaskChainCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const auto out = TaskChain(c.level, c.firstRing, c.lastRing);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text8(3)").text, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, TaskChainCases,
    testing::Values(ChainCase{"Level60AllRings", "60", "1", "300", "8505000", std::nullopt},
                    ChainCase{"Ring1", "60", "1", "1", "2700", std::nullopt},
                    ChainCase{"Ring10", "60", "10", "10", "14850", std::nullopt},
                    ChainCase{"Ring11", "60", "11", "11", "4050", std::nullopt},
                    ChainCase{"Rings10To11", "60", "10", "11", "18900", std::nullopt},
                    ChainCase{"Level155AllRingsIsTheMaximum", "155", "1", "300", "20475000", std::nullopt},
                    ChainCase{"Level155Ring300", "155", "300", "300", "130000", std::nullopt},
                    ChainCase{"ReversedRings", "60", "5", "4", std::nullopt, "环数1不能大于环数2！"},
                    ChainCase{"Ring0", "60", "0", "4", std::nullopt, "环数要在1到300之间！"},
                    ChainCase{"Ring301", "60", "1", "301", std::nullopt, "环数要在1到300之间！"},
                    // A ring out of range is reported before the reversed order.
                    ChainCase{"SecondRing0", "60", "5", "0", std::nullopt, "环数要在1到300之间！"},
                    ChainCase{"FirstRing301", "60", "301", "300", std::nullopt, "环数要在1到300之间！"},
                    ChainCase{"Level59", "59", "1", "300", std::nullopt, "等级要在60到155之间！"},
                    ChainCase{"Level59WithBadRings", "59", "0", "301", std::nullopt, "等级要在60到155之间！"},
                    ChainCase{"Level156WithReversedRings", "156", "5", "4", std::nullopt, "等级要在60到155之间！"},
                    ChainCase{"EmptyLevel", "", "1", "300", std::nullopt, "待输入项不能为空！"},
                    ChainCase{"EmptyRing", "60", "1", "", std::nullopt, "待输入项不能为空！"}),
    [](const testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

// The chain starts, and restarts, on level 60 over all 300 rings.
TEST(TaskChainReset, LevelSixtyAllRings)
{
    const Outcome out = TaskChainReset();
    EXPECT_EQ(out.Final("Text8(0)").text, "60");
    EXPECT_EQ(out.Final("Text8(1)").text, "1");
    EXPECT_EQ(out.Final("Text8(2)").text, "300");
    EXPECT_EQ(out.Final("Text8(3)").text, "0");
}

TEST(SchoolTaskBoxes, CaptionFollowsTheTick)
{
    EXPECT_EQ(DoubleRewardClicked(true).Final("Check1").text, "双倍");
    EXPECT_EQ(DoubleRewardClicked(false).Final("Check1").text, "单倍");
    EXPECT_EQ(TwoRoundsClicked(true).Final("Check3").text, "两轮");
    EXPECT_EQ(TwoRoundsClicked(false).Final("Check3").text, "一轮");
    const Outcome start = SchoolTaskDefaults();
    EXPECT_EQ(start.Final("Check1").checked, true);
    EXPECT_EQ(start.Final("Check3").checked, true);
    EXPECT_EQ(start.Final("Check1").text, "双倍");
}

}  // namespace
