#include "core/exam/QuestionFile.h"

#include <algorithm>
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

// Whether a raw GBK line (its line break included) is byte for byte what the writer would write for
// the record read from it. GBK's second bytes are never below 0x40, so the ASCII tests are exact.
bool IsNormalLine(std::string_view raw)
{
    if (raw.size() < 2 || raw[raw.size() - 2] != '\r' || raw.back() != '\n') {
        return false;
    }
    const std::string_view line = raw.substr(0, raw.size() - 2);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' || c == '\r') {
            return false;
        }
        if (IsBlank(c)) {
            const bool fieldStart = i == 0 || line[i - 1] == ',';
            const bool fieldEnd = i + 1 == line.size() || line[i + 1] == ',';
            if (fieldStart || fieldEnd) {
                return false;
            }
        }
    }
    return true;
}

constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFE;
constexpr unsigned kTrailCount = kLastTrail - kFirstTrail + 1;

// Every two-byte GBK code as UTF-8 (empty when the codec does not map it), asked of the codec
// itself once, a row of codes per call, the first time a damaged file is read: decoding the bytes
// around each bad one afresh would cost a codec call per bad byte, and a whole file saved in
// another encoding has one in nearly every character.
const std::vector<std::string>& PairTable()
{
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t((kLastLead - kFirstLead + 1) * kTrailCount);
        auto slot = [&t](unsigned lead, unsigned trail) -> std::string& {
            return t[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
        };
        for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
            std::string row;
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                if (trail != 0x7F) {  // never a trail byte
                    row += static_cast<char>(lead);
                    row += static_cast<char>(trail);
                    row += '\n';
                }
            }
            GbkResult decoded = DecodeGbk(row);
            if (decoded.ok()) {
                std::string_view rest = decoded.text;
                for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                    if (trail != 0x7F) {
                        const std::size_t lf = rest.find('\n');
                        slot(lead, trail).assign(rest.substr(0, lf));
                        rest.remove_prefix(lf + 1);
                    }
                }
                continue;
            }
            // A row with unmapped codes (user-defined areas): code by code.
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                GbkResult one = DecodeGbk(std::string_view(pair, 2));
                if (trail != 0x7F && one.ok()) {
                    slot(lead, trail) = std::move(one.text);
                }
            }
        }
        return t;
    }();
    return table;
}

// The bytes as UTF-8 with each byte that is not part of a GBK character shown as U+FFFD.
std::string DecodeLeniently(std::string_view bytes)
{
    const std::vector<std::string>& table = PairTable();
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (b >= kFirstLead && b <= kLastLead && i + 1 < bytes.size()) {
            const auto t = static_cast<unsigned char>(bytes[i + 1]);
            if (t >= kFirstTrail && t <= kLastTrail) {
                const std::string& c = table[(b - kFirstLead) * kTrailCount + (t - kFirstTrail)];
                if (!c.empty()) {
                    out += c;
                    i += 2;
                    continue;
                }
            }
        }
        out += kReplacement;
        ++i;
    }
    return out;
}

// The whole file as UTF-8; when some bytes do not decode, the rest is still read (above) and the
// line of the first bad byte is noted.
std::string DecodeFile(std::string_view bytes, std::optional<std::size_t>& undecodableLine)
{
    GbkResult whole = DecodeGbk(bytes);
    if (whole.ok()) {
        return std::move(whole.text);
    }
    const std::size_t at = std::min(*whole.errorAt, bytes.size());
    undecodableLine =
        1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    return DecodeLeniently(bytes);
}

}  // namespace

namespace {

// Calls `take(value)` for each field of the line by the reading rule.
template <typename Take>
void ForEachField(std::string_view line, Take&& take)
{
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
        take(std::move(value));
        if (pos >= n) {
            break;
        }
        ++pos;  // the comma; a comma at the very end leaves one more (empty) field
        if (pos == n) {
            take(std::string());
            break;
        }
    }
}

}  // namespace

std::vector<std::string> SplitQuestionLine(std::string_view line)
{
    std::vector<std::string> fields;
    ForEachField(line, [&fields](std::string&& value) { fields.push_back(std::move(value)); });
    return fields;
}

QuestionFileContent ParseQuestionFile(std::string_view gbkBytes)
{
    QuestionFileContent content;
    content.endsWithLineBreak = gbkBytes.empty() || gbkBytes.back() == '\n';
    const std::string text = DecodeFile(gbkBytes, content.undecodableLine);
    // Lines of the text and of the bytes correspond one to one (a line feed is never part of a GBK
    // character), so each record can note where its bytes are.
    const bool keepSpans = !content.undecodableLine;

    // A question line holds at least six commas and a line break.
    const std::size_t lineCount =
        std::min(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1, gbkBytes.size() / 8 + 1);
    content.records.reserve(lineCount);
    if (keepSpans) {
        content.lines.reserve(lineCount);
    }
    std::string_view rest = text;
    std::size_t rawOffset = 0;
    std::size_t lineNumber = 0;
    while (!rest.empty()) {
        ++lineNumber;
        const std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        const std::size_t rawLf = gbkBytes.find('\n', rawOffset);
        const std::size_t rawEnd = rawLf == std::string_view::npos ? gbkBytes.size() : rawLf + 1;
        const std::string_view raw = gbkBytes.substr(rawOffset, rawEnd - rawOffset);
        const std::size_t lineOffset = rawOffset;
        rawOffset = rawEnd;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (TrimTrailingBlanks(line).empty()) {
            continue;
        }
        QuestionRecord record;
        std::string* const slots[kFieldCount] = {&record.id,     &record.category, &record.question, &record.correct,
                                                 &record.wrong1, &record.wrong2,   &record.wrong3};
        std::size_t fields = 0;
        ForEachField(line, [&](std::string&& value) {
            if (fields < kFieldCount) {
                *slots[fields] = std::move(value);
            }
            ++fields;
        });
        if (fields != kFieldCount) {
            content.badLines.push_back(lineNumber);
            continue;
        }
        if (keepSpans) {
            const std::size_t comma = raw.find(',');
            content.lines.push_back(QuestionLineSpan{lineOffset, raw.size(), comma, IsNormalLine(raw)});
        }
        content.records.push_back(std::move(record));
    }
    return content;
}

std::string_view TrimmedField(std::string_view value)
{
    return TrimTrailingBlanks(value);
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
