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
    std::size_t textSize = 0;
    for (const auto& record : records) {
        textSize += record.question.size() + 1;
    }
    questionText_.reserve(textSize);
    for (auto& record : records) {
        questionText_ += record.question;
        questionEnds_.push_back(questionText_.size());
        questionText_ += '\n';
        std::string line = ListLine(record);
        entries_.push_back(Entry{std::move(record), std::move(line)});
    }
}

void QuestionBank::SpliceQuestion(std::size_t k, std::string_view question)
{
    const std::size_t start = k == 0 ? 0 : questionEnds_[k - 1] + 1;
    const std::size_t oldLength = questionEnds_[k] - start;
    questionText_.replace(start, oldLength, question);
    for (std::size_t i = k; i < questionEnds_.size(); ++i) {
        questionEnds_[i] = questionEnds_[i] - oldLength + question.size();
    }
}

void QuestionBank::Set(std::size_t k, QuestionRecord record)
{
    Entry& entry = entries_.at(k);
    if (entry.record.question != record.question) {
        SpliceQuestion(k, record.question);
    }
    entry.listLine = ListLine(record);
    entry.record = std::move(record);
}

void QuestionBank::RemoveMovingLast(std::size_t k)
{
    const std::size_t last = entries_.size() - 1;
    if (k > last) {
        return;
    }
    if (k != last) {
        Set(k, std::move(entries_[last].record));
    }
    const std::size_t start = last == 0 ? 0 : questionEnds_[last - 1] + 1;
    questionText_.resize(start);
    questionEnds_.pop_back();
    entries_.pop_back();
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
