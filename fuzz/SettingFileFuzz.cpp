// Feeds arbitrary bytes to the setting.ini reader and checks what a usable calibration promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/clock/ClockCalibration.h"
#include "core/clock/GameTime.h"

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zicalc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingFileRead read = ReadSettingBytes(bytes);
    if (!read.fields) {
        Check(!read.calibration);
        return 0;
    }
    // What was read is written back field for field.
    if (const auto written = CalibrationFileBytes(*read.fields)) {
        Check(ReadSettingBytes(*written).fields == read.fields);
    }
    if (!read.calibration) {
        return 0;
    }
    const Calibration& c = *read.calibration;
    Check(c.phase >= 0 && c.phase < kGameDaySeconds);
    Check(c.SecondOfDay() >= 0 && c.SecondOfDay() < kRealDaySeconds);
    for (const int now : {0, c.SecondOfDay(), kRealDaySeconds - 1}) {
        const int phase = ComputePhase(c.phase, c.SecondOfDay(), now);
        Check(phase >= 0 && phase < kGameDaySeconds);
        Check(CountdownSeconds(phase) >= 0 && CountdownSeconds(phase) < kTradePeriodSeconds);
        Check(!PeriodOf(phase).name.empty());
    }
    LocalMoment now;
    now.year = c.year;
    now.month = c.month;
    now.day = c.day;
    now.hour = c.hour;
    now.minute = c.minute;
    now.second = c.second;
    (void)CalibrationIsVoid(c, now);
    now.year = 9999;
    Check(CalibrationIsVoid(c, now));
    return 0;
}
