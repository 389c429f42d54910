#include <gtest/gtest.h>

#include "core/calc/SkillCost.h"

using namespace zicalc;

namespace {

TEST(SkillCostTable, PublishedRangeSums)
{
    const SkillCostRow all = SkillCostBetween(0, kMaxSchoolSkillLevel);
    EXPECT_EQ(all.experience, 197439611);
    EXPECT_EQ(all.money, 74040583);
    const SkillCostRow first = SkillCostBetween(0, 1);
    EXPECT_EQ(first.experience, 16);
    EXPECT_EQ(first.money, 6);
    const SkillCostRow last = SkillCostBetween(159, 160);
    EXPECT_EQ(last.experience, 12459518);
    EXPECT_EQ(last.money, 4672319);
    const SkillCostRow none = SkillCostBetween(7, 7);
    EXPECT_EQ(none.experience, 0);
    EXPECT_EQ(none.money, 0);
}

struct SchoolCase {
    const char* name;
    const char* from;
    const char* to;
    int multiplier;
    std::optional<std::string> experience;
    std::optional<std::string> money;
    Rgb experienceColour;
    Rgb moneyColour;
    std::optional<bool> labelVisible;
    std::optional<std::string> labelText;
    std::optional<std::string> warning;
};

class SchoolSkillCases : public testing::TestWithParam<SchoolCase> {};

TEST_P(SchoolSkillCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const SchoolSkillOutcome out = SchoolSkillCost(c.from, c.to, c.multiplier);
    EXPECT_EQ(out.results.warning, c.warning);
    EXPECT_EQ(out.results.fields[0].text, c.experience);
    EXPECT_EQ(out.results.fields[1].text, c.money);
    EXPECT_EQ(out.results.fields[0].colour, c.experienceColour);
    EXPECT_EQ(out.results.fields[1].colour, c.moneyColour);
    EXPECT_EQ(out.labelVisible, c.labelVisible);
    EXPECT_EQ(out.labelText, c.labelText);
}

const auto kNone = std::nullopt;
constexpr Rgb kBlack = colours::kBlack;

INSTANTIATE_TEST_SUITE_P(
    Frame, SchoolSkillCases,
    testing::Values(
        SchoolCase{"OneLevel", "0", "1", 1, "16", "6", kBlack, kBlack, true, "(X1项)", kNone},
        SchoolCase{"FullRange", "0", "160", 1, "197439611", "74040583", colours::kRed, colours::kMagenta, true,
                   "(X1项)", kNone},
        // Seven skills: the totals are multiplied, the colours still follow one skill.
        SchoolCase{"FullRangeSeven", "0", "160", 7, "1382077277", "518284081", colours::kRed, colours::kMagenta, true,
                   "(X7项)", kNone},
        SchoolCase{"Level150", "150", "151", 1, "6652022", "2494508", colours::kBlue, colours::kBlue, true, "(X1项)",
                   kNone},
        SchoolCase{"Level155", "155", "156", 1, "11305620", "4239607", colours::kMagenta, colours::kBlue, true,
                   "(X1项)", kNone},
        SchoolCase{"EqualLastAccepted", "160", "160", 3, "0", "0", kBlack, kBlack, true, "(X3项)", kNone},
        // Warnings keep the numbers, turn them black and hide the label (an empty field leaves it).
        SchoolCase{"Reversed", "9", "3", 2, kNone, kNone, kBlack, kBlack, false, kNone, "等级1不能大于等级2！"},
        SchoolCase{"FromTooHigh", "161", "170", 1, kNone, kNone, kBlack, kBlack, false, kNone,
                   "等级1和2均不能大于160！"},
        SchoolCase{"ToTooHigh", "0", "161", 1, kNone, kNone, kBlack, kBlack, false, kNone, "等级1和2均不能大于160！"},
        SchoolCase{"NotANumber", "0", "x", 1, kNone, kNone, kBlack, kBlack, false, kNone, "等级1和2均不能大于160！"},
        SchoolCase{"RangeBeforeOrder", "161", "3", 1, kNone, kNone, kBlack, kBlack, false, kNone,
                   "等级1和2均不能大于160！"},
        SchoolCase{"EmptyFrom", "", "3", 1, kNone, kNone, kBlack, kBlack, kNone, kNone, "待输入项不能为空！"},
        SchoolCase{"EmptyBeforeRange", "161", "", 1, kNone, kNone, kBlack, kBlack, kNone, kNone, "待输入项不能为空！"}),
    [](const testing::TestParamInfo<SchoolCase>& info) { return std::string(info.param.name); });

// Seven rows; every row 0 → 0 and checked unless a test says otherwise.
struct DetailRows {
    std::array<std::string, kDetailRows> from{"0", "0", "0", "0", "0", "0", "0"};
    std::array<std::string, kDetailRows> to{"0", "0", "0", "0", "0", "0", "0"};
    std::array<bool, kDetailRows> checked{true, true, true, true, true, true, true};

    DetailOutcome Run() const
    {
        DetailInput in;
        for (std::size_t i = 0; i < kDetailRows; ++i) {
            in.from[i] = from[i];
            in.to[i] = to[i];
        }
        in.checked = checked;
        return DetailedSkillCost(in);
    }
};

// School skill 0 → 10, summed by hand from the first ten table rows.
constexpr std::int32_t kTenExperience = 1491;
constexpr std::int32_t kTenMoney = 556;

TEST(DetailedSkillCost, ReversedRowIsUncheckedAndLeftOutOfTheTotals)
{
    DetailRows rows;
    rows.to[0] = "10";
    rows.from[1] = "10";
    const DetailOutcome out = rows.Run();
    EXPECT_FALSE(out.warning);
    EXPECT_TRUE(out.written);
    EXPECT_EQ(out.checked, (std::array<bool, kDetailRows>{true, false, true, true, true, true, true}));
    EXPECT_EQ(out.rows[0].experience, kTenExperience);
    EXPECT_EQ(out.rows[0].money, kTenMoney);
    EXPECT_EQ(out.rows[1].experience, 0);
    EXPECT_EQ(out.count, 6);
    EXPECT_EQ(out.total.experience, kTenExperience);
    EXPECT_EQ(out.total.money, kTenMoney);
}

TEST(DetailedSkillCost, LevelAbove160StopsTheRowsFromThereOn)
{
    DetailRows rows;
    rows.to = {"10", "1", "161", "1", "1", "1", "1"};
    const DetailOutcome out = rows.Run();
    EXPECT_EQ(out.warning, "等级均不能大于160！");
    EXPECT_TRUE(out.written);
    EXPECT_EQ(out.rows[0].experience, kTenExperience);
    EXPECT_EQ(out.rows[1].experience, 16);
    for (std::size_t i = 2; i < kDetailRows; ++i) {
        EXPECT_EQ(out.rows[i].experience, 0) << "row " << i;
        EXPECT_EQ(out.rows[i].money, 0) << "row " << i;
    }
    EXPECT_EQ(out.count, 7);
    EXPECT_EQ(out.total.experience, kTenExperience + 16);
    EXPECT_EQ(out.total.money, kTenMoney + 6);
}

// A reversed row above the stop is unchecked; one below it is never looked at and stays checked.
TEST(DetailedSkillCost, OnlyRowsBeforeTheStopAreUnchecked)
{
    DetailRows rows;
    rows.from = {"5", "0", "0", "0", "9", "0", "0"};
    rows.to = {"1", "10", "0", "170", "1", "0", "0"};
    const DetailOutcome out = rows.Run();
    EXPECT_EQ(out.warning, "等级均不能大于160！");
    EXPECT_EQ(out.checked, (std::array<bool, kDetailRows>{false, true, true, true, true, true, true}));
    EXPECT_EQ(out.count, 6);
    EXPECT_EQ(out.total.experience, kTenExperience);
    EXPECT_EQ(out.total.money, kTenMoney);
}

TEST(DetailedSkillCost, UncheckedRowShowsItsCostOutsideTheTotals)
{
    DetailRows rows;
    rows.to[0] = "10";
    rows.from[3] = "159";
    rows.to[3] = "160";  // the last level accepted
    rows.checked[3] = false;
    rows.from[5] = "5";  // equal levels leave the box as it is
    rows.to[5] = "5";
    rows.checked[5] = false;
    const DetailOutcome out = rows.Run();
    EXPECT_FALSE(out.warning);
    EXPECT_EQ(out.rows[3].experience, 12459518);
    EXPECT_EQ(out.rows[3].money, 4672319);
    EXPECT_FALSE(out.checked[3]);
    EXPECT_FALSE(out.checked[5]);
    EXPECT_EQ(out.count, 5);
    EXPECT_EQ(out.total.experience, kTenExperience);
    EXPECT_EQ(out.total.money, kTenMoney);
}

TEST(DetailedSkillCost, EmptyFieldChangesNothing)
{
    DetailRows rows;
    rows.to[6] = "";
    rows.from[0] = "161";  // emptiness is tested before any range
    rows.from[1] = "9";    // and a reversed row is not unchecked
    const DetailOutcome out = rows.Run();
    EXPECT_EQ(out.warning, "待输入项不能为空！");
    EXPECT_FALSE(out.written);
    EXPECT_TRUE(out.checked[1]);
}

}  // namespace
