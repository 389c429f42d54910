#include "core/clock/TradeClock.h"

#include <utility>

#include "core/clock/CityPrices.h"
#include "core/clock/ClockCalibration.h"

namespace zicalc {

namespace {

ClockNotice Message(std::string_view text)
{
    return {ClockNotice::Kind::Message, std::string(kReminderTitle), std::string(text)};
}

}  // namespace

TradeClock::TradeClock(const Clock& clock, std::filesystem::path settingFile)
    : clock_(clock), settingFile_(std::move(settingFile))
{
    const TradePeriod& first = kTradePeriods[0];
    view_.period = {std::string(first.name), std::string(first.next)};
    const LocalMoment now = clock_.Now();
    view_.caption = TimeOfDayText(now.hour, now.minute, now.second);
    captionLastSecond_ = now.second;
    ShowCity(0);
}

std::optional<ClockNotice> TradeClock::Open()
{
    const SettingFileRead read = ReadSettingFile(settingFile_);
    if (!read.calibration) {
        StopDisabled();
        return Message(kFirstRunMessage);
    }
    const LocalMoment now = clock_.Now();
    if (CalibrationIsVoid(*read.calibration, now)) {
        StopDisabled();
        return Message(kMaintenanceMessage);
    }
    RunFrom(read.calibration->phase, read.calibration->SecondOfDay(), now);
    return std::nullopt;
}

void TradeClock::RunFrom(int calibrationPhase, int calibrationSecondOfDay, const LocalMoment& now)
{
    calibrationPhase_ = calibrationPhase;
    calibrationSecondOfDay_ = calibrationSecondOfDay;
    phase_ = ComputePhase(calibrationPhase_, calibrationSecondOfDay_, now.SecondsSinceMidnight());
    ShowPhase();
    Start();
}

void TradeClock::Tick()
{
    if (!view_.running) {
        return;
    }
    const LocalMoment now = clock_.Now();
    if (now.second == lastSecond_) {
        return;
    }
    lastSecond_ = now.second;
    const int phase = ComputePhase(calibrationPhase_, calibrationSecondOfDay_, now.SecondsSinceMidnight());
    // Normally one second has passed; after a stall the hands catch up by as many.
    const int elapsed = ((phase - phase_) % kGameDaySeconds + kGameDaySeconds) % kGameDaySeconds;
    secondTicks_ = (secondTicks_ + elapsed) % 60;
    phase_ = phase;

    view_.redHand = RedHandEnd(secondTicks_);
    view_.blueHand = BlueHandEnd(phase_);
    const TradePeriod& period = PeriodOf(phase_);
    view_.period = {std::string(period.name), std::string(period.next)};
    view_.progressTwips = 3 * (phase_ % kTradePeriodSeconds);
    const int left = CountdownSeconds(phase_);
    view_.countdown = CountdownText(left / 60, left % 60);
}

void TradeClock::CaptionTick()
{
    const LocalMoment now = clock_.Now();
    if (now.second == captionLastSecond_) {
        return;
    }
    captionLastSecond_ = now.second;
    view_.caption = TimeOfDayText(now.hour, now.minute, now.second);
}

std::optional<ClockNotice> TradeClock::PressShichen(int index)
{
    if (view_.running) {
        return ClockNotice{ClockNotice::Kind::Warning, {}, std::string(kRunningWarning)};
    }
    const LocalMoment now = clock_.Now();
    const int phase = kShichenSeconds * index;
    const FileStatus saved = WriteSettingFile(settingFile_, FreshCalibration(phase, now));
    if (!saved.ok()) {
        // The dial keeps standing: a calibration that is not in the file would be lost at 启动.
        ClockNotice notice = Message(kSettingSaveFailedMessage);
        notice.text += "\n" + saved.error;
        return notice;
    }
    RunFrom(phase, now.SecondsSinceMidnight(), now);
    return std::nullopt;
}

std::optional<ClockNotice> TradeClock::PressStart()
{
    const SettingFileRead read = ReadSettingFile(settingFile_);
    if (!read.calibration) {
        StopDisabled();
        return Message(kFirstRunMessage);
    }
    const LocalMoment now = clock_.Now();
    RunFrom(read.calibration->phase, read.calibration->SecondOfDay(), now);
    return std::nullopt;
}

void TradeClock::PressStop()
{
    view_.running = false;
    view_.startEnabled = true;
    view_.stopEnabled = false;
}

void TradeClock::TogglePrices()
{
    if (view_.pricesCaption == kPricesClosedCaption) {
        view_.pricesShown = true;
        view_.pricesCaption = std::string(kPricesOpenCaption);
        view_.heightTwips = kExpandedHeightTwips;
    } else {
        view_.pricesShown = false;
        view_.pricesCaption = std::string(kPricesClosedCaption);
        view_.heightTwips = kCollapsedHeightTwips;
    }
}

void TradeClock::SelectCity(int index)
{
    if (index == view_.selectedCity || index < 0 || index >= static_cast<int>(kCityBuyingPrices.size())) {
        return;
    }
    ShowCity(index);
}

// The period labels follow at once; the countdown, the hands and the bar wait for the next step.
void TradeClock::ShowPhase()
{
    const TradePeriod& period = PeriodOf(phase_);
    view_.period = {std::string(period.name), std::string(period.next)};
}

// The first step comes when the second turns, so that every step stands for a whole second.
void TradeClock::Start()
{
    view_.running = true;
    view_.startEnabled = false;
    view_.stopEnabled = true;
    lastSecond_ = clock_.Now().second;
}

void TradeClock::StopDisabled()
{
    view_.running = false;
    view_.startEnabled = false;
    view_.stopEnabled = false;
}

void TradeClock::ShowCity(int index)
{
    view_.selectedCity = index;
    for (std::size_t i = 0; i < view_.cityColours.size(); ++i) {
        view_.cityColours[i] = static_cast<int>(i) == index ? colours::kRed : colours::kBlue;
    }
    const auto& row = kCityBuyingPrices[static_cast<std::size_t>(index)];
    for (std::size_t i = 0; i < view_.cityPrices.size(); ++i) {
        view_.cityPrices[i] = std::string(row.lines[i]);
    }
}

}  // namespace zicalc
