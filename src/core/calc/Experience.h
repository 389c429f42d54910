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

// "等级->经验": the field texts of start and target level in, what the frame shows out.
// Fields: [0] the result Text1(2).
CalcOutcome LevelToExperience(std::string_view startLevel, std::string_view targetLevel);

// "经验->等级": experience Text2(0) and start level Text2(1) in.
// Fields: [0] level reached Text2(2), [1] experience left Text2(3).
CalcOutcome ExperienceToLevel(std::string_view experience, std::string_view startLevel);

}  // namespace zicalc
