#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/app/Clock.h"
#include "core/app/Rgb.h"
#include "core/clock/GameTime.h"

namespace zicalc {

inline constexpr std::string_view kReminderTitle = "提醒";
inline constexpr std::string_view kFirstRunMessage = "第一次运行,请先手动对时！";
inline constexpr std::string_view kMaintenanceMessage = "ride于星期二8点整系统维护了,请重新手动对时！";
inline constexpr std::string_view kRunningWarning = "走动中不能对时！请先停止!";
inline constexpr std::string_view kSettingSaveFailedMessage = "保存setting.ini失败！";
inline constexpr std::string_view kPricesClosedCaption = "∨各地可买入价∨";
inline constexpr std::string_view kPricesOpenCaption = "∧各地可买入价∧";
inline constexpr int kCollapsedHeightTwips = 3700;
inline constexpr int kExpandedHeightTwips = 4830;

// What the clock has to tell the player: through the warning box, or a message box with a title.
struct ClockNotice final {
    enum class Kind { Warning, Message };
    Kind kind = Kind::Message;
    std::string title;  // for Message only
    std::string text;
    friend bool operator==(const ClockNotice&, const ClockNotice&) = default;
};

// Everything the clock window shows, control by control.
struct TradeClockView final {
    std::string caption;                              // the window caption: the time of day
    std::array<std::string, 2> period;                // Label2(0) the current period, Label2(1) the next
    std::string countdown = "00:00";                  // Label6
    int progressTwips = 0;                            // width of Label1(1)
    DialPoint redHand = RedHandEnd(0);                // end of Line2(0)
    DialPoint blueHand = BlueHandEnd(0);              // end of Line2(1)
    bool running = false;                             // Timer1
    bool startEnabled = true;                         // dcButton2(0)
    bool stopEnabled = false;                         // dcButton2(1)
    bool pricesShown = false;                         // Frame1
    std::string pricesCaption{kPricesClosedCaption};  // dcButton4
    int heightTwips = kCollapsedHeightTwips;
    int selectedCity = 0;
    std::array<Rgb, 5> cityColours{};       // Label4(0)-Label4(4)
    std::array<std::string, 3> cityPrices;  // Label5(0)-Label5(2)
};

// The trade-run clock: the game phase from a calibration stored in setting.ini, stepped once per
// real second while it runs. Each step computes the phase from the calibration and the time now,
// so a stalled timer or a suspended machine never leaves the dial behind.
class TradeClock final {
public:
    TradeClock(const Clock& clock, std::filesystem::path settingFile);

    // Opening the window: the calibration from the file, or why there is none.
    std::optional<ClockNotice> Open();
    // Timer1 and Timer2, every 100 ms; each acts once per second of the minute.
    void Tick();
    void CaptionTick();

    // 时辰 button i: calibrates to the start of that 时辰 now and stores it.
    std::optional<ClockNotice> PressShichen(int index);
    // 启动: the phase from the file as it stands, without the maintenance check.
    std::optional<ClockNotice> PressStart();
    // 停止
    void PressStop();
    // The adjustment window may open only while the clock stands.
    bool CanAdjust() const { return !view_.running; }
    // After the adjustment window stored a new time.
    void EnableStart() { view_.startEnabled = true; }
    void TogglePrices();
    void SelectCity(int index);
    void Close() { view_.running = false; }

    const TradeClockView& view() const { return view_; }
    int phase() const { return phase_; }
    int secondTicks() const { return secondTicks_; }

private:
    // Runs the clock from a calibration (the phase it set, at that second of the real day).
    void RunFrom(int calibrationPhase, int calibrationSecondOfDay, const LocalMoment& now);
    void ShowPhase();
    void Start();
    void StopDisabled();
    void ShowCity(int index);

    const Clock& clock_;
    std::filesystem::path settingFile_;
    int phase_ = 0;
    int calibrationPhase_ = 0;
    int calibrationSecondOfDay_ = 0;
    int secondTicks_ = 0;
    int lastSecond_ = 0;
    int captionLastSecond_ = 0;
    TradeClockView view_;
};

}  // namespace zicalc
