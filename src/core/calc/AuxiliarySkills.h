#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxGuildAuxiliaryLevel = 150;
inline constexpr int kMaxNpcAuxiliaryLevel = 40;

// Popularity an NPC asks for teaching an auxiliary skill from level j to j + 1, j = 0 … 39.
inline constexpr std::array<std::int16_t, kMaxNpcAuxiliaryLevel> PopularityTable = [] {
    std::array<std::int16_t, kMaxNpcAuxiliaryLevel> t{};
    for (int j = 0; j < kMaxNpcAuxiliaryLevel; ++j) {
        t[static_cast<std::size_t>(j)] = static_cast<std::int16_t>((j + 1) / 5 + 1);
    }
    return t;
}();

// Where the skill is learnt: Option1(0) at the guild, Option1(1) from an NPC.
enum class AuxiliaryWay { Guild, Npc };

// The frame "辅助技能": from Text5(0) and to Text5(1) in; experience Text5(2), money Text5(3),
// contribution used or popularity Text5(4) and contribution needed Text5(5) (guild way only) out.
Outcome AuxiliarySkillCost(AuxiliaryWay way, std::string_view fromLevel, std::string_view toLevel);

// Its "重设": "0" in Text5(0) … Text5(5), the experience and money black; the way stays.
Outcome AuxiliarySkillReset();

// A way chosen (Option1): the captions Label2(5) … Label2(8) of the second line, which of its
// controls show, and the fields cleared as by "重设". The guild way is also the start-up state.
Outcome AuxiliaryWayChosen(AuxiliaryWay way);

}  // namespace zicalc
