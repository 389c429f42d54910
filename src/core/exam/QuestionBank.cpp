#include "core/exam/QuestionBank.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zicalc {

std::string ListLine(const QuestionRecord& record)
{
    std::string line;
    line.reserve(record.id.size() + record.category.size() + record.question.size() + 5);
    line += '<';
    line += record.id;
    line += ">[";
    line += record.category;
    line += "] ";
    line += record.question;
    return line;
}

void QuestionBank::Assign(std::vector<QuestionRecord> records)
{
    entries_.clear();
    entries_.reserve(records.size());
    questionText_.clear();
    questionEnds_.clear();
    questionEnds_.reserve(records.size());
    for (auto& record : records) {
        questionText_ += record.question;
        questionEnds_.push_back(questionText_.size());
        questionText_ += '\n';
        std::string line = ListLine(record);
        entries_.push_back(Entry{std::move(record), std::move(line)});
    }
}

std::vector<std::size_t> QuestionBank::FindInQuestions(std::string_view keyword) const
{
    std::vector<std::size_t> found;
    // A keyword holding a line break could only match across two questions.
    if (keyword.empty() || keyword.find('\n') != std::string_view::npos) {
        return found;
    }
    const char* const begin = questionText_.data();
    const char* const end = begin + questionText_.size();
    const char* from = begin;
    std::size_t k = 0;
    while (from < end) {
        const void* hit = memmem(from, static_cast<std::size_t>(end - from), keyword.data(), keyword.size());
        if (hit == nullptr) {
            break;
        }
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - begin);
        // The question holding the hit is the first whose end lies after it; hits come in order,
        // so the search for it starts where the previous one stopped.
        k = static_cast<std::size_t>(
            std::upper_bound(questionEnds_.begin() + static_cast<std::ptrdiff_t>(k), questionEnds_.end(), at) -
            questionEnds_.begin());
        found.push_back(k);
        from = begin + questionEnds_[k] + 1;
        ++k;
    }
    return found;
}

}  // namespace zicalc
