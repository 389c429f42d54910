#pragma once

#include <optional>
#include <string>

namespace zicalc {

inline constexpr int kCategoryCount = 8;
inline constexpr int kChildrenCategory = 4;  // 孩子: no content yet
inline constexpr int kExamCategory = 5;      // 科举: needs test.dat

// The question bank's own pages after the eight category pages; only its buttons show them.
inline constexpr int kMockExamPage = 8;
inline constexpr int kAddQuestionPage = 9;
inline constexpr int kModifyQuestionPage = 10;
inline constexpr int kPageCount = 11;

// What a click on category button `clicked` does, given the page shown, whether one of the
// question bank's own pages (exam, add, modify) is up, and whether test.dat exists.
struct CategoryDecision final {
    std::optional<std::string> warning;
    std::optional<int> switchTo;  // the page to show; empty = nothing changes
    bool loadBank = false;        // the first switch to 科举 loads the bank
};

struct CategoryState final {
    int current = 0;
    bool bankPageShown = false;
    bool bankFileExists = false;
    bool bankLoaded = false;
};

CategoryDecision DecideCategorySwitch(int clicked, const CategoryState& state);

}  // namespace zicalc
