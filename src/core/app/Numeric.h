#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zicalc {

// The largest integer not above x.
std::int64_t FloorInt(double x);

// x converted to an integer with ties going to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double x);

// Plain decimal text of a double with up to 15 significant digits: no exponent, no thousands
// separators, no trailing zeros, whole numbers without a decimal point ("20000000", "0.5").
std::string FormatDouble(double value);

// The same for a single-precision value, with up to 7 significant digits.
std::string FormatSingle(float value);

// Fixed number of decimals, at least one digit before the point: FormatFixed(0.8333, 3) == "0.833".
std::string FormatFixed(double value, int decimals);

// Whole numbers as plain decimal text.
std::string FormatInt(std::int64_t value);

// 0..99 with a leading zero: "07" (clock fields, dates in names).
std::string TwoDigits(int value);

// A field text read as a number the way the calculators read their inputs: digits only (blanks
// around them allowed) as a signed 16-bit or 32-bit value, or a decimal (digits with at most one
// point) as a double. Typed input is digits only; text that is not such a number, or a value beyond
// the target width, reads as nullopt, so a caller can refuse it instead of wrapping around.
std::optional<std::int16_t> ParseInt16(std::string_view text);
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::optional<double> ParseDouble(std::string_view text);

// A level field read as a 16-bit value that must lie in 0 … max; anything else (too large, or no
// number at all) reads as nullopt, which the calculators report as a level out of range.
std::optional<int> ParseLevel(std::string_view text, int max);

}  // namespace zicalc
