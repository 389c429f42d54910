#include <gtest/gtest.h>

#include "core/calc/Experience.h"

using namespace zicalc;

namespace {

// Reference values as the game publishes them.
TEST(LevelExperience, PublishedValues)
{
    EXPECT_EQ(LevelExperience(0), 40);
    EXPECT_EQ(LevelExperience(1), 110);
    EXPECT_EQ(LevelExperience(78), 2369430);
    EXPECT_EQ(LevelExperience(99), 4803599);
    EXPECT_EQ(LevelExperience(100), 4998571);
    EXPECT_EQ(LevelExperience(144), 21225997);
    EXPECT_EQ(LevelExperience(145), 43635044);
    EXPECT_EQ(LevelExperience(154), 83142834);
}

struct LevelCase {
    const char* from;
    const char* to;
    std::optional<std::string> result;
    std::optional<Rgb> colour;
    std::optional<std::string> warning;
};

class LevelToExperienceCases : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelToExperienceCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const auto out = LevelToExperience(c.from, c.to);
    EXPECT_EQ(out.warning, c.warning);
    EXPECT_EQ(out.fields[0].text, c.result);
    EXPECT_EQ(out.fields[0].colour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, LevelToExperienceCases,
    testing::Values(LevelCase{"1", "2", "110", colours::kBlack, std::nullopt},
                    LevelCase{"0", "155", "1275795023", colours::kRed, std::nullopt},
                    LevelCase{"100", "145", "527824192", colours::kRed, std::nullopt},
                    LevelCase{"145", "155", "625377111", colours::kRed, std::nullopt},
                    LevelCase{"7", "7", "0", colours::kBlack, std::nullopt},
                    // Warnings keep the old text and turn it black.
                    LevelCase{"9", "3", std::nullopt, colours::kBlack, "等级1不能大于等级2！"},
                    LevelCase{"156", "3", std::nullopt, colours::kBlack, "等级1和2均不能大于155！"},
                    LevelCase{"3", "156", std::nullopt, colours::kBlack, "等级1和2均不能大于155！"},
                    LevelCase{"", "3", std::nullopt, colours::kBlack, "输入项均不能为空！"},
                    LevelCase{"3", "", std::nullopt, colours::kBlack, "输入项均不能为空！"}));

struct ExpCase {
    const char* experience;
    const char* level;
    std::optional<std::string> reached;
    std::optional<std::string> left;
    std::optional<std::string> warning;
};

class ExperienceToLevelCases : public testing::TestWithParam<ExpCase> {};

TEST_P(ExperienceToLevelCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const auto out = ExperienceToLevel(c.experience, c.level);
    EXPECT_EQ(out.warning, c.warning);
    EXPECT_EQ(out.fields[0].text, c.reached);
    EXPECT_EQ(out.fields[1].text, c.left);
    if (c.warning) {
        EXPECT_EQ(out.fields[1].colour, colours::kBlack);
    }
}

INSTANTIATE_TEST_SUITE_P(Frame, ExperienceToLevelCases,
                         testing::Values(ExpCase{"110", "1", "2", "0", std::nullopt},
                                         ExpCase{"109", "1", "1", "109", std::nullopt},
                                         ExpCase{"1000", "1", "4", "203", std::nullopt},
                                         ExpCase{"999999999", "0", "151", "44192011", std::nullopt},
                                         ExpCase{"5000", "155", "155", "5000", std::nullopt},
                                         ExpCase{"5", "156", std::nullopt, std::nullopt, "输入等级不能大于155！"},
                                         ExpCase{"", "1", std::nullopt, std::nullopt, "待输入项不能为空！"},
                                         ExpCase{"5", "", std::nullopt, std::nullopt, "待输入项不能为空！"}));

TEST(ExperienceToLevel, ExactRequirementIsPaidAtEveryLevel)
{
    for (int n = 0; n < kMaxCharacterLevel; ++n) {
        const auto out = ExperienceToLevel(std::to_string(LevelExperience(n)), std::to_string(n));
        ASSERT_EQ(out.fields[0].text, std::to_string(n + 1)) << "level " << n;
        ASSERT_EQ(out.fields[1].text, "0") << "level " << n;
    }
}

TEST(ExperienceToLevel, LeftoverIsColouredByMagnitude)
{
    EXPECT_EQ(ExperienceToLevel("999999999", "0").fields[1].colour, colours::kMagenta);
    EXPECT_EQ(ExperienceToLevel("109", "1").fields[1].colour, colours::kBlack);
}

}  // namespace
