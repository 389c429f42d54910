#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

// An area of the monster-sealing task: the caption of its frame Frame6(k), the level it suits and
// the reward of one sealing at multiplier 1 with double reward drawn.
struct SealingArea final {
    const char* caption;
    std::int32_t centreLevel;
    std::int32_t unitExperience;
    std::int32_t unitMoney;
};

// The seven sealing areas, k = 0 … 6.
inline constexpr std::array<SealingArea, 7> SealingAreas{{
    {"建邺城", 30, 1200, 150},
    {"江南野外", 40, 1600, 200},
    {"大唐国境", 50, 2000, 250},
    {"大唐境外", 60, 2400, 300},
    {"傲来国", 70, 2800, 350},
    {"长寿郊外", 80, 3200, 400},
    {"北俱芦洲", 90, 3600, 450},
}};

// 10 within two levels of the area's centre, one less for every further three levels, at least 1.
std::int32_t SealingMultiplier(std::int32_t level, std::int32_t centreLevel);

// The controls of the sealing frame: the level field Text12, and per area k the experience
// Text10(k) and the money Text11(k).
inline constexpr const char* kSealingLevelField = "Text12";
std::string SealingExperienceField(std::size_t k);
std::string SealingMoneyField(std::size_t k);

// The frame at its level-0 state: "0" in the level field, 领双 (Check2) unticked, the level-0
// rewards.
Outcome SealingDefaults();

// "确定": the level Text12 and the 领双 box Check2 in. An empty level is reported first and the
// frame is reset to SealingDefaults() once the warning is closed.
Outcome SealingRewards(std::string_view level, bool doubleDrawn);

}  // namespace zicalc
