#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Clock.h"
#include "core/app/FileIo.h"

namespace zicalc {

// The calibration file's name; it lives in the current directory.
inline constexpr std::string_view kSettingFileName = "setting.ini";

// The four values of setting.ini as text, as they were read (nothing trimmed) or are to be written.
struct CalibrationFields final {
    std::string phase;    // line 1: the game phase at calibration
    std::string time;     // line 2: time of day of calibration
    std::string date;     // line 3: date of calibration
    std::string weekday;  // line 4: weekday of that date, 1 = Sunday … 7 = Saturday
    friend bool operator==(const CalibrationFields&, const CalibrationFields&) = default;
};

// A calibration that can be used: the phase at a known local moment.
struct Calibration final {
    int phase = 0;  // 0-1799
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int SecondOfDay() const { return hour * 3600 + minute * 60 + second; }
};

// Fields one after another, each ending at a comma or at a line end (CR LF, LF or CR); the first
// four, or nothing when the text holds fewer.
std::optional<CalibrationFields> SplitCalibrationFields(std::string_view text);

// The number at the start of a text (blanks before it skipped, a sign and a fraction allowed),
// rounded half to even to a 16-bit integer; nothing when the text does not start with a number or
// the number does not fit in 16 bits.
std::optional<int> LeadingInt16(std::string_view text);

struct TimeOfDay final {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "H:M:S" with one or two digits each, blanks around allowed.
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text);

struct CivilDate final {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// "yyyy-MM-dd" as written, and the "yyyy-M-d" and "yyyy/M/d" forms; blanks around allowed; the date
// must exist.
std::optional<CivilDate> ParseCivilDate(std::string_view text);

// The date as the file stores it: "yyyy-MM-dd" in ASCII, whatever the desktop's locale.
std::string CivilDateText(int year, int month, int day);

// The calibration the four fields describe, or nothing when one of phase (0-1799), time or date
// cannot be read. The weekday line is not needed: the date gives it.
std::optional<Calibration> ParseCalibration(const CalibrationFields& fields);

// The file's bytes for four fields: one per line, CR LF after each, in GBK. Nothing when a field
// holds a character GBK cannot write.
std::optional<std::string> CalibrationFileBytes(const CalibrationFields& fields);

// The fields a 时辰 button writes: phase 150·i with the current time of day, date and weekday.
CalibrationFields FreshCalibration(int phase, const LocalMoment& now);

// A calibration is void once the weekly maintenance (a Tuesday at 8:00:00) lies between it and
// now, both ends included; also when it lies in the future (the system clock was set back).
bool CalibrationIsVoid(const Calibration& calibration, const LocalMoment& now);

// setting.ini as found on disk.
struct SettingFileRead final {
    bool exists = false;
    std::optional<CalibrationFields> fields;  // the first four fields, when the text decodes
    std::optional<Calibration> calibration;   // when those fields make a usable calibration
};

SettingFileRead ReadSettingFile(const std::filesystem::path& path);
// The same from the file's bytes, for a file known to exist.
SettingFileRead ReadSettingBytes(std::string_view bytes);
FileStatus WriteSettingFile(const std::filesystem::path& path, const CalibrationFields& fields);

}  // namespace zicalc
