#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/app/Clock.h"

namespace zicalc::testing_clock {

// Saturday 12 May 2007 and the days around it, named by weekday.
inline LocalMoment At(int day, int hour, int minute, int second, int month = 5, int year = 2007)
{
    LocalMoment m;
    m.year = year;
    m.month = month;
    m.day = day;
    m.hour = hour;
    m.minute = minute;
    m.second = second;
    m.weekday = WeekdayOf(year, month, day);
    return m;
}
inline constexpr int kSat = 12, kSun = 13, kMon = 14, kTue = 15, kWed = 16, kNextSat = 19, kNextTue = 22;

// A fresh directory per test for setting.ini.
class SettingDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zicalc-clock-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path File() const { return dir_ / "setting.ini"; }
    void WriteRaw(const std::string& bytes) const
    {
        std::ofstream out(File(), std::ios::binary);
        out << bytes;
    }
    std::string ReadRaw() const
    {
        std::ifstream in(File(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path dir_;
};

}  // namespace zicalc::testing_clock
