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
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text1(2)").text, c.result);
    EXPECT_EQ(out.Final("Text1(2)").colour, c.colour);
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
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text2(2)").text, c.reached);
    EXPECT_EQ(out.Final("Text2(3)").text, c.left);
    if (c.warning) {
        EXPECT_EQ(out.Final("Text2(3)").colour, colours::kBlack);
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
        ASSERT_EQ(out.Final("Text2(2)").text, std::to_string(n + 1)) << "level " << n;
        ASSERT_EQ(out.Final("Text2(3)").text, "0") << "level " << n;
    }
}

TEST(ExperienceToLevel, LeftoverIsColouredByMagnitude)
{
    EXPECT_EQ(ExperienceToLevel("999999999", "0").Final("Text2(3)").colour, colours::kMagenta);
    EXPECT_EQ(ExperienceToLevel("109", "1").Final("Text2(3)").colour, colours::kBlack);
}

// Where the warning falls: a level out of range or an empty field turns the result black before the
// box is shown, a reversed pair only once it is closed; no warning touches the result's text.
TEST(LevelToExperience, WarningOrder)
{
    const auto range = LevelToExperience("156", "3");
    ASSERT_EQ(range.before().size(), 1u);
    EXPECT_EQ(range.before()[0].control, "Text1(2)");
    EXPECT_EQ(range.before()[0].colour, colours::kBlack);

    const auto reversed = LevelToExperience("9", "3");
    EXPECT_TRUE(reversed.before().empty());
    ASSERT_EQ(reversed.after().size(), 1u);
    EXPECT_EQ(reversed.after()[0].colour, colours::kBlack);

    const auto empty = LevelToExperience("", "3");
    EXPECT_EQ(empty.before().size(), 1u);
    EXPECT_TRUE(empty.after().empty());
    for (const auto* out : {&range, &reversed, &empty}) {
        EXPECT_FALSE(out->Final("Text1(2)").text);
    }
}

TEST(ExperienceFrames, ResetsWriteZerosAndOnlyTheSecondTurnsBlack)
{
    const auto first = LevelToExperienceReset();
    for (const char* f : {"Text1(0)", "Text1(1)", "Text1(2)"}) {
        EXPECT_EQ(first.Final(f).text, "0") << f;
    }
    EXPECT_FALSE(first.Final("Text1(2)").colour);
    const auto second = ExperienceToLevelReset();
    for (const char* f : {"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)"}) {
        EXPECT_EQ(second.Final(f).text, "0") << f;
    }
    EXPECT_EQ(second.Final("Text2(3)").colour, colours::kBlack);
}

}  // namespace
