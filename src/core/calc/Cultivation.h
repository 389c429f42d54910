#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxCultivationLevel = 25;

// Cultivation experience from level i to i + 1 (10·i² + 50·i + 150), i = 0 … 24.
inline constexpr std::array<std::int32_t, kMaxCultivationLevel> CultivationTable{
    150,  210,  290,  390,  510,  650,  810,  990,  1190, 1410, 1650, 1910, 2190,
    2490, 2810, 3150, 3510, 3890, 4290, 4710, 5150, 5610, 6090, 6590, 7110};

// 万 per 10 experience: Option2(0) attack types 3, Option2(1) defence types 2, none chosen 0.
inline constexpr int kAttackMoneyFactor = 3;
inline constexpr int kDefenceMoneyFactor = 2;

// The money factor of the type options as they stand.
int CultivationMoneyFactor(bool attackChosen, bool defenceChosen);

// The frame "角色修炼": current level Text6(0), current experience Text6(1), target level Text6(2)
// and the money factor in; Text6(1) (the experience as counted), Text6(2) (zeroed with the results
// when both levels are equal) and the results Text6(3) … Text6(7) out.
Outcome CultivationCost(std::string_view currentLevel, std::string_view currentExperience, std::string_view targetLevel,
                        int moneyFactor);

// Its "重设", also the start-up state: "0" in all eight fields, the attack type chosen at start-up.
Outcome CultivationReset();
Outcome CultivationDefaults();

}  // namespace zicalc
