#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxGuildLevel = 5;
inline constexpr int kBuildingKinds = 6;
inline constexpr int kBuildingsPerGuildLevel = 4;

// Base hourly fee of the k-th building of a kind, k = 0 … 20 (entry 0 is the empty slot).
inline constexpr std::array<std::int16_t, 21> MaintenanceTable{0,     1950,  2535,  3295,  4284,  5570,  7240,
                                                               9410,  12236, 15907, 20678, 23315, 13525, 13867,
                                                               14190, 14498, 14792, 15071, 15353, 15619, 15869};

// A building kind, in the order of the lists Combo7(1) … Combo7(6) and labels Label17(0) … (5).
struct BuildingKind final {
    const char* label;
    double feeFactor;
    bool roundsEachFee;  // the academy pays the table entries as they are
};

// The six building kinds of a guild.
inline constexpr std::array<BuildingKind, kBuildingKinds> BuildingKinds{{
    {"金库:", 0.6, true},
    {"书院:", 1.0, false},
    {"药房:", 0.4, true},
    {"兽室:", 0.6, true},
    {"厢房:", 0.6, true},
    {"仓库:", 0.6, true},
}};

// Hourly fee of `count` buildings of one kind (count 0 … 20).
std::int32_t BuildingFee(const BuildingKind& kind, int count);

// Hourly fee of a guild of level L with no buildings.
std::int32_t GuildBaseFee(int level);

// The six building counts, as the lists show them.
using BuildingCounts = std::array<int, kBuildingKinds>;

// A building count chosen (Combo7(1) … Combo7(6)) at guild level L: the hourly fee Text28(0), the
// 48-hour reserve Text28(1) and the descriptions of the kinds, the tooltips of Label17(0) … (5).
Outcome MaintenanceForBuildings(int level, const BuildingCounts& counts);

// A guild level chosen (Combo7(0)): every building list is back at 0 and offers 0 … 4·L (at level 0
// the lists keep their items and are disabled, and both result fields are empty). Resetting a list
// counts as choosing its 0, so the tooltips describe zero buildings at the new level.
Outcome MaintenanceForLevel(int level);

// The frame at start-up: level list 0 … 5 on 0, each building list holding only 0 and disabled,
// no fee shown.
Outcome MaintenanceDefaults();

// How many buildings of each kind a guild of level L may hold.
inline constexpr int MaxBuildings(int level)
{
    return kBuildingsPerGuildLevel * level;
}

}  // namespace zicalc
