#include "core/exam/QuestionBrowser.h"

#include <array>

namespace zicalc {

bool IsIgnoredSearchText(std::string_view text)
{
    static constexpr std::array<std::string_view, 6> kIgnored{"？", "，", "：", ")", "(", " "};
    for (std::string_view c : kIgnored) {
        if (text == c) {
            return true;
        }
    }
    return false;
}

Rgb QuestionBrowser::OptionColour(int option) const
{
    return option == selectedCategory_ ? colours::kMagenta : colours::kBlue;
}

void QuestionBrowser::ClearList()
{
    view_.clear();
    ++listGeneration_;
}

void QuestionBrowser::ClickCategory(int option)
{
    if (option < 0 || option >= kNoCategoryOption) {
        return;
    }
    questionSelected_ = false;
    if (!searchText_.empty()) {
        SetSearchText({});
    }
    shownLine_.clear();
    shownAnswer_.clear();
    if (option == selectedCategory_) {
        return;
    }
    selectedCategory_ = option;
    ClearList();
    if (option == kAllQuestionsOption) {
        view_.reserve(bank_.Count());
        for (std::size_t s = 0; s < bank_.Count(); ++s) {
            view_.push_back(s);
        }
        return;
    }
    const std::string_view name = kQuestionCategories[static_cast<std::size_t>(option - 1)];
    for (std::size_t s = 0; s < bank_.Count(); ++s) {
        if (bank_.Record(s).category == name) {
            view_.push_back(s);
        }
    }
}

void QuestionBrowser::SetSearchText(std::string_view text)
{
    questionSelected_ = false;
    shownLine_.clear();
    shownAnswer_.clear();
    searchText_.assign(text);
    ClearList();
    if (text.empty()) {
        return;  // the category stays unchecked; emptying the search does not bring it back
    }
    selectedCategory_ = kNoCategoryOption;
    if (IsIgnoredSearchText(text)) {
        return;
    }
    view_ = bank_.FindInQuestions(text);
}

void QuestionBrowser::SelectLine(std::size_t line)
{
    if (line >= view_.size() || view_[line] >= bank_.Count()) {
        return;
    }
    selectedIndex_ = view_[line];
    shownLine_ = bank_.ListLineAt(selectedIndex_);
    shownAnswer_ = bank_.Record(selectedIndex_).correct;
    questionSelected_ = true;
}

void QuestionBrowser::Reset()
{
    questionSelected_ = false;
    SetSearchText({});
    shownLine_.clear();
    shownAnswer_.clear();
    ClearList();
    selectedCategory_ = kNoCategoryOption;
}

}  // namespace zicalc
