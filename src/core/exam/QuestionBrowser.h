#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Rgb.h"
#include "core/exam/QuestionBank.h"

namespace zicalc {

// Options Option3(0) … Option3(10) are 全部题目 and the ten categories; Option3(11), hidden, stands
// for "no category".
inline constexpr int kAllQuestionsOption = 0;
inline constexpr int kNoCategoryOption = 11;
inline constexpr int kCategoryOptionCount = 12;

// The browser page: lists the bank by category or by a keyword in the question text, and shows
// the correct answer of the line clicked. The window renders it whole after each operation.
class QuestionBrowser final {
public:
    explicit QuestionBrowser(const QuestionBank& bank) : bank_(bank) {}

    // A category option clicked (0 … 10).
    void ClickCategory(int option);
    // The search field's text changed (typed or set by the program).
    void SetSearchText(std::string_view text);
    // A line of the list selected (by mouse or keyboard).
    void SelectLine(std::size_t line);
    // QuestionSelected = false, the list and answer left as they are (leaving for another page).
    void ForgetSelection() { questionSelected_ = false; }
    // ResetBrowser: nothing selected, search field and answer emptied, list emptied, no category.
    void Reset();

    // What the page shows.
    const std::string& searchText() const { return searchText_; }    // Text17
    int selectedCategory() const { return selectedCategory_; }       // SelectedCategory, 11 = none
    bool questionSelected() const { return questionSelected_; }      // QuestionSelected
    const std::string& shownLine() const { return shownLine_; }      // Text19(0)
    const std::string& shownAnswer() const { return shownAnswer_; }  // Text19(1)
    // The option's text colour: magenta for the checked one, blue for the others.
    Rgb OptionColour(int option) const;

    // QuestionView: list line i shows bank record ViewIndex(i).
    std::size_t ViewCount() const { return view_.size(); }
    std::size_t ViewIndex(std::size_t line) const { return view_.at(line); }
    const std::string& ViewLine(std::size_t line) const { return bank_.ListLineAt(view_.at(line)); }
    // The bank record behind the selected line; meaningful while questionSelected().
    std::size_t selectedIndex() const { return selectedIndex_; }

    // Bumped whenever the list is rebuilt or emptied, so a list view knows to refresh.
    std::uint64_t listGeneration() const { return listGeneration_; }

private:
    void ClearList();

    const QuestionBank& bank_;
    std::string searchText_;
    int selectedCategory_ = kNoCategoryOption;
    bool questionSelected_ = false;
    std::string shownLine_;
    std::string shownAnswer_;
    std::vector<std::size_t> view_;
    std::size_t selectedIndex_ = 0;
    std::uint64_t listGeneration_ = 0;
};

// A search text that is one of these single characters lists nothing (they are in nearly every
// question).
bool IsIgnoredSearchText(std::string_view text);

}  // namespace zicalc
