#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/exam/QuestionBank.h"

namespace zicalc {

// The readings of a character without tones ("长" → zhang, chang); empty for anything that is not
// a Chinese character the table knows.
std::vector<std::string_view> PinyinReadings(char32_t character);

// Search by keyword with pinyin: a question matches when the keyword matches a run of its
// characters, each character either typed as itself or spelled in pinyin — its whole reading or
// any beginning of it, so "xiyouji", "xiyou", "xyj" and "西youj" all find 西游记. A character with
// several readings matches by any of them; pinyin letters match in either case. Everything the
// exact search finds is found too.
//
// The bank's question texts are turned once into a compact form (a small number per character)
// and turned again only after the bank has changed, so a search is one pass over that form.
class PinyinSearch final {
public:
    explicit PinyinSearch(const QuestionBank& bank) : bank_(bank) {}

    // Indices of the matching questions, in bank order. An empty keyword finds nothing.
    std::vector<std::size_t> Find(std::string_view keyword);

private:
    void Build();

    const QuestionBank& bank_;
    std::uint64_t builtGeneration_ = 0;
    bool built_ = false;
    // Every question as symbol numbers, each question followed by 0.
    std::vector<std::uint16_t> text_;
    // Per symbol (index = its number; 0 unused): the character, its readings, their first letters.
    struct Symbol final {
        char32_t character = 0;
        std::uint32_t initials = 0;  // bit c - 'a' for each reading's first letter
        std::uint32_t firstReading = 0;
        std::uint32_t readingCount = 0;
    };
    std::vector<Symbol> symbols_;
    std::vector<std::string_view> readings_;
    // Per letter a bit per character of text_ that can begin a match of a keyword starting with
    // that letter (a reading starting with it, or the letter itself): a search walks only these.
    std::vector<std::uint64_t> letterBits_;
    std::size_t words_ = 0;
    std::vector<std::size_t> questionEnds_;  // the 0 after question k in text_
    std::vector<std::uint16_t> bmpSymbol_;   // symbol number of each BMP character (0: none)
    std::vector<std::pair<char32_t, std::uint16_t>> otherSymbols_;
};

}  // namespace zicalc
