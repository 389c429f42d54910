#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exam/QuestionBank.h"

namespace zicalc {

// Everything the mini query window shows.
struct MiniView final {
    std::string searchText;        // Text1
    std::string question;          // Text2
    std::string answer;            // Text3
    std::string position;          // Label1(0): the match shown, counted from 1; "0" when none
    std::string count;             // Label1(1): the number of matches; "0" when none
    bool previousEnabled = false;  // Button2(0) 上翻
    bool nextEnabled = false;      // Button2(1) 下翻
};

// The keys the search field hands to the model.
enum class MiniKey { Up, Down, PageUp, PageDown, Escape };

// The mini query window's model: its own copy of the bank, searched by question text on every
// change of the search field, with paging through the matches.
class MiniQuery final {
public:
    // Reads the bank file into this window's own copy. A missing or empty file leaves nothing to
    // find and says so.
    std::optional<std::string> Load(const std::filesystem::path& path);

    // The search field's text changed (typed or set by the program).
    void SetSearchText(std::string_view text);
    // 下翻 and 上翻.
    void Next();
    void Previous();
    // A key in the search field; true when the field must not see it (the arrows that paged).
    bool Key(MiniKey key);

    const MiniView& view() const { return view_; }
    std::size_t bankCount() const { return bank_.Count(); }
    std::size_t matchCount() const { return matches_.size(); }
    std::size_t index() const { return index_; }

private:
    void ShowMatch();

    QuestionBank bank_;
    std::vector<std::size_t> matches_;  // MiniMatches, as bank indices in bank order
    std::size_t index_ = 0;             // MiniIndex
    bool pagingAllowed_ = false;
    MiniView view_{{}, {}, {}, "0", "0", false, false};
};

// A search text that is one of these single characters lists nothing here (a list of its own,
// not the browser's).
bool IsIgnoredMiniSearchText(std::string_view text);

// Where the mini window goes. Sizes in pixels; the screen rectangle is the one the window is on.
struct MiniScreen final {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
struct MiniPoint final {
    int left = 0;
    int top = 0;
    bool operator==(const MiniPoint&) const = default;
};

// The gap kept below the bottom corners: 1200 twips.
inline constexpr int kMiniBottomGap = 80;

enum class MiniCornerPlace { BottomLeft, TopRight, BottomRight };

// The window's place in a corner. The bottom corners sit the window's width (not its height)
// plus the gap above the screen's bottom; the result is clamped so the window stays on screen.
MiniPoint MiniCornerPoint(MiniCornerPlace place, const MiniScreen& screen, int windowWidth, int windowHeight);

// The corner button: MiniCorner 1 → bottom left (next 2), 2 → top right (next 3), 3 → bottom
// right (next 1). The window starts bottom right with MiniCorner 1.
class MiniCorner final {
public:
    int value() const { return value_; }
    MiniCornerPlace Press();

private:
    int value_ = 1;
};

}  // namespace zicalc
