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
    const Outcome out = SchoolSkillCost(c.from, c.to, c.multiplier);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text3(2)").text, c.experience);
    EXPECT_EQ(out.Final("Text3(3)").text, c.money);
    EXPECT_EQ(out.Final("Text3(2)").colour, c.experienceColour);
    EXPECT_EQ(out.Final("Text3(3)").colour, c.moneyColour);
    EXPECT_EQ(out.Final("Label24").visible, c.labelVisible);
    EXPECT_EQ(out.Final("Label24").text, c.labelText);
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

    Outcome Run() const
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

// What Form2 shows after the outcome, as numbers and check states.
std::int32_t Number(const Outcome& out, const std::string& control)
{
    const auto text = out.Final(control).text;
    return text ? std::stoi(*text) : -1;
}
std::int32_t Experience(const Outcome& out, std::size_t row)
{
    return Number(out, "Text3(" + std::to_string(row) + ")");
}
std::int32_t Money(const Outcome& out, std::size_t row)
{
    return Number(out, "Text4(" + std::to_string(row) + ")");
}
std::array<bool, kDetailRows> Checked(const Outcome& out, const std::array<bool, kDetailRows>& before)
{
    std::array<bool, kDetailRows> now = before;
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        now[i] = out.Final("Check1(" + std::to_string(i) + ")").checked.value_or(before[i]);
    }
    return now;
}

// School skill 0 → 10, summed by hand from the first ten table rows.
constexpr std::int32_t kTenExperience = 1491;
constexpr std::int32_t kTenMoney = 556;

TEST(DetailedSkillCost, ReversedRowIsUncheckedAndLeftOutOfTheTotals)
{
    DetailRows rows;
    rows.to[0] = "10";
    rows.from[1] = "10";
    const Outcome out = rows.Run();
    EXPECT_FALSE(out.warning());
    EXPECT_TRUE(out.HasUpdates());
    EXPECT_EQ(Checked(out, rows.checked), (std::array<bool, kDetailRows>{true, false, true, true, true, true, true}));
    EXPECT_EQ(Experience(out, 0), kTenExperience);
    EXPECT_EQ(Money(out, 0), kTenMoney);
    EXPECT_EQ(Experience(out, 1), 0);
    EXPECT_EQ(Number(out, "Text7"), 6);
    EXPECT_EQ(Number(out, "Text5"), kTenExperience);
    EXPECT_EQ(Number(out, "Text6"), kTenMoney);
}

TEST(DetailedSkillCost, LevelAbove160StopsTheRowsFromThereOn)
{
    DetailRows rows;
    rows.to = {"10", "1", "161", "1", "1", "1", "1"};
    const Outcome out = rows.Run();
    EXPECT_EQ(out.warning(), "等级均不能大于160！");
    EXPECT_TRUE(out.HasUpdates());
    EXPECT_EQ(Experience(out, 0), kTenExperience);
    EXPECT_EQ(Experience(out, 1), 16);
    for (std::size_t i = 2; i < kDetailRows; ++i) {
        EXPECT_EQ(Experience(out, i), 0) << "row " << i;
        EXPECT_EQ(Money(out, i), 0) << "row " << i;
    }
    EXPECT_EQ(Number(out, "Text7"), 7);
    EXPECT_EQ(Number(out, "Text5"), kTenExperience + 16);
    EXPECT_EQ(Number(out, "Text6"), kTenMoney + 6);
}

// A reversed row above the stop is unchecked; one below it is never looked at and stays checked.
TEST(DetailedSkillCost, OnlyRowsBeforeTheStopAreUnchecked)
{
    DetailRows rows;
    rows.from = {"5", "0", "0", "0", "9", "0", "0"};
    rows.to = {"1", "10", "0", "170", "1", "0", "0"};
    const Outcome out = rows.Run();
    EXPECT_EQ(out.warning(), "等级均不能大于160！");
    EXPECT_EQ(Checked(out, rows.checked), (std::array<bool, kDetailRows>{false, true, true, true, true, true, true}));
    EXPECT_EQ(Number(out, "Text7"), 6);
    EXPECT_EQ(Number(out, "Text5"), kTenExperience);
    EXPECT_EQ(Number(out, "Text6"), kTenMoney);
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
    const Outcome out = rows.Run();
    EXPECT_FALSE(out.warning());
    EXPECT_EQ(Experience(out, 3), 12459518);
    EXPECT_EQ(Money(out, 3), 4672319);
    EXPECT_FALSE(Checked(out, rows.checked)[3]);
    EXPECT_FALSE(Checked(out, rows.checked)[5]);
    EXPECT_EQ(Number(out, "Text7"), 5);
    EXPECT_EQ(Number(out, "Text5"), kTenExperience);
    EXPECT_EQ(Number(out, "Text6"), kTenMoney);
}

TEST(DetailedSkillCost, EmptyFieldChangesNothing)
{
    DetailRows rows;
    rows.to[6] = "";
    rows.from[0] = "161";  // emptiness is tested before any range
    rows.from[1] = "9";    // and a reversed row is not unchecked
    const Outcome out = rows.Run();
    EXPECT_EQ(out.warning(), "待输入项不能为空！");
    EXPECT_FALSE(out.HasUpdates());
    EXPECT_TRUE(Checked(out, rows.checked)[1]);
}

// Rows are unchecked as the loop meets them, so before the warning of a later row; the costs are
// written once the warning is closed.
TEST(DetailedSkillCost, ChecksBeforeTheWarningCostsAfter)
{
    DetailRows rows;
    rows.from[0] = "9";
    rows.to[1] = "161";
    const Outcome out = rows.Run();
    ASSERT_EQ(out.warning(), "等级均不能大于160！");
    ASSERT_EQ(out.before().size(), 1u);
    EXPECT_EQ(out.before()[0].control, "Check1(0)");
    EXPECT_EQ(out.before()[0].checked, false);
    for (const ControlUpdate& u : out.after()) {
        EXPECT_TRUE(u.text) << u.control;
        EXPECT_FALSE(u.checked) << u.control;
    }
}

TEST(DetailedSkillCost, ResetChecksEveryRowAndCountsSeven)
{
    const Outcome out = DetailedSkillReset();
    EXPECT_EQ(Checked(out, {}), (std::array<bool, kDetailRows>{true, true, true, true, true, true, true}));
    EXPECT_EQ(out.Final("Text7").text, "7");
    EXPECT_EQ(out.Final("Text1(6)").text, "0");
    EXPECT_EQ(out.Final("Text4(6)").text, "0");
}

}  // namespace
