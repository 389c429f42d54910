#include "core/clock/TimeAdjust.h"

#include <utility>

#include "core/app/Numeric.h"
#include "core/clock/GameTime.h"
#include "core/clock/TradeClock.h"

namespace zicalc {

namespace {

std::string WithoutLeadingBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

TimeAdjust::TimeAdjust(std::filesystem::path settingFile) : settingFile_(std::move(settingFile)) {}

void TimeAdjust::Load()
{
    stored_.reset();
    hour_ = minute_ = second_ = 0;
    const SettingFileRead read = ReadSettingFile(settingFile_);
    if (!read.calibration) {
        return;
    }
    stored_ = read.fields;
    hour_ = read.calibration->hour;
    minute_ = read.calibration->minute;
    second_ = read.calibration->second;
}

void TimeAdjust::Step(AdjustStep step)
{
    const auto minuteUp = [this] {
        if (++minute_ > 59) {
            minute_ = 0;
            hour_ = (hour_ + 1) % 24;
        }
    };
    const auto minuteDown = [this] {
        if (--minute_ < 0) {
            minute_ = 59;
            hour_ = (hour_ + 23) % 24;
        }
    };
    switch (step) {
        case AdjustStep::HourUp:
            hour_ = (hour_ + 1) % 24;
            break;
        case AdjustStep::HourDown:
            hour_ = (hour_ + 23) % 24;
            break;
        case AdjustStep::MinuteUp:
            minuteUp();
            break;
        case AdjustStep::MinuteDown:
            minuteDown();
            break;
        case AdjustStep::SecondUp:
            if (++second_ > 59) {
                second_ = 0;
                minuteUp();
            }
            break;
        case AdjustStep::SecondDown:
            if (--second_ < 0) {
                second_ = 59;
                minuteDown();
            }
            break;
    }
}

std::array<std::string, 3> TimeAdjust::texts() const
{
    return {TwoDigits(hour_), TwoDigits(minute_), TwoDigits(second_)};
}

TimeAdjust::SaveResult TimeAdjust::Save()
{
    // Without a calibration there is no phase or date to keep; writing empty lines would only
    // leave a file the clock cannot read.
    if (!stored_) {
        return {false, std::string(kReminderTitle), std::string(kFirstRunMessage)};
    }
    CalibrationFields fields = *stored_;
    fields.phase = WithoutLeadingBlanks(fields.phase);
    fields.time = TimeOfDayText(hour_, minute_, second_);
    fields.weekday = WithoutLeadingBlanks(fields.weekday);
    const FileStatus status = WriteSettingFile(settingFile_, fields);
    if (!status.ok()) {
        return {false, std::string(kReminderTitle), std::string(kSettingSaveFailedMessage) + "\n" + status.error};
    }
    stored_->time = fields.time;
    return {true, std::string(kAdjustedTitle), std::string(kAdjustedMessage)};
}

}  // namespace zicalc
