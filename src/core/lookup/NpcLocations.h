#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zicalc {

inline constexpr std::size_t kNpcLocationCount = 507;

// Where each NPC stands, one display line per entry (defined in NpcLocationsData.cpp).
extern const std::array<std::string_view, kNpcLocationCount> NpcLocations;

// Indices of the entries that contain `text` (UTF-8) as a contiguous substring, in table order.
// Nothing for an empty text, and nothing for a lone "：", "(" or ")", which nearly every entry holds.
// The test is byte for byte: no case folding, no trimming, full- and half-width forms kept apart.
std::vector<std::size_t> SearchNpcLocations(std::string_view text);

}  // namespace zicalc
