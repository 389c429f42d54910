#include "core/clock/ClockCalibration.h"

#include <charconv>
#include <cstdio>
#include <system_error>
#include <vector>

#include "core/app/Gbk.h"
#include "core/app/Numeric.h"
#include "core/clock/GameTime.h"

namespace zicalc {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads 1 to maxDigits digits at `pos`, moving past them.
std::optional<int> ReadDigits(std::string_view text, std::size_t& pos, std::size_t minDigits, std::size_t maxDigits)
{
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end]) && end - pos < maxDigits) {
        ++end;
    }
    if (end - pos < minDigits || (end < text.size() && IsDigit(text[end]))) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = pos; i < end; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    pos = end;
    return value;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Seconds from 1970-01-01 00:00:00 local time, ignoring daylight saving as the calibration does.
std::int64_t LocalSeconds(int year, int month, int day, int secondOfDay)
{
    return DaysFromCivil(year, month, day) * kRealDaySeconds + secondOfDay;
}

constexpr int kTuesday = 3;
constexpr int kMaintenanceSecondOfDay = 8 * 3600;

}  // namespace

std::optional<CalibrationFields> SplitCalibrationFields(std::string_view text)
{
    std::vector<std::string> fields;
    std::string current;
    bool pending = false;  // something since the last line end
    for (std::size_t i = 0; i < text.size() && fields.size() < 4; ++i) {
        const char c = text[i];
        if (c == ',') {
            fields.push_back(std::move(current));
            current.clear();
            pending = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            fields.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    // A last line without its line end still counts.
    if (fields.size() < 4 && pending) {
        fields.push_back(std::move(current));
    }
    if (fields.size() < 4) {
        return std::nullopt;
    }
    return CalibrationFields{fields[0], fields[1], fields[2], fields[3]};
}

std::optional<int> LeadingInt16(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + pos, value, std::chars_format::fixed);
    if (ec != std::errc{} || ptr != text.data() + pos) {
        return std::nullopt;
    }
    if (negative) {
        value = -value;
    }
    // Anything beyond 16 bits is refused before it is converted.
    if (!(value > -32768.5 && value < 32767.5)) {
        return std::nullopt;
    }
    const std::int64_t rounded = RoundHalfEven(value);
    if (rounded < -32768 || rounded > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text)
{
    text = Trim(text);
    std::size_t pos = 0;
    const auto hour = ReadDigits(text, pos, 1, 2);
    if (!hour || pos >= text.size() || text[pos++] != ':') {
        return std::nullopt;
    }
    const auto minute = ReadDigits(text, pos, 1, 2);
    if (!minute || pos >= text.size() || text[pos++] != ':') {
        return std::nullopt;
    }
    const auto second = ReadDigits(text, pos, 1, 2);
    if (!second || pos != text.size() || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

std::optional<CivilDate> ParseCivilDate(std::string_view text)
{
    text = Trim(text);
    std::size_t pos = 0;
    const auto year = ReadDigits(text, pos, 4, 4);
    if (!year || pos >= text.size() || (text[pos] != '-' && text[pos] != '/')) {
        return std::nullopt;
    }
    const char separator = text[pos++];
    const auto month = ReadDigits(text, pos, 1, 2);
    if (!month || pos >= text.size() || text[pos++] != separator) {
        return std::nullopt;
    }
    const auto day = ReadDigits(text, pos, 1, 2);
    if (!day || pos != text.size() || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return CivilDate{*year, *month, *day};
}

std::string CivilDateText(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::optional<Calibration> ParseCalibration(const CalibrationFields& fields)
{
    const auto phase = LeadingInt16(fields.phase);
    const auto time = ParseTimeOfDay(fields.time);
    const auto date = ParseCivilDate(fields.date);
    // A phase outside the game day would point past the period table.
    if (!phase || *phase < 0 || *phase >= kGameDaySeconds || !time || !date) {
        return std::nullopt;
    }
    return Calibration{*phase, date->year, date->month, date->day, time->hour, time->minute, time->second};
}

std::optional<std::string> CalibrationFileBytes(const CalibrationFields& fields)
{
    std::string text;
    for (const std::string* line : {&fields.phase, &fields.time, &fields.date, &fields.weekday}) {
        text += *line;
        text += "\r\n";
    }
    GbkResult gbk = EncodeGbk(text);
    if (!gbk.ok()) {
        return std::nullopt;
    }
    return std::move(gbk.text);
}

CalibrationFields FreshCalibration(int phase, const LocalMoment& now)
{
    return {FormatInt(phase), TimeOfDayText(now.hour, now.minute, now.second),
            CivilDateText(now.year, now.month, now.day), FormatInt(WeekdayOf(now.year, now.month, now.day))};
}

bool CalibrationIsVoid(const Calibration& calibration, const LocalMoment& now)
{
    const std::int64_t calibrated =
        LocalSeconds(calibration.year, calibration.month, calibration.day, calibration.SecondOfDay());
    const std::int64_t current = LocalSeconds(now.year, now.month, now.day, now.SecondsSinceMidnight());
    if (current < calibrated) {
        return true;
    }
    // The first maintenance at or after the calibration moment.
    const int weekday = WeekdayOf(calibration.year, calibration.month, calibration.day);
    const int daysAhead = (kTuesday - weekday + 7) % 7;
    std::int64_t maintenance =
        LocalSeconds(calibration.year, calibration.month, calibration.day, kMaintenanceSecondOfDay) +
        std::int64_t{daysAhead} * kRealDaySeconds;
    if (maintenance < calibrated) {
        maintenance += 7 * std::int64_t{kRealDaySeconds};
    }
    return maintenance <= current;
}

SettingFileRead ReadSettingFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return {};
    }
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        SettingFileRead unreadable;
        unreadable.exists = true;
        return unreadable;
    }
    return ReadSettingBytes(*bytes);
}

SettingFileRead ReadSettingBytes(std::string_view bytes)
{
    SettingFileRead read;
    read.exists = true;
    const GbkResult text = DecodeGbk(bytes);
    if (!text.ok()) {
        return read;
    }
    read.fields = SplitCalibrationFields(text.text);
    if (read.fields) {
        read.calibration = ParseCalibration(*read.fields);
    }
    return read;
}

FileStatus WriteSettingFile(const std::filesystem::path& path, const CalibrationFields& fields)
{
    const auto bytes = CalibrationFileBytes(fields);
    if (!bytes) {
        return {"setting.ini: a value cannot be written in GBK"};
    }
    return WriteFileAtomically(path, *bytes);
}

}  // namespace zicalc
