#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <limits>

#include <unistd.h>

#include "core/app/Numeric.h"
#include "core/app/Rgb.h"

using namespace zicalc;

namespace {

TEST(FloorInt, RoundsTowardMinusInfinity)
{
    EXPECT_EQ(FloorInt(2.999), 2);
    EXPECT_EQ(FloorInt(3.0), 3);
    EXPECT_EQ(FloorInt(-0.5), -1);
    EXPECT_EQ(FloorInt(-3.0), -3);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(7725.0 / 15), 515);
}

struct FormatCase {
    double value;
    const char* text;
};

class FormatDoubleCases : public testing::TestWithParam<FormatCase> {};
TEST_P(FormatDoubleCases, PlainDecimal)
{
    EXPECT_EQ(FormatDouble(GetParam().value), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Values, FormatDoubleCases,
                         testing::Values(FormatCase{0, "0"}, FormatCase{20000000, "20000000"},
                                         FormatCase{19612000, "19612000"}, FormatCase{0.5, "0.5"},
                                         FormatCase{-12.25, "-12.25"}, FormatCase{1e20, "100000000000000000000"},
                                         FormatCase{1.0 / 3, "0.333333333333333"}, FormatCase{0.1 + 0.2, "0.3"},
                                         FormatCase{1e-7, "0.0000001"},
                                         FormatCase{123456789012345678.0, "123456789012346000"}));

TEST(FormatSingle, SevenSignificantDigits)
{
    EXPECT_EQ(FormatSingle(600.0f), "600");
    EXPECT_EQ(FormatSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    EXPECT_EQ(FormatSingle(12345678.0f), "12345680");
}

TEST(FormatFixed, KeepsTrailingZeros)
{
    EXPECT_EQ(FormatFixed(0.833f, 3), "0.833");
    EXPECT_EQ(FormatFixed(2.5, 3), "2.500");
    EXPECT_EQ(FormatFixed(12, 2), "12.00");
}

TEST(Parse, ReadsDigitsAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(ParseInt16("155"), 155);
    EXPECT_EQ(ParseInt16("007"), 7);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_EQ(ParseInt16("32768"), std::nullopt);
    EXPECT_EQ(ParseInt16(""), std::nullopt);
    EXPECT_EQ(ParseInt16("abc"), std::nullopt);
    EXPECT_EQ(ParseInt32("999999999"), 999999999);
    EXPECT_EQ(ParseInt16(" 12 "), 12);
    EXPECT_EQ(ParseInt16("12abc"), std::nullopt);
    EXPECT_EQ(ParseInt16("-5"), std::nullopt);
    EXPECT_EQ(ParseDouble("99"), 99.0);
    EXPECT_EQ(ParseDouble("1.5"), 1.5);
    EXPECT_EQ(ParseDouble("1.5.2"), std::nullopt);
    EXPECT_EQ(ParseDouble("."), std::nullopt);
    EXPECT_EQ(ParseDouble("1e5"), std::nullopt);
    EXPECT_EQ(ParseLevel("155", 155), 155);
    EXPECT_EQ(ParseLevel("156", 155), std::nullopt);
    EXPECT_EQ(ParseLevel("99999", 155), std::nullopt);
}

// The GUI switches the C library to the user's locale; numbers must not follow it. Where the
// system has no comma locale, one is compiled privately for this test.
TEST(Format, IgnoresACommaDecimalLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::filesystem::path dir;
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        dir = std::filesystem::temp_directory_path() / ("zicalc-locale-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        const std::string cmd = "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(cmd.c_str());
        ::setenv("LOCPATH", dir.c_str(), 1);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            ::unsetenv("LOCPATH");
            std::filesystem::remove_all(dir);
            GTEST_SKIP() << "no comma-decimal locale can be had here";
        }
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(FormatDouble(0.5), "0.5");
    EXPECT_EQ(FormatDouble(19612000), "19612000");
    EXPECT_EQ(FormatSingle(12.25f), "12.25");
    EXPECT_EQ(FormatFixed(0.8333, 3), "0.833");
    EXPECT_EQ(ParseDouble("1.5"), 1.5);
    std::setlocale(LC_ALL, saved.c_str());
    if (!dir.empty()) {
        ::unsetenv("LOCPATH");
        std::filesystem::remove_all(dir);
    }
}

struct ColourCase {
    std::int32_t value;
    Rgb colour;
};

class MagnitudeColourCases : public testing::TestWithParam<ColourCase> {};
TEST_P(MagnitudeColourCases, BandEdges)
{
    EXPECT_EQ(MagnitudeColour(GetParam().value), GetParam().colour);
}
INSTANTIATE_TEST_SUITE_P(Bands, MagnitudeColourCases,
                         testing::Values(ColourCase{std::numeric_limits<std::int32_t>::min(), colours::kBlack},
                                         ColourCase{-1, colours::kBlack}, ColourCase{99999, colours::kBlack},
                                         ColourCase{100000, colours::kGreen}, ColourCase{999999, colours::kGreen},
                                         ColourCase{1000000, colours::kBlue}, ColourCase{9999999, colours::kBlue},
                                         ColourCase{10000000, colours::kMagenta},
                                         ColourCase{99999999, colours::kMagenta}, ColourCase{100000000, colours::kRed},
                                         ColourCase{std::numeric_limits<std::int32_t>::max(), colours::kRed}));

}  // namespace
