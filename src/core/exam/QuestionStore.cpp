#include "core/exam/QuestionStore.h"

#include <system_error>
#include <utility>

#include "core/app/Gbk.h"

namespace zicalc {
namespace {

QuestionFileStamp StampOf(const std::filesystem::path& path, std::string_view bytes)
{
    QuestionFileStamp stamp;
    stamp.size = bytes.size();
    std::error_code ec;
    stamp.modified = std::filesystem::last_write_time(path, ec);
    return stamp;
}

}  // namespace

std::optional<QuestionFileRead> ReadQuestionFile(const std::filesystem::path& path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    QuestionFileContent content = ParseQuestionFile(*bytes);
    const QuestionFileStamp stamp = StampOf(path, *bytes);
    return QuestionFileRead{std::move(*bytes), std::move(content), stamp};
}

FileStatus WriteQuestionFile(const std::filesystem::path& path, const std::vector<QuestionRecord>& records)
{
    std::optional<std::string> bytes = FormatQuestionFile(records);
    if (!bytes) {
        return FileStatus{std::string(kUnwritableFieldMessage)};
    }
    return WriteFileAtomically(path, *bytes);
}

std::string UndecodableMessage(std::size_t line)
{
    return "题库第" + std::to_string(line) + "行有无法识别的字符，题库只能查看，改正之前不能添加、修改或删除！";
}

std::string BadLinesMessage(const std::vector<std::size_t>& lines)
{
    constexpr std::size_t kShown = 5;
    std::string list;
    for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) {
        if (i > 0) {
            list += "、";
        }
        list += std::to_string(lines[i]);
    }
    if (lines.size() > kShown) {
        list += "等";
    }
    return "题库第" + list + "行不是七项的完整题目，没有列出；改正之前不能修改或删除！";
}

QuestionStore::QuestionStore(QuestionBank& bank, std::filesystem::path path)
    : bank_(bank), path_(std::move(path)), writer_(&WriteFileAtomically)
{
}

bool QuestionStore::FileExists() const
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path_, ec);
}

void QuestionStore::Take(QuestionFileRead read)
{
    bank_.Assign(std::move(read.content.records));
    stamp_ = read.stamp;
    bytes_ = std::move(read.bytes);
    lines_ = std::move(read.content.lines);
    undecodableLine_ = read.content.undecodableLine;
    badLines_ = std::move(read.content.badLines);
}

std::optional<std::string> QuestionStore::Load()
{
    std::optional<QuestionFileRead> read = ReadQuestionFile(path_);
    if (!read) {
        return std::string(kBankMissingMessage);
    }
    Take(std::move(*read));
    bank_.MarkLoaded();
    if (undecodableLine_) {
        return UndecodableMessage(*undecodableLine_);
    }
    if (!badLines_.empty()) {
        return BadLinesMessage(badLines_);
    }
    return std::nullopt;
}

BankEditResult QuestionStore::Append(const QuestionRecord& record)
{
    if (undecodableLine_) {
        return {false, UndecodableMessage(*undecodableLine_)};
    }
    std::optional<std::string> line = FormatQuestionLine(record, false);
    if (!line) {
        return {false, std::string(kUnwritableFieldMessage)};
    }
    GbkResult encoded = EncodeGbk(*line);
    if (!encoded.ok()) {
        return {false, std::string(kUnwritableFieldMessage)};
    }

    // The line goes after whatever the file holds now, even if it changed since it was read.
    std::string bytes;
    if (FileExists()) {
        std::optional<std::string> current = ReadFileBytes(path_);
        if (!current) {
            return {false, std::string(kSaveFailedMessage)};
        }
        bytes = std::move(*current);
    }
    const std::size_t oldSize = bytes.size();
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += bytes.back() == '\r' ? "\n" : "\r\n";
    }
    bytes += encoded.text;

    QuestionFileContent content = ParseQuestionFile(bytes);
    if (content.undecodableLine) {
        // Changed behind our back into bytes we may not rewrite: show the file as it is now.
        const std::string old = bytes.substr(0, oldSize);
        Take(QuestionFileRead{old, ParseQuestionFile(old), StampOf(path_, old)});
        return {false, UndecodableMessage(*content.undecodableLine)};
    }
    const FileStatus status = writer_(path_, bytes);
    if (!status.ok()) {
        return {false, std::string(kSaveFailedMessage)};
    }
    const QuestionFileStamp stamp = StampOf(path_, bytes);
    Take(QuestionFileRead{std::move(bytes), std::move(content), stamp});
    return {true, {}};
}

std::optional<std::string> QuestionStore::CheckUnchanged()
{
    std::optional<std::string> bytes = FileExists() ? ReadFileBytes(path_) : std::nullopt;
    if (!bytes) {
        return std::string(kBankMissingMessage);
    }
    const QuestionFileStamp now = StampOf(path_, *bytes);
    if (now == stamp_ && *bytes == bytes_) {
        return std::nullopt;
    }
    QuestionFileContent content = ParseQuestionFile(*bytes);
    Take(QuestionFileRead{std::move(*bytes), std::move(content), now});
    return std::string(kChangedOutsideMessage);
}

std::optional<std::size_t> QuestionStore::Locate(std::size_t index, const QuestionRecord& opened) const
{
    if (index < bank_.Count() && bank_.Record(index) == opened) {
        return index;
    }
    std::optional<std::size_t> found;
    for (std::size_t k = 0; k < bank_.Count(); ++k) {
        if (bank_.Record(k) == opened) {
            if (found) {
                return std::nullopt;  // two alike: we cannot tell which one was meant
            }
            found = k;
        }
    }
    return found;
}

BankEditResult QuestionStore::Rewrite(const Plan& plan)
{
    // Lines that cannot be copied are formatted and encoded together, in one pass of the codec;
    // they are kept as a read of the written file gives them back (without trailing blanks).
    std::vector<std::optional<std::size_t>> copyFrom(plan.count);
    std::vector<std::pair<std::size_t, QuestionRecord>> written;
    std::string fresh;
    for (std::size_t k = 0; k < plan.count; ++k) {
        const std::optional<std::size_t> from = plan.from(k);
        if (from && *from < lines_.size() && lines_[*from].normal) {
            copyFrom[k] = from;
            continue;
        }
        QuestionRecord r = plan.at(k);
        if (plan.renumbered) {
            r.id = std::to_string(k + 1);
        }
        for (std::string* f : {&r.id, &r.category, &r.question, &r.correct, &r.wrong1, &r.wrong2, &r.wrong3}) {
            f->resize(TrimmedField(*f).size());
        }
        std::optional<std::string> line = FormatQuestionLine(r, false);
        if (!line) {
            return {false, std::string(kUnwritableFieldMessage)};
        }
        fresh += *line;
        written.emplace_back(k, std::move(r));
    }
    GbkResult encoded = EncodeGbk(fresh);
    if (!encoded.ok()) {
        return {false, std::string(kUnwritableFieldMessage)};
    }

    std::string out;
    out.reserve(bytes_.size() + encoded.text.size());
    std::vector<QuestionLineSpan> spans(plan.count);
    std::string_view freshRest = encoded.text;
    for (std::size_t k = 0; k < plan.count; ++k) {
        const std::size_t start = out.size();
        std::size_t idLength = 0;
        if (copyFrom[k]) {
            const QuestionLineSpan& span = lines_[*copyFrom[k]];
            const std::string_view raw = std::string_view(bytes_).substr(span.offset, span.length);
            if (plan.renumbered) {
                const std::string id = std::to_string(k + 1);
                out += id;
                out += raw.substr(span.idLength);
                idLength = id.size();
            } else {
                out += raw;
                idLength = span.idLength;
            }
        } else {
            const std::size_t lf = freshRest.find('\n');
            const std::string_view line = freshRest.substr(0, lf + 1);
            freshRest.remove_prefix(lf + 1);
            out += line;
            idLength = line.find(',');
        }
        spans[k] = QuestionLineSpan{start, out.size() - start, idLength, true};
    }

    const FileStatus status = writer_(path_, out);
    if (!status.ok()) {
        return {false, std::string(kSaveFailedMessage)};
    }
    // Memory takes what the file now holds: the edit, the records as written (the writer's round
    // trip is exact), the new ids, the bytes and where each line lies.
    plan.apply();
    for (auto& [k, record] : written) {
        bank_.Set(k, std::move(record));
    }
    if (plan.renumbered) {
        for (std::size_t c = 0; c < bank_.Count(); ++c) {
            const std::string id = std::to_string(c + 1);
            if (bank_.Record(c).id != id) {
                QuestionRecord r = bank_.Record(c);
                r.id = id;
                bank_.Set(c, std::move(r));
            }
        }
    }
    stamp_ = StampOf(path_, out);
    bytes_ = std::move(out);
    lines_ = std::move(spans);
    return {true, {}};
}

BankEditResult QuestionStore::Replace(std::size_t index, const QuestionRecord& opened, const QuestionRecord& updated)
{
    if (std::optional<std::string> changed = CheckUnchanged()) {
        return {false, std::move(*changed)};
    }
    if (undecodableLine_) {
        return {false, UndecodableMessage(*undecodableLine_)};
    }
    if (!badLines_.empty()) {
        return {false, BadLinesMessage(badLines_)};
    }
    const std::optional<std::size_t> k = Locate(index, opened);
    if (!k) {
        return {false, std::string(kRecordGoneMessage)};
    }
    QuestionRecord changed = bank_.Record(*k);
    changed.category = updated.category;
    changed.question = updated.question;
    changed.correct = updated.correct;
    changed.wrong1 = updated.wrong1;
    changed.wrong2 = updated.wrong2;
    changed.wrong3 = updated.wrong3;
    const std::size_t target = *k;
    Plan plan;
    plan.count = bank_.Count();
    plan.at = [&](std::size_t i) -> const QuestionRecord& { return i == target ? changed : bank_.Record(i); };
    plan.from = [&](std::size_t i) -> std::optional<std::size_t> {
        return i == target ? std::nullopt : std::optional<std::size_t>(i);
    };
    plan.apply = [&] { bank_.Set(target, changed); };
    return Rewrite(plan);
}

BankEditResult QuestionStore::Remove(std::size_t index, const QuestionRecord& opened)
{
    if (std::optional<std::string> changed = CheckUnchanged()) {
        return {false, std::move(*changed)};
    }
    if (undecodableLine_) {
        return {false, UndecodableMessage(*undecodableLine_)};
    }
    if (!badLines_.empty()) {
        return {false, BadLinesMessage(badLines_)};
    }
    const std::optional<std::size_t> k = Locate(index, opened);
    if (!k) {
        return {false, std::string(kRecordGoneMessage)};
    }
    if (bank_.Count() <= 1) {
        return {false, std::string(kOnlyQuestionMessage)};
    }
    // The last question fills the gap; the others keep their places.
    const std::size_t target = *k;
    const std::size_t last = bank_.Count() - 1;
    Plan plan;
    plan.count = last;
    plan.at = [&](std::size_t i) -> const QuestionRecord& { return bank_.Record(i == target ? last : i); };
    plan.from = [&](std::size_t i) -> std::optional<std::size_t> { return i == target ? last : i; };
    plan.renumbered = true;
    plan.apply = [&] { bank_.RemoveMovingLast(target); };
    return Rewrite(plan);
}

}  // namespace zicalc
