#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exam/BankBackups.h"
#include "core/exam/QuestionBank.h"

namespace zicalc {

struct BankEditResult;  // core/exam/QuestionStore.h

// A question of the other bank whose text we have with another correct answer.
struct MergeConflict final {
    std::size_t ours = 0;  // our record's index
    QuestionRecord mine;
    QuestionRecord theirs;
};

// What merging another bank into ours would do, worked out before anything is written.
// Questions are compared by their text and their correct answer (trailing blanks aside):
// a text we do not have is new; the same text with the same correct answer is already there
// (wrong answers and category aside); the same text with another correct answer is a conflict.
// A question repeated in the other bank is new once, then already there.
struct MergePreview final {
    std::vector<QuestionRecord> added;  // the new questions, numbered after our last
    std::size_t same = 0;
    std::vector<MergeConflict> conflicts;
    std::string ourBytes;  // our file as the preview read it; the merge refuses if it changed
};

struct MergePreviewResult final {
    std::optional<MergePreview> preview;
    std::string message;  // why not, when there is no preview
};

// Works out the merge of `theirBytes` (another test.dat) into `ourBytes`. A file that does not
// read whole — bytes that are not GBK, a line that is not seven fields, no question at all, a
// field no line can carry — is refused with its line number.
MergePreviewResult PreviewMerge(std::string_view ourBytes, std::string_view theirBytes);

// Our file after the merge: every line as it was except the conflicts whose `takeTheirs` entry is
// true (their category and answers under our id), then the new questions. Nothing when GBK
// cannot hold a field.
std::optional<std::string> MergedBankBytes(const MergePreview& preview, const std::vector<bool>& takeTheirs);

// Carries the merge out on the bank file: refuses when the file is no longer what was previewed,
// backs the file up first (a failed backup stops it), writes through the atomic writer. The
// message says what was done. The caller reloads the bank afterwards.
BankEditResult ApplyMerge(const std::filesystem::path& bankPath, BankBackups& backups, const MergePreview& preview,
                          const std::vector<bool>& takeTheirs);

inline constexpr std::string_view kMergeChangedMessage = "题库文件在预览之后已被改动，请重新合并！";
inline constexpr std::string_view kMergeUnreadableMessage = "无法读取所选的文件，没有写入任何内容！";

}  // namespace zicalc
