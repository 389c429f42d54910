#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/FileIo.h"
#include "core/exam/QuestionBank.h"
#include "core/exam/QuestionFile.h"

namespace zicalc {

// When a question bank file was last read or written, to notice changes made behind our back
// (together with its bytes, which are kept and compared whole).
struct QuestionFileStamp final {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    bool operator==(const QuestionFileStamp&) const = default;
};

// A whole read of the file: nothing when it does not exist or cannot be read.
struct QuestionFileRead final {
    std::string bytes;
    QuestionFileContent content;
    QuestionFileStamp stamp;
};
std::optional<QuestionFileRead> ReadQuestionFile(const std::filesystem::path& path);

// Rewrites the file whole (through the atomic writer; trailing blanks of each field trimmed).
// The error is ours to show when a field cannot be carried or the write failed.
FileStatus WriteQuestionFile(const std::filesystem::path& path, const std::vector<QuestionRecord>& records);

// Messages of the store (the window shows them in the warning box).
inline constexpr std::string_view kBankMissingMessage = "找不到科举题库!";
inline constexpr std::string_view kSaveFailedMessage = "题库保存失败，题库文件没有改动！";
inline constexpr std::string_view kUnwritableFieldMessage = "题目中有无法保存的引号或换行，请改正后再试！";
inline constexpr std::string_view kChangedOutsideMessage = "题库文件已被其它程序改动，现已重新读取，请重新操作！";
inline constexpr std::string_view kRecordGoneMessage = "这道题已不在题库中，请退出后重新选择！";
inline constexpr std::string_view kOnlyQuestionMessage = "题库只剩这一道题，不能删除！";

// Why the file cannot take any edit, or only an append; empty when it can take every edit.
std::string UndecodableMessage(std::size_t line);  // "题库第N行有无法识别的字符……"
std::string BadLinesMessage(const std::vector<std::size_t>& lines);

// The result of an edit: done, or refused/failed with the message to show; the bank and the file
// are then as they were (or, after a change behind our back, as the file now is).
struct BankEditResult final {
    bool done = false;
    std::string message;
};

// The bank's file: loads it into the bank and carries every edit to disk first, then into memory
// from a whole read of what was written, so memory is always what the file holds.
class QuestionStore final {
public:
    explicit QuestionStore(QuestionBank& bank, std::filesystem::path path = "test.dat");

    const QuestionBank& bank() const { return bank_; }
    const std::filesystem::path& path() const { return path_; }

    bool FileExists() const;

    // LoadQuestionBank: reads the whole file into the bank and sets BankLoaded. Returns what the
    // player should be told about the file (lines skipped, bytes that do not decode), or nothing.
    // A file that cannot be read leaves the bank as it was and says so.
    std::optional<std::string> Load();

    // Where the loaded file stands: the first undecodable line, the lines that are not questions.
    std::optional<std::size_t> undecodableLine() const { return undecodableLine_; }
    const std::vector<std::size_t>& badLines() const { return badLines_; }

    // Appends one line with the seven fields as typed (a last line without a line break is ended
    // first); every existing byte stays as it was.
    BankEditResult Append(const QuestionRecord& record);

    // Replaces record `index`, which the player opened as `opened`; the id stays as written.
    BankEditResult Replace(std::size_t index, const QuestionRecord& opened, const QuestionRecord& updated);

    // Deletes record `index` (opened as `opened`): the last record moves into its place and every
    // id is renumbered 1, 2, 3, ...
    BankEditResult Remove(std::size_t index, const QuestionRecord& opened);

    // Test seam: the writer used for every save (the atomic writer by default).
    using Writer = std::function<FileStatus(const std::filesystem::path&, std::string_view)>;
    void SetWriterForTest(Writer writer) { writer_ = std::move(writer); }

private:
    void Take(QuestionFileRead read);
    // The index of the record opened as `opened`, checked against the bank as it is now.
    std::optional<std::size_t> Locate(std::size_t index, const QuestionRecord& opened) const;
    // Writes the bank whole as it is to be after an edit: `count` records, record k being `at(k)`
    // (with the id k + 1 when `renumbered`). A record whose `from(k)` names a line of the file as
    // it is now, already in the writer's form, is copied from there instead of encoded again.
    // Once the file is written, `apply` makes the same edit in memory.
    struct Plan final {
        std::size_t count = 0;
        std::function<const QuestionRecord&(std::size_t)> at;
        std::function<std::optional<std::size_t>(std::size_t)> from;
        bool renumbered = false;
        std::function<void()> apply;
    };
    BankEditResult Rewrite(const Plan& plan);
    // Checks that the file is still what was read; when not, re-reads it and explains.
    std::optional<std::string> CheckUnchanged();

    QuestionBank& bank_;
    std::filesystem::path path_;
    QuestionFileStamp stamp_;
    std::string bytes_;                    // the file as last read or written
    std::vector<QuestionLineSpan> lines_;  // record k's line in bytes_
    std::optional<std::size_t> undecodableLine_;
    std::vector<std::size_t> badLines_;
    Writer writer_;
};

}  // namespace zicalc
