#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zicalc {

// An official post, its number in the list and the contribution it needs.
struct OfficialPost final {
    std::int16_t number;
    std::string_view name;
    std::int32_t contribution;
};

// The 43 official posts, lowest first. The names are the game's as players know them, odd
// characters included.
extern const std::array<OfficialPost, 43> OfficialPostTable;

// The table is shown in two halves side by side: this many rows, posts 1 … 22 left.
inline constexpr int kOfficialPostRows = 22;

}  // namespace zicalc
