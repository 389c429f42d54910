#include "core/app/Numeric.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zicalc {

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

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
    // std::to_chars never looks at the C locale (which the GUI sets to the user's), so a comma
    // locale cannot turn "0.5" into "0,5".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    std::string text(buf, res.ptr);
    const bool negative = text.front() == '-';
    if (negative) {
        text.erase(0, 1);
    }
    const auto ePos = text.find('e');
    std::string mantissa = text.substr(0, ePos);
    int exponent = 0;
    const char* expBegin = text.data() + ePos + 1;
    if (*expBegin == '+') {
        ++expBegin;
    }
    std::from_chars(expBegin, text.data() + text.size(), exponent);
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

// The text without surrounding blanks.
std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

template <typename T>
std::optional<T> ParseDigits(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty()) {
        return std::nullopt;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    T value{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || ptr != text.data() + text.size()) {
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
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, res.ptr);
}

std::string FormatInt(std::int64_t value)
{
    return std::to_string(value);
}

std::optional<std::int16_t> ParseInt16(std::string_view text)
{
    return ParseDigits<std::int16_t>(text);
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    return ParseDigits<std::int32_t>(text);
}

std::optional<double> ParseDouble(std::string_view text)
{
    // Digits with at most one decimal point, nothing else.
    text = Trimmed(text);
    int points = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (c >= '0' && c <= '9') {
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1) {
        return std::nullopt;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc{} || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseLevel(std::string_view text, int max)
{
    const auto v = ParseInt16(text);
    if (!v || *v < 0 || *v > max) {
        return std::nullopt;
    }
    return *v;
}

}  // namespace zicalc
