#include <gtest/gtest.h>

#include "ClockTestSupport.h"
#include "core/clock/TradeClock.h"

using namespace zicalc;
using namespace zicalc::testing_clock;

namespace {

// A clock calibrated with 辰 on Saturday 12 May 2007 at 14:05:30.
constexpr const char* kSaturdayFile = "600\r\n14:05:30\r\n2007-05-12\r\n7\r\n";

class TradeClockTest : public SettingDir {
protected:
    TradeClock& Make(LocalMoment now)
    {
        clock_.Set(now);
        model_.emplace(clock_, File());
        return *model_;
    }
    // One real second later, and the timer's next tick.
    void Second(int seconds = 1)
    {
        clock_.AdvanceSeconds(seconds);
        model_->Tick();
    }
    const TradeClockView& View() const { return model_->view(); }

    FakeClock clock_;
    std::optional<TradeClock> model_;
};

struct OpenCase {
    const char* what;
    const char* file;  // nullptr: no setting.ini
    LocalMoment now;
    const char* message;  // nullptr: the clock runs
};

class OpenCases : public TradeClockTest, public testing::WithParamInterface<OpenCase> {};

TEST_P(OpenCases, RunsOnlyOnAValidCalibration)
{
    const auto& c = GetParam();
    if (c.file) {
        WriteRaw(c.file);
    }
    const std::string before = c.file ? ReadRaw() : std::string();
    const auto notice = Make(c.now).Open();
    if (c.message) {
        ASSERT_TRUE(notice) << c.what;
        EXPECT_EQ(notice->kind, ClockNotice::Kind::Message);
        EXPECT_EQ(notice->title, "提醒");
        EXPECT_EQ(notice->text, c.message) << c.what;
        EXPECT_FALSE(View().running);
        EXPECT_FALSE(View().startEnabled);
        EXPECT_FALSE(View().stopEnabled);
    } else {
        EXPECT_FALSE(notice) << c.what;
        EXPECT_TRUE(View().running);
        EXPECT_FALSE(View().startEnabled);
        EXPECT_TRUE(View().stopEnabled);
    }
    EXPECT_EQ(View().countdown, "00:00");
    if (c.file) {
        EXPECT_EQ(ReadRaw(), before) << "opening never writes";
    }
}

constexpr const char* kFirstRun = "第一次运行,请先手动对时！";
constexpr const char* kMaintenance = "ride于星期二8点整系统维护了,请重新手动对时！";

INSTANTIATE_TEST_SUITE_P(
    Files, OpenCases,
    testing::Values(OpenCase{"valid until the maintenance", kSaturdayFile, At(kMon, 9, 0, 0), nullptr},
                    OpenCase{"no file", nullptr, At(kMon, 9, 0, 0), kFirstRun},
                    OpenCase{"short file", "600\r\n14:05:30\r\n2007-05-12\r\n", At(kMon, 9, 0, 0), kFirstRun},
                    OpenCase{"negative phase", "-5\r\n14:05:30\r\n2007-05-12\r\n7\r\n", At(kMon, 9, 0, 0), kFirstRun},
                    OpenCase{"phase 1800", "1800\r\n14:05:30\r\n2007-05-12\r\n7\r\n", At(kMon, 9, 0, 0), kFirstRun},
                    OpenCase{"bad date", "600\r\n14:05:30\r\n2007-05-32\r\n7\r\n", At(kMon, 9, 0, 0), kFirstRun},
                    OpenCase{"bad time", "600\r\n14:65:30\r\n2007-05-12\r\n7\r\n", At(kMon, 9, 0, 0), kFirstRun},
                    OpenCase{"bytes that are not GBK", "600\r\n14:05:30\r\n\x80\r\n7\r\n", At(kMon, 9, 0, 0),
                             kFirstRun},
                    OpenCase{"maintenance passed", kSaturdayFile, At(kWed, 9, 0, 0), kMaintenance},
                    OpenCase{"seven days on", kSaturdayFile, At(kNextSat, 14, 5, 30), kMaintenance},
                    OpenCase{"calibrated in the future", kSaturdayFile, At(kSat, 14, 0, 0), kMaintenance}));

TEST_F(TradeClockTest, ReopenedTheSameDayFollowsTheGame)
{
    WriteRaw(kSaturdayFile);
    TradeClock& clock = Make(At(kSat, 14, 20, 0));
    ASSERT_FALSE(clock.Open());
    EXPECT_EQ(clock.phase(), 1470);
    EXPECT_EQ(View().period, (std::array<std::string, 2>{"申", "子"}));
    // The countdown, the hands and the bar wait for the first step.
    EXPECT_EQ(View().countdown, "00:00");
    EXPECT_EQ(View().progressTwips, 0);
    EXPECT_EQ(View().blueHand, BlueHandEnd(0));
    clock.Tick();
    EXPECT_EQ(View().countdown, "00:00") << "no step within the same second";
    Second();
    EXPECT_EQ(View().countdown, "05:29");
    EXPECT_EQ(clock.phase(), 1471);
    EXPECT_EQ(View().progressTwips, 3 * 271);
    EXPECT_EQ(View().redHand, RedHandEnd(1));
    EXPECT_EQ(View().blueHand, BlueHandEnd(1471));
}

TEST_F(TradeClockTest, PeriodTurnsAtItsFirstSecondAndTheCountdownStartsOver)
{
    WriteRaw(kSaturdayFile);
    TradeClock& clock = Make(At(kMon, 14, 5, 29));
    ASSERT_FALSE(clock.Open());
    EXPECT_EQ(clock.phase(), 599);
    EXPECT_EQ(View().period, (std::array<std::string, 2>{"子", "辰"}));
    Second();
    EXPECT_EQ(clock.phase(), 600);
    EXPECT_EQ(View().period, (std::array<std::string, 2>{"辰", "申"}));
    EXPECT_EQ(View().countdown, "00:00");
    EXPECT_EQ(View().progressTwips, 0);
    Second();
    EXPECT_EQ(View().countdown, "09:59");
    EXPECT_EQ(View().progressTwips, 3);
}

TEST_F(TradeClockTest, WrapsAtTheEndOfTheGameDayAndOfTheSecondCounter)
{
    WriteRaw("1798\r\n10:00:00\r\n2007-05-12\r\n7\r\n");
    TradeClock& clock = Make(At(kSat, 10, 0, 0));
    ASSERT_FALSE(clock.Open());
    Second();
    EXPECT_EQ(clock.phase(), 1799);
    Second();
    EXPECT_EQ(clock.phase(), 0);
    EXPECT_EQ(View().period, (std::array<std::string, 2>{"子", "辰"}));
    for (int i = 2; i < 58; ++i) {
        Second();
    }
    EXPECT_EQ(clock.secondTicks(), 58);
    Second();
    EXPECT_EQ(clock.secondTicks(), 59);
    Second();
    EXPECT_EQ(clock.secondTicks(), 0);
    EXPECT_EQ(clock.phase(), 58);
}

TEST_F(TradeClockTest, AStalledTimerCatchesUp)
{
    WriteRaw(kSaturdayFile);
    TradeClock& clock = Make(At(kSat, 14, 20, 0));
    ASSERT_FALSE(clock.Open());
    Second();
    EXPECT_EQ(View().countdown, "05:29");
    Second(5);
    EXPECT_EQ(clock.phase(), 1476);
    EXPECT_EQ(View().countdown, "05:24");
    EXPECT_EQ(clock.secondTicks(), 6);
    EXPECT_EQ(View().redHand, RedHandEnd(6));
}

TEST_F(TradeClockTest, StopFreezesTheDialAndTheCountdown)
{
    WriteRaw(kSaturdayFile);
    TradeClock& clock = Make(At(kSat, 14, 20, 0));
    ASSERT_FALSE(clock.Open());
    Second();
    EXPECT_FALSE(clock.CanAdjust());
    clock.PressStop();
    EXPECT_FALSE(View().running);
    EXPECT_TRUE(View().startEnabled);
    EXPECT_FALSE(View().stopEnabled);
    EXPECT_TRUE(clock.CanAdjust());
    const TradeClockView frozen = View();
    Second(3);
    EXPECT_EQ(View().countdown, frozen.countdown);
    EXPECT_EQ(View().redHand, frozen.redHand);
    EXPECT_EQ(View().progressTwips, frozen.progressTwips);
    EXPECT_EQ(clock.phase(), 1471);
}

TEST_F(TradeClockTest, StartReadsTheFileAgainWithoutTheMaintenanceCheck)
{
    WriteRaw(kSaturdayFile);
    TradeClock& clock = Make(At(kWed, 14, 20, 0));
    ASSERT_TRUE(clock.Open());
    EXPECT_FALSE(clock.PressStart());
    EXPECT_TRUE(View().running);
    EXPECT_FALSE(View().startEnabled);
    EXPECT_TRUE(View().stopEnabled);
    EXPECT_EQ(clock.phase(), 1470);

    clock.PressStop();
    std::filesystem::remove(File());
    const auto notice = clock.PressStart();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->title, "提醒");
    EXPECT_EQ(notice->text, kFirstRun);
    EXPECT_FALSE(View().running);
    EXPECT_FALSE(View().startEnabled);
    EXPECT_FALSE(View().stopEnabled);
}

TEST_F(TradeClockTest, ShichenWhileRunningWarnsAndWritesNothing)
{
    WriteRaw(kSaturdayFile);
    TradeClock& clock = Make(At(kSat, 14, 20, 0));
    ASSERT_FALSE(clock.Open());
    const auto notice = clock.PressShichen(0);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->kind, ClockNotice::Kind::Warning);
    EXPECT_EQ(notice->text, "走动中不能对时！请先停止!");
    EXPECT_EQ(ReadRaw(), kSaturdayFile);
    EXPECT_EQ(clock.phase(), 1470);
    EXPECT_TRUE(View().running);
}

struct ShichenCase {
    int index;
    const char* period;
    const char* next;
    const char* firstStep;  // the countdown one second after the press
};

class ShichenCases : public TradeClockTest, public testing::WithParamInterface<ShichenCase> {};

TEST_P(ShichenCases, CalibratesStoresAndStarts)
{
    const auto& c = GetParam();
    TradeClock& clock = Make(At(kTue, 9, 3, 7));
    ASSERT_TRUE(clock.Open());  // no file yet
    EXPECT_FALSE(clock.PressShichen(c.index));
    EXPECT_EQ(ReadRaw(), std::to_string(150 * c.index) + "\r\n09:03:07\r\n2007-05-15\r\n3\r\n");
    EXPECT_EQ(clock.phase(), 150 * c.index);
    EXPECT_EQ(View().period, (std::array<std::string, 2>{c.period, c.next}));
    EXPECT_EQ(View().countdown, "00:00");
    EXPECT_TRUE(View().running);
    EXPECT_FALSE(View().startEnabled);
    EXPECT_TRUE(View().stopEnabled);
    Second();
    EXPECT_EQ(View().countdown, c.firstStep);

    // Reopened later the same day, the stored calibration carries on.
    TradeClock& reopened = Make(At(kTue, 9, 3, 8));
    EXPECT_FALSE(reopened.Open());
    EXPECT_EQ(reopened.phase(), 150 * c.index + 1);
}

INSTANTIATE_TEST_SUITE_P(Dial, ShichenCases,
                         testing::Values(ShichenCase{0, "子", "辰", "09:59"}, ShichenCase{1, "子", "辰", "07:29"},
                                         ShichenCase{2, "子", "辰", "04:59"}, ShichenCase{3, "子", "辰", "02:29"},
                                         ShichenCase{4, "辰", "申", "09:59"}, ShichenCase{7, "辰", "申", "02:29"},
                                         ShichenCase{8, "申", "子", "09:59"}, ShichenCase{11, "申", "子", "02:29"}));

TEST_F(TradeClockTest, ShichenThatCannotBeStoredLeavesTheClockStanding)
{
    FakeClock clock(At(kSat, 10, 0, 0));
    TradeClock model(clock, dir_ / "missing-folder" / "setting.ini");
    ASSERT_TRUE(model.Open());
    const auto notice = model.PressShichen(4);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->kind, ClockNotice::Kind::Message);
    EXPECT_EQ(notice->text.rfind("保存setting.ini失败！", 0), 0u) << notice->text;
    EXPECT_FALSE(model.view().running);
    EXPECT_EQ(model.phase(), 0);
}

TEST_F(TradeClockTest, PricePanelAndCityTabs)
{
    TradeClock& clock = Make(At(kSat, 10, 0, 0));
    EXPECT_FALSE(View().pricesShown);
    EXPECT_EQ(View().heightTwips, 3700);
    EXPECT_EQ(View().selectedCity, 0);
    EXPECT_EQ(View().cityPrices,
              (std::array<std::string, 3>{"首饰  <= 4300  可进", "纸钱  <= 3000  可进", "夜明珠<= 8000  可进"}));
    EXPECT_EQ(View().cityColours[0], (Rgb{255, 0, 0}));
    EXPECT_EQ(View().cityColours[4], (Rgb{0, 0, 255}));

    clock.TogglePrices();
    EXPECT_TRUE(View().pricesShown);
    EXPECT_EQ(View().pricesCaption, "∧各地可买入价∧");
    EXPECT_EQ(View().heightTwips, 4830);
    clock.TogglePrices();
    EXPECT_FALSE(View().pricesShown);
    EXPECT_EQ(View().pricesCaption, "∨各地可买入价∨");
    EXPECT_EQ(View().heightTwips, 3700);

    clock.SelectCity(1);
    EXPECT_EQ(View().selectedCity, 1);
    EXPECT_EQ(View().cityColours[0], (Rgb{0, 0, 255}));
    EXPECT_EQ(View().cityColours[1], (Rgb{255, 0, 0}));
    EXPECT_EQ(View().cityPrices[1], "酒    <= 3500  可进");
    clock.SelectCity(1);
    EXPECT_EQ(View().cityColours[1], (Rgb{255, 0, 0}));
    EXPECT_EQ(View().cityPrices[2], "蜡烛  <= 1800  可进");
    clock.SelectCity(3);
    EXPECT_EQ(View().cityPrices[2], "符    <= 5000  可进");
    EXPECT_EQ(View().cityColours[1], (Rgb{0, 0, 255}));
}

TEST_F(TradeClockTest, CaptionShowsTheTimeOfDayEachSecond)
{
    TradeClock& clock = Make(At(kSat, 9, 5, 7));
    EXPECT_EQ(View().caption, "09:05:07");
    clock_.Set(At(kSat, 9, 5, 8));
    clock.CaptionTick();
    EXPECT_EQ(View().caption, "09:05:08");
}

}  // namespace
