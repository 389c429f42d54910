#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zicalc {

// One question of test.dat: its seven fields in file order, as UTF-8 text.
struct QuestionRecord final {
    std::string id;        // the question number as written in the file ("04" stays "04")
    std::string category;  // one of kQuestionCategories, or whatever a hand-edited file holds
    std::string question;
    std::string correct;
    std::string wrong1;
    std::string wrong2;
    std::string wrong3;

    bool operator==(const QuestionRecord&) const = default;
};

// How a record is listed: "<" + id + ">[" + category + "] " + question.
std::string ListLine(const QuestionRecord& record);

// The ten categories, in the order of the drop-down lists and of the browser's options 1-10.
inline constexpr std::array<std::string_view, 10> kQuestionCategories = {
    "游戏知识", "古代常识", "佛道礼仪", "历史知识", "音律棋牌",
    "茶酒中药", "古代工艺", "书画艺术", "诗词对联", "其它题目",
};

// The category a new question starts with.
inline constexpr std::string_view kNewQuestionCategory = "其它题目";

// The question bank in memory: every record of test.dat in file order (record k is the k-th
// question line of the file) with its list line. The main window owns the one bank of the
// process and hands `const QuestionBank&` to the pages that read it (browser, mock exam).
//
// Stable reading API, relied on by the mock exam: Count(), Record(k), ListLineAt(k), Loaded(),
// FindInQuestions(). Only the bank's file store (core/exam/QuestionStore.h) changes it, through
// Assign() and MarkLoaded(), always from a whole read of the file.
class QuestionBank final {
public:
    // QuestionCount: the number of records (a bank may hold more than 32767; nothing here wraps).
    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }

    // Record k and its list line, 0 <= k < Count().
    const QuestionRecord& Record(std::size_t k) const { return entries_.at(k).record; }
    const std::string& ListLineAt(std::size_t k) const { return entries_.at(k).listLine; }

    // BankLoaded: false until the first load of the file, then true for the life of the process.
    bool Loaded() const { return loaded_; }

    // Indices of the records whose question text holds `keyword` (exact, case-sensitive bytes),
    // in bank order. An empty keyword finds nothing.
    std::vector<std::size_t> FindInQuestions(std::string_view keyword) const;

    // Replaces every record; list lines and the search text are rebuilt.
    void Assign(std::vector<QuestionRecord> records);
    // Replaces record k (k < Count()).
    void Set(std::size_t k, QuestionRecord record);
    // Moves the last record into place k (k < Count()) and drops the last place.
    void RemoveMovingLast(std::size_t k);
    void MarkLoaded() { loaded_ = true; }

private:
    // Puts `question` in place of question k in the search text.
    void SpliceQuestion(std::size_t k, std::string_view question);

    struct Entry final {
        QuestionRecord record;
        std::string listLine;
    };

    std::vector<Entry> entries_;
    // Every question text followed by '\n' (which no field can hold), searched in one pass.
    std::string questionText_;
    std::vector<std::size_t> questionEnds_;  // offset of the '\n' after question k
    bool loaded_ = false;
};

}  // namespace zicalc
