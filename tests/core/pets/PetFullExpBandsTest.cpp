#include <gtest/gtest.h>

#include "core/pets/PetFullExpBands.h"

using namespace zicalc;

namespace {

TEST(PetFullExpBands, CoverEveryLevelOnceWithoutGaps)
{
    int next = 0;
    for (const auto& band : PetFullExpBands) {
        EXPECT_EQ(band.low, next) << band.scene;
        EXPECT_LE(band.low, band.high) << band.scene;
        EXPECT_LT(band.experience, 32768) << band.scene;
        next = band.high + 1;
    }
    EXPECT_EQ(next, kMaxFullExpLevel + 1);
}

// The first level of every band and its experience, copied from the band table apart from the
// data; every level from 0 to 131 must land in the band that starts at or below it.
TEST(PetFullExpBands, EveryLevelFindsItsBand)
{
    constexpr std::array<int, 42> kStarts{0,  2,  4,  6,  8,  11, 12, 16, 20, 24, 26, 28,  29,  32,
                                          33, 35, 36, 37, 38, 40, 43, 46, 48, 50, 54, 58,  62,  66,
                                          68, 70, 72, 74, 76, 78, 80, 83, 84, 88, 96, 104, 112, 121};
    constexpr std::array<int, 42> kExperience{414,  724,  931,  1138, 1345, 1656,  1759,  2173,  2587, 3001, 3208,
                                              3415, 3519, 3829, 3933, 4140, 4243,  4347,  4450,  4657, 4968, 5278,
                                              5485, 5692, 6106, 6520, 6934, 7348,  7567,  7762,  7969, 8176, 8383,
                                              8590, 8797, 9108, 9211, 9625, 10453, 11281, 12108, 13104};
    std::size_t band = 0;
    for (int level = 0; level <= kMaxFullExpLevel; ++level) {
        if (band + 1 < kStarts.size() && level == kStarts[band + 1]) {
            ++band;
        }
        const std::string text = level < 10 ? "0" + std::to_string(level) : std::to_string(level);
        const auto out = FullExpScene(text);
        ASSERT_TRUE(out.Final("Label14(1)").text) << "level " << level;
        EXPECT_EQ(*out.Final("Label14(1)").text, std::to_string(kExperience[band])) << "level " << level;
        EXPECT_EQ(*out.Final("Label14(0)").text, PetFullExpBands[band].scene) << "level " << level;
    }
}

struct SceneCase {
    const char* level;
    const char* scene;
    const char* experience;
};

class FullExpSceneCases : public testing::TestWithParam<SceneCase> {};

TEST_P(FullExpSceneCases, ShowsSceneAndExperience)
{
    const auto& c = GetParam();
    const auto out = FullExpScene(c.level);
    EXPECT_FALSE(out.warning());
    EXPECT_EQ(out.Final("Label14(0)").text, c.scene);
    EXPECT_EQ(out.Final("Label14(1)").text, c.experience);
}

// Including the one-level bands 11, 28, 32, 35, 36, 37 and 83 against both neighbours.
INSTANTIATE_TEST_SUITE_P(Combo, FullExpSceneCases,
                         testing::Values(SceneCase{"00", "东海湾", "414"}, SceneCase{"01", "东海湾", "414"},
                                         SceneCase{"10", "大雁塔一层", "1345"}, SceneCase{"11", "大唐国境", "1656"},
                                         SceneCase{"12", "大雁塔二层", "1759"}, SceneCase{"27", "长寿郊外", "3208"},
                                         SceneCase{"28", "大雁塔六层", "3415"}, SceneCase{"29", "花果山", "3519"},
                                         SceneCase{"31", "花果山", "3519"}, SceneCase{"32", "魔王寨", "3829"},
                                         SceneCase{"33", "海底迷宫一", "3933"}, SceneCase{"34", "海底迷宫一", "3933"},
                                         SceneCase{"35", "海底迷宫二", "4140"}, SceneCase{"36", "普陀山", "4243"},
                                         SceneCase{"37", "海底迷宫三/地府迷宫二", "4347"},
                                         SceneCase{"38", "盘丝岭", "4450"}, SceneCase{"82", "龙窟六层", "8797"},
                                         SceneCase{"83", "凤巢六层", "9108"}, SceneCase{"84", "龙窟七层", "9211"},
                                         SceneCase{"120", "小西天", "12108"}, SceneCase{"121", "小雷音寺", "13104"},
                                         SceneCase{"131", "小雷音寺", "13104"}));

TEST(FullExpScene, LevelBeyondTheTableChangesNothing)
{
    for (const char* text : {"132", "", "x"}) {
        const auto out = FullExpScene(text);
        EXPECT_FALSE(out.warning());
        EXPECT_FALSE(out.Final("Label14(0)").text) << text;
        EXPECT_FALSE(out.Final("Label14(1)").text) << text;
    }
    EXPECT_EQ(FindFullExpBand(131.5), nullptr);
}

}  // namespace
