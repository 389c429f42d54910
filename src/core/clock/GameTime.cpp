#include "core/clock/GameTime.h"

#include <cmath>
#include <cstdio>

namespace zicalc {

namespace {

// The dial has always turned by this value of pi; keeping it keeps the hands where they were.
constexpr double kPi = 3.1415926;

int Mod(int value, int modulus)
{
    const int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

}  // namespace

int ComputePhase(int calibrationPhase, int calibrationSecondOfDay, int nowSecondOfDay)
{
    int d = nowSecondOfDay - calibrationSecondOfDay;
    if (d < 0) {
        d += kRealDaySeconds;
    }
    return Mod(d + calibrationPhase, kGameDaySeconds);
}

const TradePeriod& PeriodOf(int phase)
{
    return kTradePeriods[static_cast<std::size_t>(Mod(phase, kGameDaySeconds) / kTradePeriodSeconds)];
}

int CountdownSeconds(int phase)
{
    return (kTradePeriodSeconds - Mod(phase, kTradePeriodSeconds)) % kTradePeriodSeconds;
}

std::string CountdownText(int minutesLeft, int secondsLeft)
{
    char text[16];
    std::snprintf(text, sizeof text, "0%d:%02d", minutesLeft, secondsLeft);
    return text;
}

std::string TimeOfDayText(int hour, int minute, int second)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

DialPoint RedHandEnd(int secondTicks)
{
    const double a = kPi * (secondTicks / 15.0 - 0.5);
    return {kDialCentre.x + kRedHandLength * std::cos(a), kDialCentre.y + kRedHandLength * std::sin(a)};
}

DialPoint BlueHandEnd(int phase)
{
    const double b = kPi * (phase / 900.0 - 0.5);
    return {kDialCentre.x + kBlueHandLength * std::cos(b), kDialCentre.y + kBlueHandLength * std::sin(b)};
}

}  // namespace zicalc
