#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxCharacterLevel = 155;

// Experience from level 145 + i to 146 + i, for the levels where no polynomial applies.
inline constexpr std::array<std::int32_t, 10> HighLevelExperienceTable{
    43635044, 44842648, 46075148, 47332886, 48616200, 74888150, 76891401, 78934581, 81018219, 83142834};

// Experience needed to rise from level n to n + 1, for n = 0 … 154.
std::int32_t LevelExperience(int n);

// Sum of LevelExperience(n) for n = from … to − 1 (0 when from >= to).
std::int32_t ExperienceBetween(int from, int to);

// "等级->经验": the texts of start level Text1(0) and target level Text1(1) in; the result
// Text1(2) out.
Outcome LevelToExperience(std::string_view startLevel, std::string_view targetLevel);

// Its "重设", also the frame's start-up state: "0" everywhere, the result's colour kept.
Outcome LevelToExperienceReset();

// "经验->等级": experience Text2(0) and start level Text2(1) in; the level reached Text2(2) and
// the experience left Text2(3) out.
Outcome ExperienceToLevel(std::string_view experience, std::string_view startLevel);

// Its "重设", also the start-up state: the experience left black, "0" everywhere.
Outcome ExperienceToLevelReset();

}  // namespace zicalc
