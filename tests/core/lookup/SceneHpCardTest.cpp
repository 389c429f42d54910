#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/lookup/SceneHpCard.h"

using namespace zicalc;

namespace {

constexpr Rgb kPurple{192, 0, 192};

TEST(SceneHpTable, TitlesAndLineCounts)
{
    EXPECT_EQ(SceneHpTable[0].title, "【东海湾】");
    EXPECT_EQ(SceneHpTable[19].title, "【狮陀岭】");
    EXPECT_EQ(SceneHpTable[46].title, "【小雷音寺】");
    for (const auto& scene : SceneHpTable) {
        EXPECT_GE(scene.monsters.size(), 1u) << scene.title;
        EXPECT_LE(scene.monsters.size(), 6u) << scene.title;
        EXPECT_EQ(scene.title.find(' '), std::string_view::npos) << scene.title;
    }
    EXPECT_EQ(SceneHpTable[6].monsters.size(), 6u);
    EXPECT_EQ(SceneHpTable[33].monsters.size(), 4u);
    EXPECT_EQ(SceneHpTable[43].monsters.size(), 3u);
}

TEST(SceneHpTable, GridHoldsEverySceneOnceInItsOwnCell)
{
    std::set<std::size_t> scenes;
    std::set<std::pair<int, int>> cells;
    for (const auto& label : SceneLabelGrid) {
        scenes.insert(label.scene);
        cells.emplace(label.row, label.column);
        EXPECT_LT(label.row, 10);
        EXPECT_LT(label.column, 5);
    }
    EXPECT_EQ(scenes.size(), kSceneCount);
    EXPECT_EQ(cells.size(), kSceneCount);
    // A few cells whose order or caption differs from the scene list.
    EXPECT_EQ(SceneLabelGrid[0].caption, "【 东海湾 】");
    const auto at = [](int row, int column) {
        for (const auto& l : SceneLabelGrid) {
            if (l.row == row && l.column == column) {
                return std::pair<std::size_t, std::string_view>(l.scene, l.caption);
            }
        }
        return std::pair<std::size_t, std::string_view>(kNoScene, "");
    };
    EXPECT_EQ(at(6, 1), (std::pair<std::size_t, std::string_view>(21, "【 盘丝岭  】")));
    EXPECT_EQ(at(8, 1), (std::pair<std::size_t, std::string_view>(23, "【  月宫   】")));
    EXPECT_EQ(at(8, 3), (std::pair<std::size_t, std::string_view>(19, "【狮陀岭 】")));
    EXPECT_EQ(at(9, 2), (std::pair<std::size_t, std::string_view>(46, "【 小雷音寺  】")));
    EXPECT_EQ(at(9, 4).first, kNoScene);
}

struct LineCase {
    std::size_t scene;
    std::size_t monster;
    const char* line;
};

class MonsterLines : public testing::TestWithParam<LineCase> {};

TEST_P(MonsterLines, PadNamesToTheWidestOfTheScene)
{
    const auto& c = GetParam();
    EXPECT_EQ(MonsterLine(SceneHpTable[c.scene], c.monster), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MonsterLines,
    testing::Values(LineCase{1, 1, "巨蛙   血量 <63> <75> <83>"}, LineCase{1, 0, "大海龟 血量 <66> <79> <88>"},
                    LineCase{13, 0, "狼     血量 <353> <362> <377>"}, LineCase{33, 1, "地狱战神 血量 <1180> <1197> <>"},
                    LineCase{43, 2, "鬼将   血量 <> <> <>"}, LineCase{44, 1, "灵符女娲 血量 <1583> <> <>"}));

TEST(SceneHpCard, OpensWithNothingSelectedAndEmptyLines)
{
    const SceneHpCard card;
    EXPECT_EQ(card.SelectedScene(), kNoScene);
    for (std::size_t i = 0; i < kSceneLineCount; ++i) {
        EXPECT_EQ(card.View().lines[i], "");
    }
    EXPECT_EQ(card.View().lineColours, (std::array<Rgb, 7>{kPurple, colours::kBlue, colours::kMagenta, colours::kBlue,
                                                           colours::kMagenta, colours::kBlue, colours::kMagenta}));
    for (const Rgb c : card.View().labelColours) {
        EXPECT_EQ(c, colours::kBlue);
    }
}

TEST(SceneHpCard, FirstClickMarksOnlyThatLabelAndShowsItsLines)
{
    SceneHpCard card;
    card.Show(0);
    const auto& v = card.View();
    EXPECT_EQ(v.lines[0], "【东海湾】");
    EXPECT_EQ(v.lines[1], "大海龟 血量 <35> <43> <57>");
    for (std::size_t i = 2; i < kSceneLineCount; ++i) {
        EXPECT_EQ(v.lines[i], "") << i;
    }
    for (std::size_t k = 0; k <= kNoScene; ++k) {
        EXPECT_EQ(v.labelColours[k], k == 0 ? colours::kRed : colours::kBlue) << k;
    }
}

TEST(SceneHpCard, ShorterSceneLeavesNoLinesOfTheLongerBehind)
{
    SceneHpCard card;
    card.Show(6);  // all six lines
    EXPECT_EQ(card.View().lines[6], "羊头怪 血量 <144> <153> <162>");
    card.Show(46);
    EXPECT_EQ(card.View().lines[0], "【小雷音寺】");
    EXPECT_EQ(card.View().lines[1], "大力金刚 血量 <> <> <>");
    EXPECT_EQ(card.View().lines[3], "灵鹤     血量 <> <> <>");
    EXPECT_EQ(card.View().lines[4], "");
    EXPECT_EQ(card.View().lines[6], "");
    EXPECT_EQ(card.View().labelColours[6], colours::kBlue);
    EXPECT_EQ(card.View().labelColours[46], colours::kRed);
}

TEST(SceneHpCard, ClearKeepsTheMarkSoTheSameLabelStaysBlue)
{
    SceneHpCard card;
    card.Clear();  // right after opening: only the caption-less label is touched
    EXPECT_EQ(card.SelectedScene(), kNoScene);
    card.Show(5);
    card.Clear();
    for (const auto& line : card.View().lines) {
        EXPECT_EQ(line, "");
    }
    EXPECT_EQ(card.View().labelColours[5], colours::kBlue);
    EXPECT_EQ(card.SelectedScene(), 5u);

    card.Show(5);
    EXPECT_EQ(card.View().lines[0], "【大唐国境】");
    EXPECT_EQ(card.View().labelColours[5], colours::kBlue);

    card.Show(7);
    EXPECT_EQ(card.View().labelColours[7], colours::kRed);
    EXPECT_EQ(card.View().labelColours[5], colours::kBlue);
}

TEST(SceneHpCard, CaptionlessLabelEmptiesTheLinesAndUnmarks)
{
    SceneHpCard card;
    card.Show(3);
    card.Show(kNoScene);
    for (const auto& line : card.View().lines) {
        EXPECT_EQ(line, "");
    }
    EXPECT_EQ(card.View().labelColours[3], colours::kBlue);
    EXPECT_EQ(card.SelectedScene(), kNoScene);
}

}  // namespace
