#include <gtest/gtest.h>

#include "ClockTestSupport.h"
#include "core/clock/ClockCalibration.h"

using namespace zicalc;
using namespace zicalc::testing_clock;

namespace {

const CalibrationFields kSaturday{"600", "14:05:30", "2007-05-12", "7"};

struct SplitCase {
    const char* what;
    const char* text;
    std::optional<CalibrationFields> fields;
};

class SplitCases : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCases, TakesTheFirstFourFields)
{
    EXPECT_EQ(SplitCalibrationFields(GetParam().text), GetParam().fields) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Reader, SplitCases,
    testing::Values(SplitCase{"four CR LF lines", "600\r\n14:05:30\r\n2007-05-12\r\n7\r\n", kSaturday},
                    SplitCase{"commas end fields as line ends do", "600,14:05:30\r\n2007-05-12,7\r\n", kSaturday},
                    SplitCase{"LF, CR and a last line without its end", "600\n14:05:30\r2007-05-12\r\n7", kSaturday},
                    SplitCase{"fields past the fourth are ignored", "600\r\n14:05:30\r\n2007-05-12\r\n7,8\r\nmore\r\n",
                              kSaturday},
                    SplitCase{"blanks stay as they were read", " 600\r\n14:05:30\r\n2007-05-12\r\n 7\r\n",
                              CalibrationFields{" 600", "14:05:30", "2007-05-12", " 7"}},
                    SplitCase{"an empty line is an empty field", "600\r\n\r\n2007-05-12\r\n7\r\n",
                              CalibrationFields{"600", "", "2007-05-12", "7"}},
                    SplitCase{"a comma before the line end leaves an empty field", "600,14:05:30,2007-05-12,\r\n",
                              CalibrationFields{"600", "14:05:30", "2007-05-12", ""}},
                    SplitCase{"three fields", "600\r\n14:05:30\r\n2007-05-12\r\n", std::nullopt},
                    SplitCase{"empty file", "", std::nullopt}));

struct NumberCase {
    const char* text;
    std::optional<int> value;
};

class LeadingNumberCases : public testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberCases, ReadsTheNumberAtTheStartIn16Bits)
{
    EXPECT_EQ(LeadingInt16(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Phase, LeadingNumberCases,
                         testing::Values(NumberCase{"600", 600}, NumberCase{"  1650", 1650}, NumberCase{"600abc", 600},
                                         NumberCase{"150 ", 150}, NumberCase{"+7", 7}, NumberCase{"-5", -5},
                                         NumberCase{"1.5", 2}, NumberCase{"2.5", 2}, NumberCase{".5", 0},
                                         NumberCase{"32767", 32767}, NumberCase{"-32768", -32768},
                                         NumberCase{"32767.6", std::nullopt}, NumberCase{"32768", std::nullopt},
                                         NumberCase{"99999999999999999999999", std::nullopt},
                                         NumberCase{"abc", std::nullopt}, NumberCase{"", std::nullopt},
                                         NumberCase{"-", std::nullopt}, NumberCase{".", std::nullopt}));

TEST(TimeAndDate, AcceptTheWrittenFormsAndRefuseTheRest)
{
    for (const char* good : {"14:05:30", "4:5:6", " 14:05:30 ", "00:00:00", "23:59:59"}) {
        EXPECT_TRUE(ParseTimeOfDay(good)) << good;
    }
    for (const char* bad : {"24:00:00", "14:60:00", "14:05:60", "14:05", "140:05:30", "14:05:30 PM", "", "14-05-30"}) {
        EXPECT_FALSE(ParseTimeOfDay(bad)) << bad;
    }
    const auto time = ParseTimeOfDay("9:05:07");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->hour * 10000 + time->minute * 100 + time->second, 90507);

    for (const char* good : {"2007-05-12", "2007-5-12", "2007/5/12", "2007/05/12", " 2008-02-29", "2000-2-29"}) {
        EXPECT_TRUE(ParseCivilDate(good)) << good;
    }
    for (const char* bad : {"2007-02-29", "1900-02-29", "2007-13-01", "2007-00-10", "2007-05-00", "2007-04-31",
                            "12/05/2007", "2007-05/12", "07-05-12", "2007年5月12日", "2007-05-12x", ""}) {
        EXPECT_FALSE(ParseCivilDate(bad)) << bad;
    }
    EXPECT_EQ(CivilDateText(2007, 5, 2), "2007-05-02");
}

struct CalibrationCase {
    const char* what;
    CalibrationFields fields;
    bool usable;
};

class CalibrationCases : public testing::TestWithParam<CalibrationCase> {};

TEST_P(CalibrationCases, PhaseMustLieInTheGameDay)
{
    EXPECT_EQ(ParseCalibration(GetParam().fields).has_value(), GetParam().usable) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CalibrationCases,
    testing::Values(CalibrationCase{"as written", kSaturday, true},
                    CalibrationCase{"phase 0", {"0", "14:05:30", "2007-05-12", "7"}, true},
                    CalibrationCase{"phase 1799", {"1799", "14:05:30", "2007-05-12", "7"}, true},
                    CalibrationCase{"weekday not needed", {"600", "14:05:30", "2007-05-12", ""}, true},
                    CalibrationCase{"negative phase", {"-5", "14:05:30", "2007-05-12", "7"}, false},
                    CalibrationCase{"phase 1800", {"1800", "14:05:30", "2007-05-12", "7"}, false},
                    CalibrationCase{"phase past 16 bits", {"70000", "14:05:30", "2007-05-12", "7"}, false},
                    CalibrationCase{"no phase", {"", "14:05:30", "2007-05-12", "7"}, false},
                    CalibrationCase{"bad time", {"600", "下午 2:05:30", "2007-05-12", "7"}, false},
                    CalibrationCase{"bad date", {"600", "14:05:30", "12.05.2007", "7"}, false}));

TEST(Writer, FourCrLfLinesWithTheDateInOneFixedForm)
{
    const CalibrationFields fresh = FreshCalibration(600, At(kSat, 14, 5, 30));
    EXPECT_EQ(fresh, kSaturday);
    EXPECT_EQ(CalibrationFileBytes(fresh), "600\r\n14:05:30\r\n2007-05-12\r\n7\r\n");
    EXPECT_EQ(CalibrationFileBytes(FreshCalibration(0, At(2, 7, 8, 9, 1, 2011))),
              "0\r\n07:08:09\r\n2011-01-02\r\n1\r\n");  // a Sunday
}

struct ValidityCase {
    const char* what;
    LocalMoment calibrated;
    LocalMoment now;
    bool isVoid;
};

class ValidityCases : public testing::TestWithParam<ValidityCase> {};

TEST_P(ValidityCases, VoidOnceTheTuesdayMaintenanceHasPassed)
{
    const auto& c = GetParam();
    const Calibration calibration{600,
                                  c.calibrated.year,
                                  c.calibrated.month,
                                  c.calibrated.day,
                                  c.calibrated.hour,
                                  c.calibrated.minute,
                                  c.calibrated.second};
    EXPECT_EQ(CalibrationIsVoid(calibration, c.now), c.isVoid) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Maintenance, ValidityCases,
    testing::Values(
        ValidityCase{"Saturday to the following Monday", At(kSat, 14, 5, 30), At(kMon, 14, 5, 30), false},
        ValidityCase{"Saturday to the Wednesday after", At(kSat, 14, 5, 30), At(kWed, 9, 0, 0), true},
        ValidityCase{"Tuesday 7:50 to 7:59:59", At(kTue, 7, 50, 0), At(kTue, 7, 59, 59), false},
        ValidityCase{"Tuesday 7:50 to 8:00:00", At(kTue, 7, 50, 0), At(kTue, 8, 0, 0), true},
        ValidityCase{"Tuesday 8:30 to later that day", At(kTue, 8, 30, 0), At(kTue, 23, 0, 0), false},
        ValidityCase{"calibrated on the maintenance moment itself", At(kTue, 8, 0, 0), At(kTue, 8, 0, 0), true},
        ValidityCase{"Tuesday 8:00:01 to next Tuesday 7:59:59", At(kTue, 8, 0, 1), At(kNextTue, 7, 59, 59), false},
        ValidityCase{"exactly seven days", At(kWed, 10, 0, 0), At(kWed + 7, 10, 0, 0), true},
        ValidityCase{"a whole year", At(kSun, 10, 0, 0), At(kSun, 10, 0, 0, 5, 2008), true},
        ValidityCase{"over the new year", At(30, 12, 0, 0, 12, 2007), At(1, 7, 59, 0, 1, 2008), false},
        ValidityCase{"over the new year, the maintenance reached", At(30, 12, 0, 0, 12, 2007), At(1, 8, 0, 0, 1, 2008),
                     true},
        ValidityCase{"the same moment", At(kSat, 14, 5, 30), At(kSat, 14, 5, 30), false},
        ValidityCase{"calibrated a second in the future", At(kSat, 14, 5, 30), At(kSat, 14, 5, 29), true},
        ValidityCase{"calibrated a day in the future", At(kSun, 14, 5, 30), At(kSat, 20, 0, 0), true}));

class SettingFileTest : public SettingDir {};

TEST_F(SettingFileTest, WrittenFileReadsBack)
{
    ASSERT_TRUE(WriteSettingFile(File(), kSaturday).ok());
    EXPECT_EQ(ReadRaw(), "600\r\n14:05:30\r\n2007-05-12\r\n7\r\n");
    const SettingFileRead read = ReadSettingFile(File());
    EXPECT_TRUE(read.exists);
    EXPECT_EQ(read.fields, kSaturday);
    ASSERT_TRUE(read.calibration);
    EXPECT_EQ(read.calibration->phase, 600);
    EXPECT_EQ(read.calibration->SecondOfDay(), 14 * 3600 + 5 * 60 + 30);
}

TEST_F(SettingFileTest, MissingUndecodableAndFolderAreNoCalibration)
{
    EXPECT_FALSE(ReadSettingFile(File()).exists);

    WriteRaw("600\r\n14:05:30\r\n2007-05-12\xff\xff\r\n7\r\n");
    const SettingFileRead garbled = ReadSettingFile(File());
    EXPECT_TRUE(garbled.exists);
    EXPECT_FALSE(garbled.fields);
    EXPECT_FALSE(garbled.calibration);

    std::filesystem::remove(File());
    std::filesystem::create_directory(File());
    EXPECT_FALSE(ReadSettingFile(File()).exists);
}

}  // namespace
