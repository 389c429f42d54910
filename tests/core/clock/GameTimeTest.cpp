#include <gtest/gtest.h>

#include "core/clock/GameTime.h"

using namespace zicalc;

namespace {

struct PhaseCase {
    const char* what;
    int calibrationPhase;
    int calibrationSecondOfDay;
    int nowSecondOfDay;
    int phase;
    const char* period;
    const char* next;
    int countdown;  // seconds left in the period
};

class PhaseCases : public testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseCases, PhaseAndWhatShowPhaseShows)
{
    const auto& c = GetParam();
    const int phase = ComputePhase(c.calibrationPhase, c.calibrationSecondOfDay, c.nowSecondOfDay);
    EXPECT_EQ(phase, c.phase) << c.what;
    EXPECT_EQ(PeriodOf(phase).name, c.period) << c.what;
    EXPECT_EQ(PeriodOf(phase).next, c.next) << c.what;
    EXPECT_EQ(CountdownSeconds(phase), c.countdown) << c.what;
}

constexpr int T(int h, int m, int s)
{
    return h * 3600 + m * 60 + s;
}

INSTANTIATE_TEST_SUITE_P(
    Calibrations, PhaseCases,
    testing::Values(
        PhaseCase{"辰 at 14:05:30, same day 14:20:00", 600, T(14, 5, 30), T(14, 20, 0), 1470, "申", "子", 330},
        PhaseCase{"辰 at 14:05:30, a later day at 14:05:29", 600, T(14, 5, 30), T(14, 5, 29), 599, "子", "辰", 1},
        PhaseCase{"the calibration moment itself", 600, T(14, 5, 30), T(14, 5, 30), 600, "辰", "申", 0},
        PhaseCase{"亥 wraps into the next game day", 1650, T(0, 0, 0), T(0, 2, 30), 0, "子", "辰", 0},
        PhaseCase{"one second into 申", 1200, T(23, 59, 59), T(0, 0, 0), 1201, "申", "子", 599},
        PhaseCase{"half a real day is a whole number of game days", 150, T(6, 0, 0), T(18, 0, 0), 150, "子", "辰",
                  450}));

TEST(Countdown, ShowsMinutesWithALeadingZeroAndTwoDigitSeconds)
{
    EXPECT_EQ(CountdownText(5, 29), "05:29");
    EXPECT_EQ(CountdownText(9, 59), "09:59");
    EXPECT_EQ(CountdownText(0, 0), "00:00");
    EXPECT_EQ(TimeOfDayText(7, 5, 9), "07:05:09");
}

TEST(Hands, PointUpAtZeroAndTurnClockwise)
{
    // The red hand turns once in 30 ticks: tick 15 points down, tick 30 up again, tick 45 down.
    EXPECT_NEAR(RedHandEnd(0).x, 1260, 1e-3);
    EXPECT_NEAR(RedHandEnd(0).y, 660, 1e-3);
    EXPECT_NEAR(RedHandEnd(15).y, 1860, 1e-3);
    EXPECT_NEAR(RedHandEnd(30).y, 660, 1e-3);
    EXPECT_NEAR(RedHandEnd(45).y, 1860, 1e-3);
    // The blue hand: 卯 (phase 450) to the right, 午 (900) down, 酉 (1350) left.
    EXPECT_NEAR(BlueHandEnd(0).y, 860, 1e-3);
    EXPECT_NEAR(BlueHandEnd(450).x, 1660, 1e-3);
    EXPECT_NEAR(BlueHandEnd(900).y, 1660, 1e-3);
    EXPECT_NEAR(BlueHandEnd(1350).x, 860, 1e-3);
}

}  // namespace
