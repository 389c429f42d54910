#include <gtest/gtest.h>

#include "core/pets/GrowthRate.h"

using namespace zicalc;

namespace {

constexpr const char* kEmpty = "待输入项不能为空！";
constexpr const char* kLevel = "等级不能大于160！";
constexpr const char* kWrong = "输入有误,导致结果错误！";

struct GrowthCase {
    const char* name;
    const char* level;
    const char* value;   // 气血 or 魔法
    const char* points;  // 体质 or 法力
    const char* aptitude;
    std::optional<std::string> newRate;
    std::optional<std::string> oldRate;
    std::optional<std::string> warning;
};

std::string CaseName(const testing::TestParamInfo<GrowthCase>& info)
{
    return info.param.name;
}

class GrowthFromHpCases : public testing::TestWithParam<GrowthCase> {};

TEST_P(GrowthFromHpCases, ShowsWhatTheRowShows)
{
    const auto& c = GetParam();
    const auto out = GrowthFromHp(c.level, c.value, c.points, c.aptitude);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text14(0)").text, c.newRate);
    EXPECT_EQ(out.Final("Text14(1)").text, c.oldRate);
}

// The first three cases are the published examples; the others were worked out by hand from the
// formula. After a warning both results keep their texts.
INSTANTIATE_TEST_SUITE_P(
    Row, GrowthFromHpCases,
    testing::Values(GrowthCase{"Level0", "0", "100", "20", "1000", "0.833", "2.500", std::nullopt},
                    GrowthCase{"Level100", "100", "1560", "200", "1200", "1.200", "3.600", std::nullopt},
                    GrowthCase{"HpBelowAptitudePart", "100", "100", "200", "1200", std::nullopt, std::nullopt, kWrong},
                    GrowthCase{"Level160", "160", "1000", "100", "1000", "1.400", "4.200", std::nullopt},
                    GrowthCase{"Level161", "161", "1000", "100", "1000", std::nullopt, std::nullopt, kLevel},
                    GrowthCase{"Constitution9", "0", "100", "9", "1000", std::nullopt, std::nullopt, kWrong},
                    GrowthCase{"Constitution10", "0", "100", "10", "1000", "1.667", "5.000", std::nullopt},
                    GrowthCase{"Constitution1020", "0", "100", "1020", "1000", "0.016", "0.049", std::nullopt},
                    GrowthCase{"Constitution1021", "0", "100", "1021", "1000", std::nullopt, std::nullopt, kWrong},
                    // The old rate rounds to 0.001, the new one to 0: both must be positive.
                    GrowthCase{"NewRateZero", "0", "1", "1000", "0", std::nullopt, std::nullopt, kWrong},
                    // The level is tested before the points.
                    GrowthCase{"LevelBeforePoints", "161", "100", "9", "1000", std::nullopt, std::nullopt, kLevel},
                    GrowthCase{"EmptyLevel", "", "100", "20", "1000", std::nullopt, std::nullopt, kEmpty},
                    GrowthCase{"EmptyHp", "0", "", "20", "1000", std::nullopt, std::nullopt, kEmpty},
                    GrowthCase{"EmptyConstitution", "0", "100", "", "1000", std::nullopt, std::nullopt, kEmpty},
                    GrowthCase{"EmptyAptitude", "0", "100", "20", "", std::nullopt, std::nullopt, kEmpty}),
    CaseName);

TEST(GrowthFromHp, EmptyFieldChangesNoInput)
{
    const auto out = GrowthFromHp("5", "", "20", "1000");
    EXPECT_FALSE(out.HasUpdates());
}

class GrowthFromMpCases : public testing::TestWithParam<GrowthCase> {};

TEST_P(GrowthFromMpCases, ShowsWhatTheRowShows)
{
    const auto& c = GetParam();
    const auto out = GrowthFromMp(c.level, c.value, c.points, c.aptitude);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text14(0)").text, c.newRate);
    EXPECT_EQ(out.Final("Text14(1)").text, c.oldRate);
    for (const char* input : {"Text13(0)", "Text13(4)", "Text13(5)", "Text13(6)"}) {
        EXPECT_FALSE(out.Final(input).text) << input;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Row, GrowthFromMpCases,
    testing::Values(GrowthCase{"Level50", "50", "480", "100", "1500", "1.100", "3.300", std::nullopt},
                    GrowthCase{"Level160", "160", "1000", "100", "500", "2.800", "8.400", std::nullopt},
                    GrowthCase{"Level161", "161", "1000", "100", "500", std::nullopt, std::nullopt, kLevel},
                    GrowthCase{"Magic9", "0", "100", "9", "0", std::nullopt, std::nullopt, kWrong},
                    GrowthCase{"Magic10", "0", "100", "10", "0", "3.333", "10.000", std::nullopt},
                    GrowthCase{"Magic1020", "0", "100", "1020", "0", "0.033", "0.098", std::nullopt},
                    GrowthCase{"Magic1021", "0", "100", "1021", "0", std::nullopt, std::nullopt, kWrong},
                    GrowthCase{"ManaBelowAptitudePart", "50", "150", "100", "1500", std::nullopt, std::nullopt,
                               kWrong}),
    CaseName);

// Unlike the HP row, an empty field in the mana row puts "0" back into its four inputs.
TEST(GrowthFromMp, EmptyFieldResetsTheFourInputs)
{
    for (const auto& in :
         {std::array<const char*, 4>{"", "480", "100", "1500"}, std::array<const char*, 4>{"50", "", "100", "1500"},
          std::array<const char*, 4>{"50", "480", "", "1500"}, std::array<const char*, 4>{"50", "480", "100", ""}}) {
        const auto out = GrowthFromMp(in[0], in[1], in[2], in[3]);
        EXPECT_EQ(out.warning(), kEmpty);
        EXPECT_FALSE(out.Final("Text14(0)").text);
        EXPECT_FALSE(out.Final("Text14(1)").text);
        for (const char* input : {"Text13(0)", "Text13(4)", "Text13(5)", "Text13(6)"}) {
            EXPECT_EQ(out.Final(input).text, "0") << input;
        }
    }
}

struct OriginCase {
    const char* name;
    std::array<std::string_view, 7> inputs;  // level, 体质, 法力, 力量, 耐力, 敏捷, 潜能
    std::optional<std::string> verdict;
    std::optional<std::string> warning;
};

class OriginTestCases : public testing::TestWithParam<OriginCase> {};

TEST_P(OriginTestCases, GivesTheVerdict)
{
    const auto& c = GetParam();
    const auto out = OriginTest(c.inputs);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text15(7)").text, c.verdict);
}

constexpr const char* kBorn = "是天生的宝宝!";
constexpr const char* kSynth = "可能是合成的宝宝!";
constexpr const char* kWild = "是野生召唤兽!";
constexpr const char* kOriginWrong = "输入有误,导致结果出错！";

INSTANTIATE_TEST_SUITE_P(
    Frame, OriginTestCases,
    testing::Values(
        OriginCase{"Born", {"0", "20", "20", "20", "20", "20", "0"}, kBorn, std::nullopt},
        OriginCase{"Wild", {"10", "30", "30", "30", "30", "20", "0"}, kWild, std::nullopt},
        OriginCase{"Synthesised", {"10", "30", "30", "30", "30", "20", "10"}, kSynth, std::nullopt},
        OriginCase{"BornWithPotential", {"10", "30", "30", "30", "30", "30", "50"}, kBorn, std::nullopt},
        OriginCase{"SumAbove100", {"10", "31", "30", "30", "30", "30", "50"}, std::nullopt, kOriginWrong},
        // Potential exactly 5 × level passes, one more fails (here S = 90 and 91, both wild if plausible).
        OriginCase{"PotentialAtBound", {"10", "30", "30", "30", "30", "20", "50"}, kWild, std::nullopt},
        OriginCase{"PotentialPastBound", {"10", "30", "30", "30", "30", "20", "51"}, std::nullopt, kOriginWrong},
        // A point exactly level + 10 passes, one less fails.
        OriginCase{"PointAtLowerBound", {"10", "20", "30", "30", "30", "30", "0"}, kWild, std::nullopt},
        OriginCase{"PointBelowLowerBound", {"10", "19", "30", "30", "30", "30", "0"}, std::nullopt, kOriginWrong},
        OriginCase{"LastPointBelowLowerBound", {"10", "30", "30", "30", "30", "19", "0"}, std::nullopt, kOriginWrong},
        // A point exactly 6 × (level + 10) passes, one more fails.
        OriginCase{"PointAtUpperBound", {"10", "20", "20", "20", "20", "120", "0"}, kBorn, std::nullopt},
        OriginCase{"PointPastUpperBound", {"10", "20", "20", "20", "20", "121", "0"}, std::nullopt, kOriginWrong},
        OriginCase{"Level160", {"160", "170", "170", "170", "170", "170", "0"}, kWild, std::nullopt},
        OriginCase{"Level161", {"161", "171", "171", "171", "171", "171", "0"}, std::nullopt, kOriginWrong},
        OriginCase{"EmptyLevel", {"", "20", "20", "20", "20", "20", "0"}, std::nullopt, "待输入项均不能为空！"},
        OriginCase{"EmptyPotential", {"0", "20", "20", "20", "20", "20", ""}, std::nullopt, "待输入项均不能为空！"}),
    [](const testing::TestParamInfo<OriginCase>& info) { return std::string(info.param.name); });

}  // namespace
