#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zicalc {

// The game's clock: a game day is 1800 real seconds, cut into twelve 时辰 of 150 seconds and into
// three trade periods of 600 seconds. A real day is exactly 48 game days, so whole days between two
// moments never move the phase.
inline constexpr int kGameDaySeconds = 1800;
inline constexpr int kShichenSeconds = 150;
inline constexpr int kTradePeriodSeconds = 600;
inline constexpr int kRealDaySeconds = 86400;

// The twelve 时辰 clockwise from the top of the dial; "戍" is the name the dial has always shown.
inline constexpr std::array<std::string_view, 12> kShichenNames{"子", "丑", "寅", "卯", "辰", "巳",
                                                                "午", "未", "申", "酉", "戍", "亥"};

// A trade period: the 时辰 it begins with and the one the next period begins with.
struct TradePeriod final {
    std::string_view name;
    std::string_view next;
};

// The three trade periods of a game day, from phase 0, 600 and 1200.
inline constexpr std::array<TradePeriod, 3> kTradePeriods{{{"子", "辰"}, {"辰", "申"}, {"申", "子"}}};

// The phase now, from the phase at calibration and the two times of day (seconds since midnight),
// both taken as times of the same day: a time of day before the calibration's means the next day.
int ComputePhase(int calibrationPhase, int calibrationSecondOfDay, int nowSecondOfDay);

// The trade period a phase lies in.
const TradePeriod& PeriodOf(int phase);

// Seconds until the next trade period begins, as the countdown shows them: a period's first second
// shows 0, its second 599.
int CountdownSeconds(int phase);

// "0" + minutes + ":" + two-digit seconds, for instance "05:30".
std::string CountdownText(int minutesLeft, int secondsLeft);

// "HH:MM:SS", two digits each.
std::string TimeOfDayText(int hour, int minute, int second);

// A point on the dial in twips, y growing downwards.
struct DialPoint final {
    double x = 0;
    double y = 0;
    friend bool operator==(const DialPoint&, const DialPoint&) = default;
};

inline constexpr DialPoint kDialCentre{1260, 1260};
inline constexpr double kRedHandLength = 600;
inline constexpr double kBlueHandLength = 400;

// The red hand turns once per 30 ticks of the second counter (0-59), the blue hand once per game day.
DialPoint RedHandEnd(int secondTicks);
DialPoint BlueHandEnd(int phase);

}  // namespace zicalc
