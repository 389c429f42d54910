#include "core/exam/BankBackups.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <system_error>
#include <tuple>

#include "core/app/Numeric.h"
#include "core/exam/QuestionFile.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {
namespace {

// The moment and number in a backup's name, when it is one of ours for this bank.
std::optional<BankBackup> ParseBackupName(const std::filesystem::path& path, std::string_view stem,
                                          std::string_view extension)
{
    const std::string name = path.filename().string();
    // stem + "_YYYY-MM-DD_HH-MM-SS_" + sequence + extension
    constexpr std::size_t kMomentLength = 21;
    if (name.size() <= stem.size() + kMomentLength + extension.size() || name.compare(0, stem.size(), stem) != 0 ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
        return std::nullopt;
    }
    const std::string_view rest =
        std::string_view(name).substr(stem.size(), name.size() - stem.size() - extension.size());
    const std::string_view pattern = "_dddd-dd-dd_dd-dd-dd_";
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool digit = rest[i] >= '0' && rest[i] <= '9';
        if (pattern[i] == 'd' ? !digit : rest[i] != pattern[i]) {
            return std::nullopt;
        }
    }
    auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        std::from_chars(rest.data() + at, rest.data() + at + length, value);
        return value;
    };
    BankBackup backup;
    backup.path = path;
    backup.moment.year = number(1, 4);
    backup.moment.month = number(6, 2);
    backup.moment.day = number(9, 2);
    backup.moment.hour = number(12, 2);
    backup.moment.minute = number(15, 2);
    backup.moment.second = number(18, 2);
    const std::string_view sequence = rest.substr(kMomentLength);
    if (sequence.empty() || sequence.size() > 6 ||
        !std::all_of(sequence.begin(), sequence.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    backup.sequence = number(kMomentLength, sequence.size());
    return backup;
}

auto Key(const BankBackup& b)
{
    return std::make_tuple(b.moment.year, b.moment.month, b.moment.day, b.moment.hour, b.moment.minute, b.moment.second,
                           b.sequence);
}

}  // namespace

std::string BankBackup::TimeText() const
{
    return std::to_string(moment.year) + "-" + TwoDigits(moment.month) + "-" + TwoDigits(moment.day) + " " +
           TwoDigits(moment.hour) + ":" + TwoDigits(moment.minute) + ":" + TwoDigits(moment.second);
}

std::string BankBackupName(std::string_view stem, std::string_view extension, const LocalMoment& moment, int sequence)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "_%04d-%02d-%02d_%02d-%02d-%02d_%02d", moment.year, moment.month, moment.day,
                  moment.hour, moment.minute, moment.second, sequence);
    return std::string(stem) + buffer + std::string(extension);
}

BankBackups::BankBackups(std::filesystem::path bankPath, const Clock& clock)
    : bankPath_(std::move(bankPath)),
      folder_(bankPath_.parent_path() / kBankBackupFolder),
      clock_(clock),
      writer_(&WriteFileAtomically)
{
}

std::vector<BankBackup> BankBackups::List() const
{
    std::vector<BankBackup> out;
    std::error_code ec;
    const std::string stem = bankPath_.stem().string();
    const std::string extension = bankPath_.extension().string();
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) {
            continue;
        }
        if (std::optional<BankBackup> b = ParseBackupName(entry.path(), stem, extension)) {
            out.push_back(std::move(*b));
        }
    }
    std::sort(out.begin(), out.end(), [](const BankBackup& a, const BankBackup& b) { return Key(a) > Key(b); });
    return out;
}

std::optional<std::string> BankBackups::Keep(std::string_view bytes)
{
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec) {
        return std::string(kBackupFailedMessage);
    }
    LocalMoment now = clock_.Now();
    now.millisecond = 0;
    // Within one second the number goes on from the highest one there.
    int sequence = 1;
    const std::vector<BankBackup> existing = List();
    for (const BankBackup& b : existing) {
        if (std::make_tuple(b.moment.year, b.moment.month, b.moment.day, b.moment.hour, b.moment.minute,
                            b.moment.second) ==
            std::make_tuple(now.year, now.month, now.day, now.hour, now.minute, now.second)) {
            sequence = std::max(sequence, b.sequence + 1);
        }
    }
    const std::filesystem::path path =
        folder_ / BankBackupName(bankPath_.stem().string(), bankPath_.extension().string(), now, sequence);
    if (std::filesystem::exists(path, ec) || !writer_(path, bytes).ok()) {
        return std::string(kBackupFailedMessage);
    }
    // The oldest go; the one just made stays even when the clock was set back since the others.
    std::vector<BankBackup> all = List();
    std::size_t kept = 0;
    for (const BankBackup& b : all) {
        if (b.path == path || kept < kBankBackupsKept - 1) {
            kept += b.path == path ? 0 : 1;
            continue;
        }
        std::filesystem::remove(b.path, ec);
    }
    return std::nullopt;
}

std::size_t BackupQuestionCount(const std::filesystem::path& backup)
{
    const std::optional<std::string> bytes = ReadFileBytes(backup);
    return bytes ? ParseQuestionFile(*bytes).records.size() : 0;
}

BankEditResult RestoreBankBackup(const std::filesystem::path& bankPath, BankBackups& backups, const BankBackup& backup)
{
    const std::optional<std::string> restored = ReadFileBytes(backup.path);
    if (!restored) {
        return {false, std::string(kBackupUnreadableMessage)};
    }
    std::error_code ec;
    if (std::filesystem::exists(bankPath, ec)) {
        const std::optional<std::string> current = ReadFileBytes(bankPath);
        if (!current) {
            return {false, std::string(kSaveFailedMessage)};
        }
        if (std::optional<std::string> failed = backups.Keep(*current)) {
            return {false, std::move(*failed)};
        }
    }
    if (!WriteFileAtomically(bankPath, *restored).ok()) {
        return {false, std::string(kSaveFailedMessage)};
    }
    return {true, {}};
}

}  // namespace zicalc
