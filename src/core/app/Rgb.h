#pragma once

#include <cstdint>

namespace zicalc {

// A colour as the RGB triple the windows use.
struct Rgb final {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kGreen{0, 192, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kSelectedCategory{192, 255, 192};  // light green
inline constexpr Rgb kCategory{192, 192, 255};          // light blue
inline constexpr Rgb kPage{208, 222, 224};
}  // namespace colours

// Text colour of a result by its size: black below 100 000, then green, blue, magenta, and red
// from 100 000 000 on.
constexpr Rgb MagnitudeColour(std::int32_t v)
{
    if (v < 100000) {
        return colours::kBlack;
    }
    if (v < 1000000) {
        return colours::kGreen;
    }
    if (v < 10000000) {
        return colours::kBlue;
    }
    if (v < 100000000) {
        return colours::kMagenta;
    }
    return colours::kRed;
}

}  // namespace zicalc
