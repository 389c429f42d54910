#include "app/Numeric.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zicalc {

std::int64_t FloorInt(double x)
{
    return static_cast<std::int64_t>(std::floor(x));
}

std::int64_t RoundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5) {
        return static_cast<std::int64_t>(lower);
    }
    if (diff > 0.5) {
        return static_cast<std::int64_t>(lower) + 1;
    }
    const auto low = static_cast<std::int64_t>(lower);
    return (low % 2 == 0) ? low : low + 1;
}

namespace {

// Rounds to `digits` significant digits and writes the result without exponent.
std::string FormatSignificant(double value, int digits)
{
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    }
    if (value == 0.0) {
        return "0";
    }
    char buf[64];
    // d.ddddde±XX: the mantissa digits and the decimal exponent after rounding.
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    std::string text(buf);
    const bool negative = text.front() == '-';
    if (negative) {
        text.erase(0, 1);
    }
    const auto ePos = text.find('e');
    std::string mantissa = text.substr(0, ePos);
    const int exponent = std::stoi(text.substr(ePos + 1));
    std::string digitsOnly;
    for (char c : mantissa) {
        if (c != '.') {
            digitsOnly.push_back(c);
        }
    }
    while (digitsOnly.size() > 1 && digitsOnly.back() == '0') {
        digitsOnly.pop_back();
    }
    std::string out;
    const int pointPos = exponent + 1;  // digits before the decimal point
    const int count = static_cast<int>(digitsOnly.size());
    if (pointPos <= 0) {
        out = "0." + std::string(static_cast<size_t>(-pointPos), '0') + digitsOnly;
    } else if (pointPos >= count) {
        out = digitsOnly + std::string(static_cast<size_t>(pointPos - count), '0');
    } else {
        out = digitsOnly.substr(0, static_cast<size_t>(pointPos)) + "." +
              digitsOnly.substr(static_cast<size_t>(pointPos));
    }
    return negative ? "-" + out : out;
}

template <typename T>
std::optional<T> ParseLeadingInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    size_t j = i;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
        ++j;
    }
    if (j == i) {
        return std::nullopt;
    }
    T value{};
    const auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + j, value);
    if (ec != std::errc{} || ptr != text.data() + j) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string FormatDouble(double value)
{
    return FormatSignificant(value, 15);
}

std::string FormatSingle(float value)
{
    return FormatSignificant(static_cast<double>(value), 7);
}

std::string FormatFixed(double value, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

std::string FormatInt(std::int64_t value)
{
    return std::to_string(value);
}

std::optional<std::int16_t> ParseInt16(std::string_view text)
{
    return ParseLeadingInteger<std::int16_t>(text);
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    return ParseLeadingInteger<std::int32_t>(text);
}

std::optional<double> ParseDouble(std::string_view text)
{
    const auto whole = ParseLeadingInteger<std::int64_t>(text);
    if (!whole) {
        return std::nullopt;
    }
    return static_cast<double>(*whole);
}

}  // namespace zicalc
