#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zicalc {

// A local date and time of day as the player's desktop shows it.
struct LocalMoment final {
    int year = 2000;
    int month = 1;        // 1-12
    int day = 1;          // 1-31
    int hour = 0;         // 0-23
    int minute = 0;       // 0-59
    int second = 0;       // 0-59
    int millisecond = 0;  // 0-999
    int weekday = 7;      // 1 = Sunday, 2 = Monday … 7 = Saturday (not Qt's or ISO's numbering)

    int SecondsSinceMidnight() const { return hour * 3600 + minute * 60 + second; }
};

// Where "now" comes from; windows take one so that tests can fix the time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalMoment Now() const = 0;
};

// The desktop's local time.
class SystemClock final : public Clock {
public:
    LocalMoment Now() const override;
};

// A clock that says what it is told; for tests.
class FakeClock final : public Clock {
public:
    explicit FakeClock(LocalMoment now = {}) : now_(now) {}
    LocalMoment Now() const override { return now_; }
    void Set(LocalMoment now) { now_ = now; }
    // Moves on by whole seconds, carrying into minutes, hours, days, months, years and weekdays.
    void AdvanceSeconds(std::int64_t seconds);

private:
    LocalMoment now_;
};

// Weekday (1 = Sunday … 7 = Saturday) of a civil date in the proleptic Gregorian calendar.
int WeekdayOf(int year, int month, int day);

// Days from 1970-01-01 to the given civil date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);

// A source of uniform numbers in [0, 1) that can be reseeded from the time of day.
class UniformRandom {
public:
    virtual ~UniformRandom() = default;
    virtual double Next() = 0;
    virtual void ReseedFromTimeOfDay() = 0;
};

// Production generator: reseeds from the time of day at the finest resolution the system gives,
// so that two reseeds within the same second still draw differently.
class SystemRandom final : public UniformRandom {
public:
    SystemRandom();
    double Next() override;
    void ReseedFromTimeOfDay() override;

private:
    std::uint64_t state_ = 0;
};

// Hands out the given numbers in order, round and round; counts reseeds. For tests.
class FakeRandom final : public UniformRandom {
public:
    explicit FakeRandom(std::vector<double> values) : values_(std::move(values)) {}
    double Next() override;
    void ReseedFromTimeOfDay() override { ++reseeds_; }
    int reseeds() const { return reseeds_; }
    std::size_t drawn() const { return next_; }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
    int reseeds_ = 0;
};

}  // namespace zicalc
