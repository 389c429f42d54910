#include <gtest/gtest.h>

#include "ClockTestSupport.h"
#include "core/clock/ClockHelp.h"
#include "core/clock/TimeAdjust.h"

using namespace zicalc;
using namespace zicalc::testing_clock;

namespace {

class TimeAdjustTest : public SettingDir {};

struct StepCase {
    const char* stored;
    AdjustStep step;
    std::array<std::string, 3> shown;
};

class StepCases : public TimeAdjustTest, public testing::WithParamInterface<StepCase> {};

TEST_P(StepCases, CarriesAndBorrowsThroughTheDay)
{
    const auto& c = GetParam();
    WriteRaw(std::string("600\r\n") + c.stored + "\r\n2007-05-12\r\n7\r\n");
    TimeAdjust adjust(File());
    adjust.Load();
    adjust.Step(c.step);
    EXPECT_EQ(adjust.texts(), c.shown) << c.stored;
}

INSTANTIATE_TEST_SUITE_P(Buttons, StepCases,
                         testing::Values(StepCase{"23:59:59", AdjustStep::SecondUp, {"00", "00", "00"}},
                                         StepCase{"10:58:59", AdjustStep::SecondUp, {"10", "59", "00"}},
                                         StepCase{"00:00:00", AdjustStep::MinuteDown, {"23", "59", "00"}},
                                         StepCase{"00:00:00", AdjustStep::SecondDown, {"23", "59", "59"}},
                                         StepCase{"10:59:30", AdjustStep::MinuteUp, {"11", "00", "30"}},
                                         StepCase{"23:59:59", AdjustStep::HourUp, {"00", "59", "59"}},
                                         StepCase{"00:00:00", AdjustStep::HourDown, {"23", "00", "00"}},
                                         StepCase{"9:5:7", AdjustStep::SecondDown, {"09", "05", "06"}}));

TEST_F(TimeAdjustTest, SaveChangesOnlyTheTime)
{
    WriteRaw(" 600\r\n14:05:30\r\n2007/5/12\r\n 7\r\n");
    TimeAdjust adjust(File());
    adjust.Load();
    EXPECT_EQ(adjust.texts(), (std::array<std::string, 3>{"14", "05", "30"}));
    adjust.Step(AdjustStep::SecondUp);
    adjust.Step(AdjustStep::SecondUp);
    const auto result = adjust.Save();
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(result.title, "修改");
    EXPECT_EQ(result.text, "时间修改完毕！");
    EXPECT_EQ(ReadRaw(), "600\r\n14:05:32\r\n2007/5/12\r\n7\r\n");
    // Saved again without a change: the same file.
    EXPECT_TRUE(adjust.Save().saved);
    EXPECT_EQ(ReadRaw(), "600\r\n14:05:32\r\n2007/5/12\r\n7\r\n");
}

TEST_F(TimeAdjustTest, WithoutACalibrationShowsZerosAndWritesNothing)
{
    for (const char* file : {static_cast<const char*>(nullptr), "600\r\n14:05:30\r\n"}) {
        if (file) {
            WriteRaw(file);
        }
        TimeAdjust adjust(File());
        adjust.Load();
        EXPECT_EQ(adjust.texts(), (std::array<std::string, 3>{"00", "00", "00"}));
        adjust.Step(AdjustStep::HourUp);
        const auto result = adjust.Save();
        EXPECT_FALSE(result.saved);
        EXPECT_EQ(result.title, "提醒");
        EXPECT_EQ(result.text, "第一次运行,请先手动对时！");
        if (file) {
            EXPECT_EQ(ReadRaw(), file);
        } else {
            EXPECT_FALSE(std::filesystem::exists(File()));
        }
    }
}

TEST(ClockHelp, ThirtyNineLinesEachEndedByALineBreak)
{
    const std::string text = ClockHelpText();
    EXPECT_EQ(kClockHelpLines.size(), 39u);
    EXPECT_EQ(text.substr(0, 2), "\r\n");
    EXPECT_NE(text.find("\r\n 3.\"启动\"按钮是当钟面停止走动时，\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n 4.\"停止\"按钮是当需要手动修改时间\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n\r\n 9.倒数计时同为10分钟倒数.\r\n"));
}

}  // namespace
