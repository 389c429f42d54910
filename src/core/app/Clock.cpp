#include "core/app/Clock.h"

#include <atomic>
#include <ctime>

namespace zicalc {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

struct CivilDate final {
    int year;
    int month;
    int day;
};

// Inverse of DaysFromCivil (same era arithmetic).
CivilDate CivilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t doe = days - era * 146097;                                    // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                     // [0, 11], March first
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

int WeekdayFromDays(std::int64_t days)
{
    // 1970-01-01 was a Thursday (5).
    const std::int64_t r = (days + 4) % 7;
    return static_cast<int>(r < 0 ? r + 7 : r) + 1;
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day)
{
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;                                                  // [0, 399]
    const std::int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                          // [0, 146096]
    return era * 146097 + doe - 719468;
}

int WeekdayOf(int year, int month, int day)
{
    return WeekdayFromDays(DaysFromCivil(year, month, day));
}

LocalMoment SystemClock::Now() const
{
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    ::localtime_r(&ts.tv_sec, &tm);
    LocalMoment now;
    now.year = tm.tm_year + 1900;
    now.month = tm.tm_mon + 1;
    now.day = tm.tm_mday;
    now.hour = tm.tm_hour;
    now.minute = tm.tm_min;
    now.second = tm.tm_sec > 59 ? 59 : tm.tm_sec;  // a leap second shows as :59
    now.millisecond = static_cast<int>(ts.tv_nsec / 1000000);
    now.weekday = tm.tm_wday + 1;
    return now;
}

void FakeClock::AdvanceSeconds(std::int64_t seconds)
{
    const std::int64_t total =
        DaysFromCivil(now_.year, now_.month, now_.day) * 86400 + now_.SecondsSinceMidnight() + seconds;
    const std::int64_t days = FloorDiv(total, 86400);
    const std::int64_t ofDay = total - days * 86400;
    const CivilDate date = CivilFromDays(days);
    now_.year = date.year;
    now_.month = date.month;
    now_.day = date.day;
    now_.hour = static_cast<int>(ofDay / 3600);
    now_.minute = static_cast<int>(ofDay / 60 % 60);
    now_.second = static_cast<int>(ofDay % 60);
    now_.weekday = WeekdayFromDays(days);
}

namespace {

// splitmix64: a full-period 64-bit generator whose output passes the usual statistical batteries.
std::uint64_t SplitMix64(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

SystemRandom::SystemRandom()
{
    ReseedFromTimeOfDay();
}

double SystemRandom::Next()
{
    // The top 53 bits fill a double's mantissa exactly: uniform on [0, 1), never 1.
    return static_cast<double>(SplitMix64(state_) >> 11) * 0x1.0p-53;
}

void SystemRandom::ReseedFromTimeOfDay()
{
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    ::localtime_r(&ts.tv_sec, &tm);
    const std::uint64_t sinceMidnight = static_cast<std::uint64_t>(tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec);
    // The counter only matters when the clock has not moved between two reseeds.
    static std::atomic<std::uint64_t> reseeds{0};
    state_ = sinceMidnight * 1000000000ULL + static_cast<std::uint64_t>(ts.tv_nsec) +
             reseeds.fetch_add(1) * 0xD1B54A32D192ED03ULL;
}

double FakeRandom::Next()
{
    if (values_.empty()) {
        ++next_;
        return 0.0;
    }
    return values_[next_++ % values_.size()];
}

}  // namespace zicalc
