#include <gtest/gtest.h>

#include "core/lookup/Storyline.h"

using namespace zicalc;

namespace {

std::vector<std::string> LinesOf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return lines;
        }
        start = end + 1;
    }
}

bool HasLine(std::string_view text, std::string_view line)
{
    for (const std::string& l : LinesOf(text)) {
        if (l == line) {
            return true;
        }
    }
    return false;
}

// An introduction line without its two full-width indenting spaces.
std::string Unindented(const std::string& line)
{
    const std::string indent = "　　";
    return line.starts_with(indent) ? line.substr(indent.size()) : line;
}

TEST(StorylineItems, ThirtyThreeLinesWithBlanksBetween)
{
    ASSERT_EQ(StorylineItems.size(), 33U);
    for (std::size_t i = 0; i <= 30; i += 2) {
        EXPECT_EQ(StorylineItems[i].text, "") << i;
        EXPECT_EQ(StorylineItems[i].storyline, kNoStoryline) << i;
    }
    EXPECT_EQ(StorylineItems[1].text, "剧情前言");
    EXPECT_EQ(StorylineItems[1].storyline, kPreface);
    EXPECT_EQ(StorylineItems[3].text, "剧情任务一：商人的鬼魂");
    EXPECT_EQ(StorylineItems[9].text, "剧情任务四：");
    EXPECT_EQ(StorylineItems[9].storyline, kNoStoryline);
    EXPECT_EQ(StorylineItems[11].text, " *(分支一)：寻找四琉璃");
    EXPECT_EQ(StorylineItems[13].text, " *(分支二)：大战心魔");
    EXPECT_EQ(StorylineItems[25].text, "***无名鬼城剧情***");
    EXPECT_EQ(StorylineItems[31].text, "***飞升剧情***");
    EXPECT_EQ(StorylineItems[32].text, " ");
    EXPECT_EQ(StorylineItems[32].storyline, kNoStoryline);
    int story = 0;
    for (const int item : {3, 5, 7, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31}) {
        EXPECT_EQ(StorylineItems[static_cast<std::size_t>(item)].storyline, story++) << item;
    }
}

// Titles as the list names the storylines; 飞升 has no brackets.
constexpr std::array<std::string_view, kStorylineCount> kTitles{
    "<商人的鬼魂>", "<枯萎的金莲>", "<玄奘的身世>", "<寻找四琉璃>", "<大战心魔>", "<含冤的小白龙>", "<八戒悟空剧情>",
    "<三打白骨精>", "<真假美猴王>", "<智取芭蕉扇>", "<无名鬼城>",   "<女娲神迹>", "<小雷音寺>",     "飞升",
};
constexpr std::array<std::string_view, kStorylinePageCount> kSuffixes{
    "剧情简介：", "剧情流程：", "剧情奖励：", "剧情所需物品：", "剧情注意事项：",
};

TEST(StorylinePages, EveryPageStartsWithItsHeadingAndLaterOnesHoldOnlyIt)
{
    for (int s = 0; s < kStorylineCount; ++s) {
        for (int p = 0; p < kStorylinePageCount; ++p) {
            const std::string heading =
                std::string(kTitles[static_cast<std::size_t>(s)]) + std::string(kSuffixes[static_cast<std::size_t>(p)]);
            const std::string_view text = StorylineText(StorylineTextIndex(s, p));
            EXPECT_EQ(LinesOf(text).front(), heading);
            if (s >= 7 && p > 0) {
                EXPECT_EQ(text, heading);
            } else {
                EXPECT_GT(LinesOf(text).size(), 1U) << heading;
            }
        }
    }
}

TEST(StorylinePages, IntroductionsOpenWithTheirFirstLine)
{
    constexpr std::array<std::string_view, kStorylineCount> kFirst{
        "领取地点：建邺城（223，132）",
        "领取地点：东海湾（53，81）",
        "领取地点：长寿村（110，189）",
        "领取地点：大唐境外（234，57）",
        "领取地点：大唐境外（234，57）",
        "领取地点：天宫（18，129）",
        "领取地点：月宫（105，57）",
        "领取地点：大唐境外（350，30）",
        "领取地点：金山寺（8，16）",
        "领取地点：大唐境外（208，102）",
        "当年刑天挑战天帝落败，被囚禁在地府。",
        "在中国的神话传说中，女娲是人类的始祖，",
        "玩家在进入新场景前，需要先领取小雷音",
        "领取地点：月宫(9，34)",
    };
    for (int s = 0; s < kStorylineCount; ++s) {
        const auto lines = LinesOf(StorylineText(StorylineTextIndex(s, 0)));
        ASSERT_GT(lines.size(), 1U);
        EXPECT_TRUE(lines[1].starts_with("　　")) << lines[1];
        EXPECT_TRUE(Unindented(lines[1]).starts_with(kFirst[static_cast<std::size_t>(s)])) << lines[1];
    }
    const auto preface = LinesOf(StorylineText(0));
    EXPECT_EQ(preface[0], "剧情前言：");
    EXPECT_EQ(preface[1], "剧情任务讲述的是ride的背景故事：");
}

TEST(StorylinePages, TellingLinesAndNoCarriageReturns)
{
    constexpr int kMerchant = 0;
    EXPECT_TRUE(HasLine(StorylineText(StorylineTextIndex(kMerchant, 3)), "→熊胆1个"));
    EXPECT_TRUE(HasLine(StorylineText(StorylineTextIndex(kMerchant, 3)), "→海毛虫1条"));
    EXPECT_EQ(LinesOf(StorylineText(StorylineTextIndex(kMerchant, 4)))[1], "→物品拦最好留3个空格以上。");
    for (const int s : {4, 5, 6}) {
        EXPECT_EQ(LinesOf(StorylineText(StorylineTextIndex(s, 2)))[1], "暂缺") << s;
    }
    EXPECT_TRUE(HasLine(StorylineText(StorylineTextIndex(4, 2)), "******本剧情共可获得 7 点剧情点*****"));
    for (int t = 0; t < kStorylineTextCount; ++t) {
        EXPECT_EQ(StorylineText(t).find('\r'), std::string_view::npos) << StorylineTextName(t);
    }
}

TEST(StorylineTextNames, PrefaceThenFivePerStoryline)
{
    EXPECT_EQ(StorylineTextName(0), "Text1");
    EXPECT_EQ(StorylineTextName(StorylineTextIndex(0, 0)), "Text2(0)");
    EXPECT_EQ(StorylineTextName(StorylineTextIndex(0, 4)), "Text2(4)");
    EXPECT_EQ(StorylineTextName(StorylineTextIndex(13, 4)), "Text15(4)");
    EXPECT_EQ(kStorylineTextCount, 71);
}

TEST(StorylineGuide, OpensOnThePrefaceWithButtonsOff)
{
    const StorylineGuide guide;
    EXPECT_EQ(guide.view().item, 1);
    EXPECT_EQ(guide.view().text, 0);
    EXPECT_FALSE(guide.view().buttonsEnabled);
}

TEST(StorylineGuide, StorylineStartsAtItsIntroductionAndPagesSwitch)
{
    StorylineGuide guide;
    guide.Select(3);
    EXPECT_EQ(guide.view().text, StorylineTextIndex(0, 0));
    EXPECT_TRUE(guide.view().buttonsEnabled);
    guide.ShowPage(1);
    EXPECT_EQ(guide.view().text, StorylineTextIndex(0, 1));
    EXPECT_EQ(guide.view().page, 1);
    guide.ShowPage(1);
    EXPECT_EQ(guide.view().text, StorylineTextIndex(0, 1));

    guide.Select(19);  // 三打白骨精
    EXPECT_EQ(guide.view().page, 0);
    EXPECT_EQ(guide.view().text, StorylineTextIndex(7, 0));
    guide.ShowPage(2);
    EXPECT_EQ(StorylineText(guide.view().text), "<三打白骨精>剧情奖励：");

    guide.Select(19);  // the same line again starts over too
    EXPECT_EQ(guide.view().text, StorylineTextIndex(7, 0));
}

class StorylineBlankItems : public testing::TestWithParam<int> {};

TEST_P(StorylineBlankItems, ShowNothingAndIgnoreThePageButtons)
{
    StorylineGuide guide;
    guide.Select(5);
    guide.ShowPage(3);
    guide.Select(GetParam());
    EXPECT_EQ(guide.view().text, kNoStorylineText);
    EXPECT_FALSE(guide.view().buttonsEnabled);
    guide.ShowPage(2);
    EXPECT_EQ(guide.view().text, kNoStorylineText);
    EXPECT_EQ(guide.view().page, 0);
}

INSTANTIATE_TEST_SUITE_P(EmptyHeadingAndSpace, StorylineBlankItems, testing::Values(0, 2, 9, 30, 32));

TEST(StorylineGuide, PrefaceIgnoresThePageButtons)
{
    StorylineGuide guide;
    guide.ShowPage(2);
    EXPECT_EQ(guide.view().text, 0);
    EXPECT_EQ(guide.view().page, 0);
}

}  // namespace
