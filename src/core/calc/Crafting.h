#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

// Item levels offered by Combo4, in list order.
inline constexpr std::array<std::int16_t, 15> CraftingLevels{10, 20,  30,  40,  50,  60,  70, 80,
                                                             90, 100, 110, 120, 130, 140, 150};

// Strengthening stones an item needs, by its position in CraftingLevels.
inline constexpr std::array<std::int16_t, 15> StrengtheningStones{1, 1, 2, 3, 5, 6, 9, 12, 16, 20, 24, 30, 30, 30, 30};

// The frame "打造裁缝炼金熟练度": Combo4's text and list position (−1 when nothing is selected) in;
// minimum proficiency Label16(0), stamina Label16(1), money Label16(2) and strengthening stones
// Label16(3) out.
Outcome CraftingNeeds(std::string_view levelText, int position);

// The start-up state: the list on its first level and the value labels showing what it needs.
Outcome CraftingDefaults();

}  // namespace zicalc
