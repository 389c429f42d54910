#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/clock/ClockCalibration.h"

namespace zicalc {

inline constexpr std::string_view kAdjustedTitle = "修改";
inline constexpr std::string_view kAdjustedMessage = "时间修改完毕！";

// The six +/- buttons of the adjustment window, in control order.
enum class AdjustStep { HourUp, HourDown, MinuteUp, MinuteDown, SecondUp, SecondDown };

// The adjustment window: the calibration's time of day as read from setting.ini, moved step by
// step and written back with the phase, date and weekday left as they were read.
class TimeAdjust final {
public:
    explicit TimeAdjust(std::filesystem::path settingFile);

    // Reads the file; without a usable calibration every field shows "00".
    void Load();
    void Step(AdjustStep step);

    // Text1(0)-Text1(2): hours, minutes, seconds, two digits each.
    std::array<std::string, 3> texts() const;

    struct SaveResult final {
        bool saved = false;  // the file was rewritten, so the clock may be started again
        std::string title;
        std::string text;
    };
    // 修改: rewrites the file with the new time; without a calibration to keep, writes nothing.
    SaveResult Save();

private:
    std::filesystem::path settingFile_;
    std::optional<CalibrationFields> stored_;
    int hour_ = 0;
    int minute_ = 0;
    int second_ = 0;
};

}  // namespace zicalc
