#include "core/exam/BankMerge.h"

#include <algorithm>
#include <unordered_map>

#include "core/app/Gbk.h"
#include "core/exam/QuestionFile.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {
namespace {

std::string Refused(std::size_t line, std::string_view why)
{
    return "无法合并：所选文件第" + std::to_string(line) + "行" + std::string(why) + "，没有写入任何内容！";
}

std::size_t LineNumberAt(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::size_t>(
               std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n')) +
           1;
}

std::string Key(std::string_view field)
{
    return std::string(TrimmedField(field));
}

}  // namespace

MergePreviewResult PreviewMerge(std::string_view ourBytes, std::string_view theirBytes)
{
    const QuestionFileContent ours = ParseQuestionFile(ourBytes);
    if (ours.undecodableLine) {
        return {std::nullopt, UndecodableMessage(*ours.undecodableLine)};
    }
    if (!ours.badLines.empty()) {
        return {std::nullopt, BadLinesMessage(ours.badLines)};
    }
    const QuestionFileContent theirs = ParseQuestionFile(theirBytes);
    if (theirs.undecodableLine) {
        return {std::nullopt, Refused(*theirs.undecodableLine, "有无法识别的字符")};
    }
    if (!theirs.badLines.empty()) {
        return {std::nullopt, Refused(theirs.badLines.front(), "不是七项的完整题目")};
    }
    if (theirs.records.empty()) {
        return {std::nullopt, "无法合并：所选文件中没有题目，没有写入任何内容！"};
    }

    std::unordered_map<std::string, std::vector<std::size_t>> ourByText;
    for (std::size_t k = 0; k < ours.records.size(); ++k) {
        ourByText[Key(ours.records[k].question)].push_back(k);
    }
    std::unordered_map<std::string, std::vector<std::string>> addedByText;  // correct answers added
    MergePreview preview;
    preview.ourBytes.assign(ourBytes);
    for (std::size_t t = 0; t < theirs.records.size(); ++t) {
        const QuestionRecord& r = theirs.records[t];
        if (!FormatQuestionLine(r, true)) {
            return {std::nullopt, Refused(LineNumberAt(theirBytes, theirs.lines[t].offset), "有无法保存的引号")};
        }
        const std::string text = Key(r.question);
        const std::string correct = Key(r.correct);
        if (auto it = ourByText.find(text); it != ourByText.end()) {
            const bool same = std::any_of(it->second.begin(), it->second.end(),
                                          [&](std::size_t k) { return Key(ours.records[k].correct) == correct; });
            if (same) {
                ++preview.same;
            } else {
                const std::size_t k = it->second.front();
                preview.conflicts.push_back(MergeConflict{k, ours.records[k], r});
            }
            continue;
        }
        std::vector<std::string>& answers = addedByText[text];
        if (std::find(answers.begin(), answers.end(), correct) != answers.end()) {
            ++preview.same;
            continue;
        }
        answers.push_back(correct);
        QuestionRecord added = r;
        added.id = std::to_string(ours.records.size() + preview.added.size() + 1);
        preview.added.push_back(std::move(added));
    }
    return {std::move(preview), {}};
}

std::optional<std::string> MergedBankBytes(const MergePreview& preview, const std::vector<bool>& takeTheirs)
{
    const QuestionFileContent ours = ParseQuestionFile(preview.ourBytes);
    // Replacement lines by our record index; the last tick for a record wins.
    std::vector<std::optional<QuestionRecord>> replaced(ours.records.size());
    for (std::size_t c = 0; c < preview.conflicts.size(); ++c) {
        const MergeConflict& conflict = preview.conflicts[c];
        if (c < takeTheirs.size() && takeTheirs[c] && conflict.ours < replaced.size()) {
            QuestionRecord r = conflict.theirs;
            r.id = ours.records[conflict.ours].id;
            replaced[conflict.ours] = std::move(r);
        }
    }
    std::string out;
    std::size_t copied = 0;  // bytes of our file already in `out`
    for (std::size_t k = 0; k < replaced.size(); ++k) {
        if (!replaced[k]) {
            continue;
        }
        const QuestionLineSpan& span = ours.lines[k];
        out.append(preview.ourBytes, copied, span.offset - copied);
        std::optional<std::string> line = FormatQuestionLine(*replaced[k], true);
        if (!line) {
            return std::nullopt;
        }
        GbkResult encoded = EncodeGbk(*line);
        if (!encoded.ok()) {
            return std::nullopt;
        }
        out += encoded.text;
        copied = span.offset + span.length;
    }
    out.append(preview.ourBytes, copied);
    if (!out.empty() && out.back() != '\n') {
        out += out.back() == '\r' ? "\n" : "\r\n";
    }
    std::string added;
    for (const QuestionRecord& r : preview.added) {
        std::optional<std::string> line = FormatQuestionLine(r, true);
        if (!line) {
            return std::nullopt;
        }
        added += *line;
    }
    GbkResult encoded = EncodeGbk(added);
    if (!encoded.ok()) {
        return std::nullopt;
    }
    return out + encoded.text;
}

BankEditResult ApplyMerge(const std::filesystem::path& bankPath, BankBackups& backups, const MergePreview& preview,
                          const std::vector<bool>& takeTheirs)
{
    std::error_code ec;
    const bool exists = std::filesystem::exists(bankPath, ec);
    const std::optional<std::string> current = exists ? ReadFileBytes(bankPath) : std::string();
    if (!current || *current != preview.ourBytes) {
        return {false, std::string(kMergeChangedMessage)};
    }
    const std::optional<std::string> merged = MergedBankBytes(preview, takeTheirs);
    if (!merged) {
        return {false, std::string(kUnwritableFieldMessage)};
    }
    if (exists) {
        if (std::optional<std::string> failed = backups.Keep(*current)) {
            return {false, std::move(*failed)};
        }
    }
    if (!WriteFileAtomically(bankPath, *merged).ok()) {
        return {false, std::string(kSaveFailedMessage)};
    }
    const auto taken = static_cast<std::size_t>(std::count(takeTheirs.begin(), takeTheirs.end(), true));
    return {true, "合并完毕！新增" + std::to_string(preview.added.size()) + "道题，" +
                      std::to_string(std::min(taken, preview.conflicts.size())) + "道冲突的题改用了对方的答案。"};
}

}  // namespace zicalc
