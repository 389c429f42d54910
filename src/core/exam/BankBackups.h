#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Clock.h"
#include "core/app/FileIo.h"

namespace zicalc {

struct BankEditResult;  // core/exam/QuestionStore.h

// How many backups of the bank file are kept; a new one beyond this removes the oldest.
inline constexpr std::size_t kBankBackupsKept = 20;

// The folder of the backups, beside the bank file.
inline constexpr std::string_view kBankBackupFolder = "backup";

inline constexpr std::string_view kBackupFailedMessage = "题库备份失败，题库文件没有改动！";
inline constexpr std::string_view kBackupUnreadableMessage = "这个备份已无法读取，题库文件没有改动！";

// One backup: its file, when it was made (the name says so) and its number within that second.
struct BankBackup final {
    std::filesystem::path path;
    LocalMoment moment;
    int sequence = 1;
    // "2026-12-10 16:05:03" as the window lists it.
    std::string TimeText() const;
};

// "test_2026-12-10_16-05-03_01.dat": the bank's own name, the moment, and a number that keeps
// names unique within one second.
std::string BankBackupName(std::string_view stem, std::string_view extension, const LocalMoment& moment, int sequence);

// The backups of one bank file, kept in the folder "backup" beside it. Files of other names in
// that folder are never touched.
class BankBackups final {
public:
    BankBackups(std::filesystem::path bankPath, const Clock& clock);

    const std::filesystem::path& folder() const { return folder_; }

    // Keeps `bytes` (the bank file as it is before a rewrite) as a new backup named after the
    // clock's now, then removes the oldest beyond kBankBackupsKept. The message when the backup
    // could not be written: the rewrite must not go on.
    std::optional<std::string> Keep(std::string_view bytes);

    // The backups, newest first.
    std::vector<BankBackup> List() const;

    // Test seam: the writer of each backup (the atomic writer by default).
    using Writer = std::function<FileStatus(const std::filesystem::path&, std::string_view)>;
    void SetWriterForTest(Writer writer) { writer_ = std::move(writer); }

private:
    std::filesystem::path bankPath_;
    std::filesystem::path folder_;
    const Clock& clock_;
    Writer writer_;
};

// The number of questions a backup holds (records read by the bank's reading rule).
std::size_t BackupQuestionCount(const std::filesystem::path& backup);

// Puts a backup back as the bank file: the file as it is now is backed up first (a failed backup
// stops it), then the backup's bytes replace it, byte for byte, through the atomic writer. The
// caller reloads the bank afterwards.
BankEditResult RestoreBankBackup(const std::filesystem::path& bankPath, BankBackups& backups, const BankBackup& backup);

}  // namespace zicalc
