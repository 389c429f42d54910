#include <gtest/gtest.h>

#include "core/calc/AuxiliarySkills.h"

using namespace zicalc;

namespace {

TEST(PopularityTable, StepsByFive)
{
    // Popularity per level as published: 1 for j = 0 … 3, then one more every five levels, 9 at 39.
    const std::array<std::int16_t, 40> expected{1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 5,
                                                5, 5, 5, 5, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 9};
    EXPECT_EQ(PopularityTable, expected);
}

const auto kKeep = std::nullopt;

struct AuxCase {
    const char* name;
    AuxiliaryWay way;
    const char* from;
    const char* to;
    std::array<std::optional<std::string>, 4> texts;
    std::optional<Rgb> experienceColour;
    std::optional<Rgb> moneyColour;
    std::optional<std::string> warning;
};

class AuxiliaryCases : public testing::TestWithParam<AuxCase> {};

TEST_P(AuxiliaryCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const Outcome out = AuxiliarySkillCost(c.way, c.from, c.to);
    const auto field = [&out](std::size_t i) { return out.Final("Text5(" + std::to_string(i + 2) + ")"); };
    EXPECT_EQ(out.warning(), c.warning);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(field(i).text, c.texts[i]) << "Text5(" << i + 2 << ")";
    }
    EXPECT_EQ(field(0).colour, c.experienceColour);
    EXPECT_EQ(field(1).colour, c.moneyColour);
    EXPECT_FALSE(field(2).colour);
    EXPECT_FALSE(field(3).colour);
}

constexpr auto kGuild = AuxiliaryWay::Guild;
constexpr auto kNpc = AuxiliaryWay::Npc;
constexpr Rgb kBlack = colours::kBlack;

INSTANTIATE_TEST_SUITE_P(
    Frame, AuxiliaryCases,
    testing::Values(
        AuxCase{"GuildOneLevel", kGuild, "0", "1", {"16", "3", "1", "5"}, kBlack, kBlack, kKeep},
        AuxCase{"GuildTen", kGuild, "0", "10", {"1491", "280", "55", "95"}, kBlack, kBlack, kKeep},
        AuxCase{"GuildFullRange",
                kGuild,
                "0",
                "150",
                {"103055891", "19323385", "11325", "11925"},
                colours::kRed,
                colours::kMagenta,
                kKeep},
        AuxCase{"GuildEqualLastAccepted", kGuild, "150", "150", {"0", "0", "0", "0"}, kBlack, kBlack, kKeep},
        // The guild message reads 160 and "1和1" as it always has.
        AuxCase{"GuildFirstRefused",
                kGuild,
                "151",
                "3",
                {kKeep, kKeep, kKeep, kKeep},
                kBlack,
                kBlack,
                "等级1和1不能大于160！"},
        AuxCase{"GuildToRefused",
                kGuild,
                "0",
                "151",
                {kKeep, kKeep, kKeep, kKeep},
                kBlack,
                kBlack,
                "等级1和1不能大于160！"},
        AuxCase{
            "GuildReversed", kGuild, "9", "3", {kKeep, kKeep, kKeep, kKeep}, kBlack, kBlack, "等级1不能大于等级2！"},
        AuxCase{"NpcOneLevel", kNpc, "0", "1", {"2001", "301", "1", kKeep}, kKeep, kKeep, kKeep},
        AuxCase{"NpcFullRange", kNpc, "0", "40", {"752400", "684400", "188", kKeep}, kKeep, kKeep, kKeep},
        AuxCase{"NpcMiddle", kNpc, "10", "20", {"61075", "44075", "37", kKeep}, kKeep, kKeep, kKeep},
        AuxCase{"NpcEqualLastAccepted", kNpc, "40", "40", {"0", "0", "0", kKeep}, kKeep, kKeep, kKeep},
        AuxCase{"NpcFirstRefused", kNpc, "0", "41", {kKeep, kKeep, kKeep, kKeep}, kKeep, kKeep, "等级1和2不能大于40!"},
        AuxCase{
            "NpcRangeBeforeOrder", kNpc, "41", "3", {kKeep, kKeep, kKeep, kKeep}, kKeep, kKeep, "等级1和2不能大于40!"},
        AuxCase{"NpcReversed", kNpc, "9", "3", {kKeep, kKeep, kKeep, kKeep}, kKeep, kKeep, "等级1不能大于等级2！"},
        // An empty field turns the results black in either way.
        AuxCase{"NpcEmpty", kNpc, "", "41", {kKeep, kKeep, kKeep, kKeep}, kBlack, kBlack, "待输入项不能为空！"},
        AuxCase{"GuildEmpty", kGuild, "3", "", {kKeep, kKeep, kKeep, kKeep}, kBlack, kBlack, "待输入项不能为空！"}),
    [](const testing::TestParamInfo<AuxCase>& info) { return std::string(info.param.name); });

// Switching the way rewrites the second line and clears the frame, the inputs included.
TEST(AuxiliaryWayChosen, CaptionsAndFieldsFollowTheWay)
{
    const Outcome npc = AuxiliaryWayChosen(kNpc);
    EXPECT_EQ(npc.Final("Label2(5)").text, "消耗人气");
    EXPECT_EQ(npc.Final("Label2(6)").text, "点.");
    EXPECT_EQ(npc.Final("Label2(7)").text, "(技能上限40级)");
    EXPECT_FALSE(npc.Final("Label2(8)").text);
    EXPECT_EQ(npc.Final("Label2(8)").visible, false);
    EXPECT_EQ(npc.Final("Text5(5)").visible, false);

    const Outcome guild = AuxiliaryWayChosen(kGuild);
    EXPECT_EQ(guild.Final("Label2(5)").text, "消耗帮贡");
    EXPECT_EQ(guild.Final("Label2(8)").text, "点(技能上限150级).");
    EXPECT_EQ(guild.Final("Label2(8)").visible, true);
    EXPECT_EQ(guild.Final("Text5(5)").visible, true);
    for (const Outcome* out : {&npc, &guild}) {
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(out->Final("Text5(" + std::to_string(i) + ")").text, "0") << i;
        }
        EXPECT_EQ(out->Final("Text5(2)").colour, kBlack);
        EXPECT_EQ(out->Final("Text5(3)").colour, kBlack);
    }
}

}  // namespace
