#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exam/QuestionBank.h"

namespace zicalc {

// The question bank file as found on disk: GBK text, one question a line of seven comma-separated
// fields, lines ended by CR LF.
//
// Reading a line: a field ends at a comma or at the end of the line; blanks (space, tab) at the start
// of a field are skipped; a field that starts with a double quote runs to the next double quote on
// the line (the quotes are dropped, commas and blanks inside are kept) and whatever follows the
// closing quote up to the next comma belongs to it too, so no byte of a hand-edited line is dropped.
// An empty (or all-blank) line is skipped; a line that does not hold exactly seven fields is not a
// question and is reported by its number.
// Where a record's line lies in the file's bytes. `normal` says the bytes are exactly what the
// writer would write for the record (no blanks around fields, no quotes, CR LF), so a rewrite can
// copy them instead of encoding the record again; `idLength` is the length of the id field.
struct QuestionLineSpan final {
    std::size_t offset = 0;
    std::size_t length = 0;  // line break included
    std::size_t idLength = 0;
    bool normal = false;
};

struct QuestionFileContent final {
    std::vector<QuestionRecord> records;
    std::vector<QuestionLineSpan> lines;         // record k's line; empty when the file did not decode
    std::vector<std::size_t> badLines;           // 1-based numbers of lines that are not seven fields
    std::optional<std::size_t> undecodableLine;  // 1-based line of the first byte that is not GBK
    bool endsWithLineBreak = true;               // false when the last line has no line break
};

// Splits one line (without its line break) into fields by the reading rule.
std::vector<std::string> SplitQuestionLine(std::string_view line);

// Reads GBK bytes. Bytes that do not decode are shown as U+FFFD so the rest stays readable; such a
// file is for reading only (undecodableLine says where).
QuestionFileContent ParseQuestionFile(std::string_view gbkBytes);

// One field as the writer puts it: as it is, or in double quotes where the reader needs them (it
// holds a comma, or starts with a blank or a double quote). Nothing when no line could carry it back
// whole (a line break, or a comma after a double quote in a field that must be quoted).
std::optional<std::string> FormatQuestionField(std::string_view value);

// One record as a UTF-8 line ending in CR LF; with `trimTrailingBlanks` each field loses its
// trailing blanks first (a rewrite does, an append writes the fields as typed). Nothing when a field
// cannot be carried (above).
std::optional<std::string> FormatQuestionLine(const QuestionRecord& record, bool trimTrailingBlanks);

// A field as a rewrite leaves it: trailing blanks removed.
std::string_view TrimmedField(std::string_view value);

// The whole bank as GBK bytes for a rewrite. Nothing when a field cannot be carried or GBK cannot
// hold a character.
std::optional<std::string> FormatQuestionFile(const std::vector<QuestionRecord>& records);

}  // namespace zicalc
