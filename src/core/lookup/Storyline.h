#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zicalc {

// What a line of the storyline list leads to: the preface, a storyline (0 … 13), or nothing.
inline constexpr int kPreface = -1;
inline constexpr int kNoStoryline = -2;

struct StorylineItem final {
    std::string_view text;
    int storyline;
};

inline constexpr int kStorylineCount = 14;
inline constexpr int kStorylinePageCount = 5;

// The storyline list: blank lines between the entries, a heading without a text of its own for
// the two branches of the fourth storyline, and a single space at the end.
inline constexpr std::array<StorylineItem, 33> StorylineItems{{
    {"", kNoStoryline},  {"剧情前言", kPreface},          {"", kNoStoryline}, {"剧情任务一：商人的鬼魂", 0},
    {"", kNoStoryline},  {"剧情任务二：枯萎的金莲", 1},   {"", kNoStoryline}, {"剧情任务三：玄奘的身世", 2},
    {"", kNoStoryline},  {"剧情任务四：", kNoStoryline},  {"", kNoStoryline}, {" *(分支一)：寻找四琉璃", 3},
    {"", kNoStoryline},  {" *(分支二)：大战心魔", 4},     {"", kNoStoryline}, {"剧情任务五：含冤的小白龙", 5},
    {"", kNoStoryline},  {"剧情任务六：八戒悟空剧情", 6}, {"", kNoStoryline}, {"剧情任务七：三打白骨精", 7},
    {"", kNoStoryline},  {"剧情任务八：真假美猴王", 8},   {"", kNoStoryline}, {"剧情任务九：智取芭蕉扇", 9},
    {"", kNoStoryline},  {"***无名鬼城剧情***", 10},      {"", kNoStoryline}, {"***女娲神迹剧情***", 11},
    {"", kNoStoryline},  {"***小雷音寺剧情***", 12},      {"", kNoStoryline}, {"***飞升剧情***", 13},
    {" ", kNoStoryline},
}};

// Suffixes of the five page headings, in page order: introduction, walkthrough, rewards, items
// needed, notes.
inline constexpr std::array<std::string_view, kStorylinePageCount> kStorylinePageSuffixes{
    "剧情简介：", "剧情流程：", "剧情奖励：", "剧情所需物品：", "剧情注意事项：",
};

// One storyline's five pages; each begins with its heading line (`title` + the page's suffix) and
// separates its lines with '\n'.
struct Storyline final {
    std::string_view title;  // "<商人的鬼魂>", or a bare name where the game writes none
    std::array<std::string_view, kStorylinePageCount> pages;
};

extern const std::string_view StorylinePreface;
extern const std::array<Storyline, kStorylineCount> StorylinePages;

// The text areas, numbered as the window shows them: 0 the preface (Text1), then five per
// storyline: 1 + 5 × storyline + page (Text2(0) … Text15(4)).
inline constexpr int kStorylineTextCount = 1 + kStorylineCount * kStorylinePageCount;
inline constexpr int kNoStorylineText = -1;
constexpr int StorylineTextIndex(int storyline, int page)
{
    return 1 + storyline * kStorylinePageCount + page;
}
std::string StorylineTextName(int text);  // "Text1", "Text2(0)", … "Text15(4)"
std::string_view StorylineText(int text);

// What the storyline window shows.
struct StorylineView final {
    int item = 1;                 // CurrentStoryItem, the list line selected
    int page = 0;                 // CurrentStoryPage
    int text = 0;                 // the text area shown, or kNoStorylineText
    bool buttonsEnabled = false;  // dcButton1(0) … dcButton1(4)
};

// The storyline window's state and its two rules.
class StorylineGuide final {
public:
    StorylineGuide();  // the preface, as at load

    const StorylineView& view() const { return view_; }

    // Any change of the list selection, by mouse or keyboard.
    void Select(int item);
    // dcButton1(k).
    void ShowPage(int page);

private:
    StorylineView view_;
};

}  // namespace zicalc
