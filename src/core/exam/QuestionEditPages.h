#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/exam/QuestionBank.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {

// Texts of the add and modify pages.
inline constexpr std::string_view kEmptyFieldMessage = "待输入框不能为空！";
inline constexpr std::string_view kAddedMessage = "添加完毕!";
inline constexpr std::string_view kClearedMessage = "清空完毕!";
inline constexpr std::string_view kConfirmModifyMessage = "请再按一次“修改”键确认！";
inline constexpr std::string_view kConfirmDeleteMessage = "请再按一次“删除”键确认!";
inline constexpr std::string_view kCancelledMessage = "修改/删除已被取消了！";
inline constexpr std::string_view kModifiedMessage = "修改完毕!";
inline constexpr std::string_view kDeletedMessage = "删除完毕!";
inline constexpr std::string_view kCommaRefusedMessage = "不能带有逗号或分号！";

// The five text fields of both pages: question, correct answer, wrong answers 1-3.
inline constexpr std::size_t kQuestionFieldCount = 5;
using QuestionFields = std::array<std::string, kQuestionFieldCount>;

// Where the focus goes after a button of the editing pages.
enum class EditFocus { Unchanged, Category, FirstField, SearchField };

// What a button of an editing page asks of the window besides rendering the page again.
struct EditOutcome final {
    std::optional<std::string> warning;  // for the warning box, after the page is rendered
    EditFocus focus = EditFocus::Unchanged;
    bool backToBrowser = false;  // reset the browser, show it, hide this page
};

// The id shown on the modify page: the number the id starts with, without leading zeros.
std::string PlainQuestionNumber(std::string_view id);

// The add page Frame2(9): category Combo5, id Text23, fields Text18(0-4), status Label19.
class AddPageModel final {
public:
    // Button17(1) "添加" on the browser page.
    void Open(const QuestionBank& bank);
    // Button22(0) "添加": checks, appends one line, reads the file back.
    EditOutcome Add(QuestionStore& store);
    // Button22(1) "清空".
    EditOutcome Clear();

    void SetCategory(std::string_view category) { category_.assign(category); }
    void SetField(std::size_t i, std::string_view text) { fields_.at(i).assign(text); }

    const std::string& category() const { return category_; }
    const std::string& idText() const { return idText_; }
    const QuestionFields& fields() const { return fields_; }
    const std::string& status() const { return status_; }

private:
    std::string category_{kNewQuestionCategory};
    std::string idText_;
    QuestionFields fields_;
    std::string status_;
};

// The modify page Frame2(10): category Combo6, id Text25, fields Text26(0-4), status Label20, and
// the two-press confirmation of "修改" and "删除".
class ModifyPageModel final {
public:
    // Button17(2) "修改" on the browser page, for bank record `index`.
    void Open(const QuestionBank& bank, std::size_t index);
    // Button23(0) "修改" and Button23(1) "删除": the first press arms, the second acts.
    EditOutcome Modify(QuestionStore& store);
    EditOutcome Delete(QuestionStore& store);
    // Button23(3) "取消".
    EditOutcome Cancel();
    // Button23(2) "退出": the armed flags stay as they are.
    EditOutcome Exit() const;

    void SetCategory(std::string_view category) { category_.assign(category); }
    void SetField(std::size_t i, std::string_view text) { fields_.at(i).assign(text); }

    const std::string& category() const { return category_; }
    const std::string& idText() const { return idText_; }
    const QuestionFields& fields() const { return fields_; }
    const std::string& status() const { return status_; }
    bool modifyArmed() const { return modifyArmed_; }
    bool deleteArmed() const { return deleteArmed_; }

private:
    EditOutcome Done(std::string_view message);
    EditOutcome Refused(std::string message);

    std::string category_;
    std::string idText_;
    QuestionFields fields_;
    std::string status_;
    bool modifyArmed_ = false;
    bool deleteArmed_ = false;
    // The record opened: its place in the bank and what it held, so an edit changes that record.
    std::size_t index_ = 0;
    QuestionRecord opened_;
};

// What a typed character becomes in a question field: the full-width form of ( ) , : ; < > ?, and
// for a double quote an opening or closing one by turns (`quoteToggle` is shared by all ten fields).
// Nothing when the character goes in as typed.
std::optional<std::string_view> QuestionKeyReplacement(char32_t typed, bool& quoteToggle);

// Text that may stand in a question field: neither an ASCII comma nor an ASCII double quote, which
// would break the line apart or turn into quoting when read back.
bool IsAllowedQuestionText(std::string_view text);

}  // namespace zicalc
