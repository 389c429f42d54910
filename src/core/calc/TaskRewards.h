#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

// Experience of one round of the guild tasks 青龙 and 玄武.
struct GuildTaskReward final {
    std::int32_t qinglong;
    std::int32_t xuanwu;
};

// One round of the guild tasks at level 11 … 155.
GuildTaskReward GuildTaskRound(std::int32_t level);

// "帮派任务": the level Text7(0) in; 青龙 experience Text7(1), 玄武 experience Text7(2) out.
Outcome GuildTasks(std::string_view level);

// Its "重设", also the start-up state: "0" in Text7(0) … Text7(2).
Outcome GuildTasksReset();

// A level band of the school task: one single round gives slope · L + base experience and money.
struct SchoolTaskBand final {
    std::int32_t fromLevel;
    std::int32_t toLevel;
    std::int32_t experienceSlope;
    std::int32_t experienceBase;
    std::int32_t moneySlope;
    std::int32_t moneyBase;
};

// School-task reward of one single round, by level band.
inline constexpr std::array<SchoolTaskBand, 4> SchoolTaskBands{{
    {20, 39, 540, 4250, 50, 3600},
    {40, 69, 660, 16000, 275, 18250},
    {70, 99, 825, 37500, 275, 36500},
    {100, 155, 825, 77500, 220, 75000},
}};

struct SchoolTaskReward final {
    std::int32_t experience;
    std::int32_t money;
};

// One single round of the school task; nullopt when the level lies in no band.
std::optional<SchoolTaskReward> SchoolTaskRound(std::int32_t level);

// "门派任务": the level Text9(0) and the check boxes 双倍 (Check1) and 两轮 (Check3) in;
// experience Text9(1), money Text9(2) out.
Outcome SchoolTask(std::string_view level, bool doubleReward, bool twoRounds);

// Its "重设": "0" in Text9(0) … Text9(2); the boxes stay as they are.
Outcome SchoolTaskReset();

// The start-up state: as after "重设", both boxes ticked with their captions.
Outcome SchoolTaskDefaults();

// A click on Check1 or Check3 only renames the box after its new state.
Outcome DoubleRewardClicked(bool ticked);
Outcome TwoRoundsClicked(bool ticked);

inline constexpr int kMaxChainRing = 300;

// The factor of ring c of the task chain: 2 … 11 over rings 1 … 10, 3 … 12 over 11 … 20, and so on.
std::int32_t ChainRingMultiplier(std::int32_t ring);

// Experience of rings first … last of the task chain at the given level.
std::int32_t ChainExperience(std::int32_t level, std::int32_t firstRing, std::int32_t lastRing);

// "任务链": the level Text8(0) and the rings Text8(1), Text8(2) in; experience Text8(3) out.
Outcome TaskChain(std::string_view level, std::string_view firstRing, std::string_view lastRing);

// Its "重设", also the start-up state: level 60, rings 1 to 300, no experience yet.
Outcome TaskChainReset();

}  // namespace zicalc
