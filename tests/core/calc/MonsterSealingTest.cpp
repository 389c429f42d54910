#include <gtest/gtest.h>

#include <array>

#include "core/calc/Experience.h"
#include "core/calc/MonsterSealing.h"

using namespace zicalc;

namespace {

TEST(SealingMultiplier, StepsDownEveryThreeLevelsBeyondTwo)
{
    for (const SealingArea& area : SealingAreas) {
        const int c = area.centreLevel;
        EXPECT_EQ(SealingMultiplier(c, c), 10) << area.caption;
        EXPECT_EQ(SealingMultiplier(c + 2, c), 10) << area.caption;  // d = 2
        EXPECT_EQ(SealingMultiplier(c - 2, c), 10) << area.caption;
        EXPECT_EQ(SealingMultiplier(c + 3, c), 9) << area.caption;  // d = 3
        EXPECT_EQ(SealingMultiplier(c - 5, c), 9) << area.caption;  // d = 5
        EXPECT_EQ(SealingMultiplier(c + 6, c), 8) << area.caption;  // d = 6
        EXPECT_EQ(SealingMultiplier(c - 6, c), 8) << area.caption;
    }
}

TEST(SealingMultiplier, NeverFallsBelowOne)
{
    for (const SealingArea& area : SealingAreas) {
        const int c = area.centreLevel;
        // The outermost band starts 27 levels away: d = 26 still gives 2.
        EXPECT_EQ(SealingMultiplier(c + 26, c), 2) << area.caption;
        EXPECT_EQ(SealingMultiplier(c + 27, c), 1) << area.caption;
        EXPECT_EQ(SealingMultiplier(kMaxCharacterLevel, c), 1) << area.caption;
        if (c - 27 >= 0) {
            EXPECT_EQ(SealingMultiplier(c - 27, c), 1) << area.caption;
        }
        EXPECT_EQ(SealingMultiplier(0, c), 1) << area.caption;
    }
}

// The bands of 建邺城 as the game lists them: first level of each band and its multiplier.
TEST(SealingMultiplier, BandsOfTheFirstArea)
{
    struct Band {
        int from, to, multiplier;
    };
    constexpr std::array<Band, 19> bands{{{0, 3, 1},
                                          {4, 6, 2},
                                          {7, 9, 3},
                                          {10, 12, 4},
                                          {13, 15, 5},
                                          {16, 18, 6},
                                          {19, 21, 7},
                                          {22, 24, 8},
                                          {25, 27, 9},
                                          {28, 32, 10},
                                          {33, 35, 9},
                                          {36, 38, 8},
                                          {39, 41, 7},
                                          {42, 44, 6},
                                          {45, 47, 5},
                                          {48, 50, 4},
                                          {51, 53, 3},
                                          {54, 56, 2},
                                          {57, 155, 1}}};
    for (const Band& b : bands) {
        for (int l = b.from; l <= b.to; ++l) {
            ASSERT_EQ(SealingMultiplier(l, 30), b.multiplier) << "level " << l;
        }
    }
}

// Experience and money of areas 0 … 6, as the frame shows them.
using AreaTexts = std::array<const char*, 7>;

struct SealingCase {
    const char* name;
    const char* level;
    bool doubleDrawn;
    AreaTexts experience;
    AreaTexts money;
    std::optional<std::string> levelText;  // what the level field is set to, if anything
    bool untick;
};

class SealingCases : public testing::TestWithParam<SealingCase> {};

bool UnticksDouble(const Outcome& out)
{
    return out.Final("Check2").checked == std::optional<bool>(false);
}

TEST_P(SealingCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const Outcome out = SealingRewards(c.level, c.doubleDrawn);
    EXPECT_EQ(out.warning(), std::nullopt);
    EXPECT_EQ(UnticksDouble(out), c.untick);
    EXPECT_EQ(out.Final(kSealingLevelField).text, c.levelText);
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        EXPECT_EQ(out.Final(SealingExperienceField(k)).text, c.experience[k]) << SealingAreas[k].caption;
        EXPECT_EQ(out.Final(SealingMoneyField(k)).text, c.money[k]) << SealingAreas[k].caption;
    }
}

constexpr AreaTexts kUnitExperience{"1200", "1600", "2000", "2400", "2800", "3200", "3600"};
constexpr AreaTexts kUnitMoney{"150", "200", "250", "300", "350", "400", "450"};

INSTANTIATE_TEST_SUITE_P(
    Frame, SealingCases,
    testing::Values(SealingCase{"Level0",
                                "0",
                                false,
                                {"600", "0", "0", "0", "0", "0", "0"},
                                {"75", "0", "0", "0", "0", "0", "0"},
                                std::nullopt,
                                true},
                    // The box is unticked again at level 0 and the reward stays halved.
                    SealingCase{"Level0Ticked",
                                "0",
                                true,
                                {"600", "0", "0", "0", "0", "0", "0"},
                                {"75", "0", "0", "0", "0", "0", "0"},
                                std::nullopt,
                                true},
                    SealingCase{"Level9Ticked",
                                "9",
                                true,
                                {"1800", "0", "0", "0", "0", "0", "0"},
                                {"225", "0", "0", "0", "0", "0", "0"},
                                std::nullopt,
                                true},
                    SealingCase{"Level10Ticked",
                                "10",
                                true,
                                {"4800", "1600", "2000", "2400", "2800", "3200", "3600"},
                                {"600", "200", "250", "300", "350", "400", "450"},
                                std::nullopt,
                                false},
                    SealingCase{"Level30Ticked",
                                "30",
                                true,
                                {"12000", "11200", "8000", "2400", "2800", "3200", "3600"},
                                {"1500", "1400", "1000", "300", "350", "400", "450"},
                                std::nullopt,
                                false},
                    SealingCase{"Level60",
                                "60",
                                false,
                                {"600", "3200", "7000", "12000", "9800", "6400", "1800"},
                                {"75", "400", "875", "1500", "1225", "800", "225"},
                                std::nullopt,
                                false},
                    SealingCase{"Level155Ticked", "155", true, kUnitExperience, kUnitMoney, std::nullopt, false},
                    SealingCase{"Level200IsClampedTo155", "200", true, kUnitExperience, kUnitMoney, "155", false}),
    [](const testing::TestParamInfo<SealingCase>& info) { return std::string(info.param.name); });

TEST(SealingRewards, EmptyLevelWarnsAndRestoresTheLevelZeroState)
{
    const Outcome out = SealingRewards("", true);
    EXPECT_EQ(out.warning(), "待输入项不能为空！");
    EXPECT_TRUE(UnticksDouble(out));
    EXPECT_EQ(out.Final(kSealingLevelField).text, "0");

    // The restored results are those of level 0.
    const Outcome zero = SealingRewards("0", false);
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        EXPECT_EQ(out.Final(SealingExperienceField(k)).text, zero.Final(SealingExperienceField(k)).text);
        EXPECT_EQ(out.Final(SealingMoneyField(k)).text, zero.Final(SealingMoneyField(k)).text);
    }
    EXPECT_EQ(out.Final(SealingExperienceField(0)).text, "600");
    EXPECT_EQ(out.Final(SealingMoneyField(0)).text, "75");
    // All of it once the warning is closed.
    EXPECT_TRUE(out.before().empty());
}

}  // namespace
