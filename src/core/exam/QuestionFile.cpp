#include "core/exam/QuestionFile.h"

#include <utility>

#include "core/app/Gbk.h"

namespace zicalc {
namespace {

constexpr std::size_t kFieldCount = 7;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimTrailingBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Decodes one line's bytes, each byte that does not decode shown as U+FFFD. Returns whether the line
// was clean.
bool DecodeLineLeniently(std::string_view bytes, std::string& out)
{
    bool clean = true;
    while (!bytes.empty()) {
        GbkResult part = DecodeGbk(bytes);
        if (part.ok()) {
            out += part.text;
            return clean;
        }
        clean = false;
        const std::size_t bad = std::min(*part.errorAt, bytes.size() - 1);
        if (bad > 0) {
            GbkResult prefix = DecodeGbk(bytes.substr(0, bad));
            if (prefix.ok()) {
                out += prefix.text;
            } else {
                out += kReplacement;
            }
        }
        out += kReplacement;
        bytes.remove_prefix(bad + 1);
    }
    return clean;
}

// The whole file as UTF-8; when some bytes do not decode, the file is decoded line by line (a line
// break is never part of a GBK double-byte character) so one bad line cannot cost the others.
std::string DecodeFile(std::string_view bytes, std::optional<std::size_t>& undecodableLine)
{
    GbkResult whole = DecodeGbk(bytes);
    if (whole.ok()) {
        return std::move(whole.text);
    }
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    std::size_t lineNumber = 1;
    while (true) {
        const std::size_t lf = bytes.find('\n');
        const std::string_view line = bytes.substr(0, lf);
        if (!DecodeLineLeniently(line, text) && !undecodableLine) {
            undecodableLine = lineNumber;
        }
        if (lf == std::string_view::npos) {
            break;
        }
        text += '\n';
        bytes.remove_prefix(lf + 1);
        ++lineNumber;
    }
    return text;
}

}  // namespace

std::vector<std::string> SplitQuestionLine(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t pos = 0;
    const std::size_t n = line.size();
    while (true) {
        while (pos < n && IsBlank(line[pos])) {
            ++pos;
        }
        std::string value;
        if (pos < n && line[pos] == '"') {
            const std::size_t close = line.find('"', pos + 1);
            if (close == std::string_view::npos) {
                value.assign(line.substr(pos + 1));
                pos = n;
            } else {
                value.assign(line.substr(pos + 1, close - pos - 1));
                const std::size_t comma = line.find(',', close + 1);
                const std::size_t stop = comma == std::string_view::npos ? n : comma;
                value.append(line.substr(close + 1, stop - close - 1));
                pos = stop;
            }
        } else {
            const std::size_t comma = line.find(',', pos);
            const std::size_t stop = comma == std::string_view::npos ? n : comma;
            value.assign(line.substr(pos, stop - pos));
            pos = stop;
        }
        fields.push_back(std::move(value));
        if (pos >= n) {
            break;
        }
        ++pos;  // the comma; a comma at the very end leaves one more (empty) field
        if (pos == n) {
            fields.emplace_back();
            break;
        }
    }
    return fields;
}

QuestionFileContent ParseQuestionFile(std::string_view gbkBytes)
{
    QuestionFileContent content;
    content.endsWithLineBreak = gbkBytes.empty() || gbkBytes.back() == '\n';
    const std::string text = DecodeFile(gbkBytes, content.undecodableLine);

    std::string_view rest = text;
    std::size_t lineNumber = 0;
    while (!rest.empty()) {
        ++lineNumber;
        const std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (TrimTrailingBlanks(line).empty()) {
            continue;
        }
        std::vector<std::string> fields = SplitQuestionLine(line);
        if (fields.size() != kFieldCount) {
            content.badLines.push_back(lineNumber);
            continue;
        }
        content.records.push_back(QuestionRecord{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                                                 std::move(fields[3]), std::move(fields[4]), std::move(fields[5]),
                                                 std::move(fields[6])});
    }
    return content;
}

std::optional<std::string> FormatQuestionField(std::string_view value)
{
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    const bool needsQuotes =
        value.find(',') != std::string_view::npos || (!value.empty() && (IsBlank(value[0]) || value[0] == '"'));
    if (!needsQuotes) {
        return std::string(value);
    }
    // The reader takes what follows the closing quote up to the next comma, so a field holding a
    // double quote is quoted up to its first one; that only fails when a comma comes after it.
    const std::size_t quote = value.find('"');
    const std::string_view inside = value.substr(0, quote);
    const std::string_view after = quote == std::string_view::npos ? std::string_view{} : value.substr(quote);
    if (after.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    out += inside;
    out += '"';
    out += after;
    return out;
}

std::optional<std::string> FormatQuestionLine(const QuestionRecord& record, bool trimTrailingBlanks)
{
    const std::string_view fields[kFieldCount] = {record.id,     record.category, record.question, record.correct,
                                                  record.wrong1, record.wrong2,   record.wrong3};
    std::string line;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string_view value = trimTrailingBlanks ? TrimTrailingBlanks(fields[i]) : fields[i];
        std::optional<std::string> field = FormatQuestionField(value);
        if (!field) {
            return std::nullopt;
        }
        if (i > 0) {
            line += ',';
        }
        line += *field;
    }
    line += "\r\n";
    return line;
}

std::optional<std::string> FormatQuestionFile(const std::vector<QuestionRecord>& records)
{
    std::string text;
    std::size_t size = 0;
    for (const QuestionRecord& r : records) {
        size += r.id.size() + r.category.size() + r.question.size() + r.correct.size() + r.wrong1.size() +
                r.wrong2.size() + r.wrong3.size() + 12;
    }
    text.reserve(size);
    for (const QuestionRecord& record : records) {
        std::optional<std::string> line = FormatQuestionLine(record, true);
        if (!line) {
            return std::nullopt;
        }
        text += *line;
    }
    GbkResult encoded = EncodeGbk(text);
    if (!encoded.ok()) {
        return std::nullopt;
    }
    return std::move(encoded.text);
}

}  // namespace zicalc
