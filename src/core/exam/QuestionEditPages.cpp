#include "core/exam/QuestionEditPages.h"

#include <utility>

namespace zicalc {
namespace {

bool AnyEmpty(const QuestionFields& fields)
{
    for (const std::string& f : fields) {
        if (f.empty()) {
            return true;
        }
    }
    return false;
}

// The digits an id starts with (after blanks), as a number of any length.
std::string LeadingDigits(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    return std::string(text.substr(i, end - i));
}

// Adds one to a decimal number held as text (ids are text and may be longer than any integer).
std::string Increment(std::string digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

}  // namespace

std::string PlainQuestionNumber(std::string_view id)
{
    std::string digits = LeadingDigits(id);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : digits.substr(first);
}

void AddPageModel::Open(const QuestionBank& bank)
{
    status_.clear();
    idText_ = std::to_string(bank.Count() + 1);
    category_.assign(kNewQuestionCategory);
    fields_ = {};
}

EditOutcome AddPageModel::Add(QuestionStore& store)
{
    EditOutcome out;
    out.focus = EditFocus::Category;
    if (AnyEmpty(fields_)) {
        status_.assign(kEmptyFieldMessage);
        return out;
    }
    // n is the number the id field starts with, 0 read as 1; the id written is the field's text.
    std::string n = PlainQuestionNumber(idText_);
    if (n == "0") {
        n = "1";
    }
    const QuestionRecord record{idText_, category_, fields_[0], fields_[1], fields_[2], fields_[3], fields_[4]};
    BankEditResult result = store.Append(record);
    if (!result.done) {
        // Nothing was written: the page keeps what the player typed.
        out.warning = std::move(result.message);
        out.focus = EditFocus::Unchanged;
        return out;
    }
    status_.assign(kAddedMessage);
    idText_ = Increment(n);
    category_.assign(kNewQuestionCategory);
    fields_ = {};
    return out;
}

EditOutcome AddPageModel::Clear()
{
    fields_ = {};
    status_.assign(kClearedMessage);
    EditOutcome out;
    out.focus = EditFocus::Category;
    return out;
}

void ModifyPageModel::Open(const QuestionBank& bank, std::size_t index)
{
    modifyArmed_ = false;
    deleteArmed_ = false;
    status_.clear();
    index_ = index;
    opened_ = bank.Record(index);
    category_ = opened_.category;
    idText_ = PlainQuestionNumber(opened_.id);
    fields_ = {opened_.question, opened_.correct, opened_.wrong1, opened_.wrong2, opened_.wrong3};
}

EditOutcome ModifyPageModel::Done(std::string_view message)
{
    EditOutcome out;
    out.backToBrowser = true;
    out.focus = EditFocus::SearchField;
    out.warning.emplace(message);
    return out;
}

EditOutcome ModifyPageModel::Refused(std::string message)
{
    // The player reads why and confirms again; the page keeps what was typed.
    modifyArmed_ = false;
    deleteArmed_ = false;
    status_.clear();
    EditOutcome out;
    out.warning = std::move(message);
    return out;
}

EditOutcome ModifyPageModel::Modify(QuestionStore& store)
{
    deleteArmed_ = false;
    if (!modifyArmed_) {
        modifyArmed_ = true;
        status_.assign(kConfirmModifyMessage);
        return {};
    }
    if (AnyEmpty(fields_)) {
        status_.assign(kEmptyFieldMessage);
        EditOutcome out;
        out.focus = EditFocus::Category;
        return out;  // still armed: the next press goes straight on
    }
    QuestionRecord updated = opened_;
    updated.category = category_;
    updated.question = fields_[0];
    updated.correct = fields_[1];
    updated.wrong1 = fields_[2];
    updated.wrong2 = fields_[3];
    updated.wrong3 = fields_[4];
    BankEditResult result = store.Replace(index_, opened_, updated);
    if (!result.done) {
        return Refused(std::move(result.message));
    }
    return Done(kModifiedMessage);
}

EditOutcome ModifyPageModel::Delete(QuestionStore& store)
{
    modifyArmed_ = false;
    if (!deleteArmed_) {
        deleteArmed_ = true;
        status_.assign(kConfirmDeleteMessage);
        return {};
    }
    BankEditResult result = store.Remove(index_, opened_);
    if (!result.done) {
        return Refused(std::move(result.message));
    }
    return Done(kDeletedMessage);
}

EditOutcome ModifyPageModel::Cancel()
{
    modifyArmed_ = false;
    deleteArmed_ = false;
    status_.assign(kCancelledMessage);
    return {};
}

EditOutcome ModifyPageModel::Exit() const
{
    EditOutcome out;
    out.backToBrowser = true;
    out.focus = EditFocus::SearchField;
    return out;
}

std::optional<std::string_view> QuestionKeyReplacement(char32_t typed, bool& quoteToggle)
{
    switch (typed) {
        case U'"': {
            const std::string_view quote = quoteToggle ? "”" : "“";
            quoteToggle = !quoteToggle;
            return quote;
        }
        case U'(':
            return "（";
        case U')':
            return "）";
        case U',':
            return "，";
        case U':':
            return "：";
        case U';':
            return "；";
        case U'<':
            return "《";
        case U'>':
            return "》";
        case U'?':
            return "？";
        default:
            return std::nullopt;
    }
}

bool IsAllowedQuestionText(std::string_view text)
{
    return text.find_first_of(",\"") == std::string_view::npos;
}

}  // namespace zicalc
