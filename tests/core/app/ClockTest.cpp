#include <gtest/gtest.h>

#include <array>
#include <ctime>

#include "core/app/Clock.h"

using namespace zicalc;

namespace {

struct Dated final {
    int year, month, day, weekday;
    std::int64_t days;
};

class WeekdayOfDate : public testing::TestWithParam<Dated> {};

TEST_P(WeekdayOfDate, MatchesTheCalendar)
{
    const Dated& d = GetParam();
    EXPECT_EQ(WeekdayOf(d.year, d.month, d.day), d.weekday);
    EXPECT_EQ(DaysFromCivil(d.year, d.month, d.day), d.days);
}

INSTANTIATE_TEST_SUITE_P(Dates, WeekdayOfDate,
                         testing::Values(Dated{1970, 1, 1, 5, 0}, Dated{1969, 12, 31, 4, -1},
                                         Dated{2007, 5, 12, 7, 13645}, Dated{2026, 12, 10, 5, 20797},
                                         Dated{2000, 2, 29, 3, 11016}, Dated{2000, 3, 1, 4, 11017},
                                         Dated{1900, 3, 1, 5, -25508}, Dated{2100, 3, 1, 2, 47541},
                                         Dated{1600, 1, 1, 7, -135140}));

LocalMoment At(int y, int mo, int d, int h, int mi, int s, int wd, int ms = 0)
{
    return LocalMoment{y, mo, d, h, mi, s, ms, wd};
}

struct Advance final {
    LocalMoment from;
    std::int64_t seconds;
    LocalMoment to;
};

std::array<int, 8> Fields(const LocalMoment& m)
{
    return {m.year, m.month, m.day, m.hour, m.minute, m.second, m.millisecond, m.weekday};
}

class FakeClockAdvance : public testing::TestWithParam<Advance> {};

TEST_P(FakeClockAdvance, CarriesIntoEveryField)
{
    FakeClock clock(GetParam().from);
    clock.AdvanceSeconds(GetParam().seconds);
    const LocalMoment got = clock.Now();
    const LocalMoment& want = GetParam().to;
    EXPECT_EQ(Fields(got), Fields(want));
}

INSTANTIATE_TEST_SUITE_P(
    Carries, FakeClockAdvance,
    testing::Values(Advance{At(2023, 12, 31, 23, 59, 59, 1, 250), 1, At(2024, 1, 1, 0, 0, 0, 2, 250)},
                    Advance{At(2024, 2, 28, 23, 59, 30, 4), 30, At(2024, 2, 29, 0, 0, 0, 5)},
                    Advance{At(2024, 2, 29, 12, 0, 0, 5), 86400, At(2024, 3, 1, 12, 0, 0, 6)},
                    Advance{At(2023, 2, 28, 23, 0, 0, 3), 3600, At(2023, 3, 1, 0, 0, 0, 4)},
                    Advance{At(2100, 2, 28, 23, 59, 59, 1), 1, At(2100, 3, 1, 0, 0, 0, 2)},
                    Advance{At(2026, 12, 10, 10, 0, 0, 5), 22 * 86400 + 61, At(2027, 1, 1, 10, 1, 1, 6)},
                    Advance{At(2024, 3, 1, 0, 0, 0, 6), -1, At(2024, 2, 29, 23, 59, 59, 5)},
                    Advance{At(2007, 5, 12, 8, 30, 0, 7), 0, At(2007, 5, 12, 8, 30, 0, 7)}));

TEST(SystemClock, AgreesWithTheLocalCalendar)
{
    const std::time_t before = std::time(nullptr);
    const LocalMoment now = SystemClock().Now();
    std::tm tm{};
    localtime_r(&before, &tm);
    EXPECT_EQ(now.year, tm.tm_year + 1900);
    EXPECT_EQ(now.month, tm.tm_mon + 1);
    EXPECT_EQ(now.day, tm.tm_mday);
    EXPECT_EQ(now.weekday, WeekdayOf(now.year, now.month, now.day));
    EXPECT_GE(now.SecondsSinceMidnight(), tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LE(now.millisecond, 999);
}

TEST(SystemRandom, IsUniformOnTheHalfOpenUnitInterval)
{
    SystemRandom random;
    std::array<int, 10> buckets{};
    for (int i = 0; i < 100000; ++i) {
        const double x = random.Next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        ++buckets[static_cast<std::size_t>(x * 10)];
    }
    for (int count : buckets) {
        EXPECT_GT(count, 9400);
        EXPECT_LT(count, 10600);
    }
}

TEST(SystemRandom, ReseedsInTheSameSecondDrawDifferently)
{
    SystemRandom random;
    random.ReseedFromTimeOfDay();
    const double first = random.Next();
    random.ReseedFromTimeOfDay();
    EXPECT_NE(random.Next(), first);
    EXPECT_NE(SystemRandom().Next(), SystemRandom().Next());
}

TEST(FakeRandom, CyclesThroughItsValuesAndCountsReseeds)
{
    FakeRandom random({0.25, 0.5, 0.999});
    EXPECT_EQ(random.Next(), 0.25);
    EXPECT_EQ(random.Next(), 0.5);
    EXPECT_EQ(random.Next(), 0.999);
    EXPECT_EQ(random.Next(), 0.25);
    EXPECT_EQ(random.drawn(), 4u);
    random.ReseedFromTimeOfDay();
    random.ReseedFromTimeOfDay();
    EXPECT_EQ(random.reseeds(), 2);
    EXPECT_EQ(random.Next(), 0.5);
}

}  // namespace
