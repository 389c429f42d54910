#include "core/calc/TaskRewards.h"

#include "core/app/Numeric.h"
#include "core/calc/Experience.h"

namespace zicalc {

namespace {

constexpr const char* kEmptyInput = "待输入项不能为空！";

}  // namespace

GuildTaskReward GuildTaskRound(std::int32_t level)
{
    return {215 * level + 27750, 585 * level + 5750};
}

CalcOutcome GuildTasks(std::string_view level)
{
    CalcOutcome out(2);
    if (level.empty()) {
        out.Warn(kEmptyInput);
        return out;
    }
    const auto l = ParseInt32(level);
    if (!l || *l > kMaxCharacterLevel || *l < 11) {
        out.Warn("输入等级要在11和155之间！");
        return out;
    }
    const GuildTaskReward reward = GuildTaskRound(*l);
    out.SetText(0, FormatInt(reward.qinglong));
    out.SetText(1, FormatInt(reward.xuanwu));
    return out;
}

std::optional<SchoolTaskReward> SchoolTaskRound(std::int32_t level)
{
    for (const SchoolTaskBand& band : SchoolTaskBands) {
        if (level >= band.fromLevel && level <= band.toLevel) {
            return SchoolTaskReward{band.experienceSlope * level + band.experienceBase,
                                    band.moneySlope * level + band.moneyBase};
        }
    }
    return std::nullopt;
}

CalcOutcome SchoolTask(std::string_view level, bool doubleReward, bool twoRounds)
{
    CalcOutcome out(2);
    if (level.empty()) {
        out.Warn(kEmptyInput);
        return out;
    }
    const auto l = ParseInt32(level);
    const auto round = l ? SchoolTaskRound(*l) : std::nullopt;
    if (!round) {
        out.Warn("等级要在20到155之间！");
        return out;
    }
    const std::int32_t g = doubleReward ? 2 : 1;
    const std::int32_t r = twoRounds ? 2 : 1;
    out.SetText(0, FormatInt(g * r * round->experience));
    out.SetText(1, FormatInt(g * r * round->money));
    return out;
}

std::int32_t ChainRingMultiplier(std::int32_t ring)
{
    return ring - 9 * static_cast<std::int32_t>(FloorInt((ring - 1) / 10.0)) + 1;
}

std::int32_t ChainExperience(std::int32_t level, std::int32_t firstRing, std::int32_t lastRing)
{
    std::int32_t sum = 0;
    for (std::int32_t c = firstRing; c <= lastRing; ++c) {
        sum += ChainRingMultiplier(c) * (20 * level + 150);
    }
    return sum;
}

CalcOutcome TaskChain(std::string_view level, std::string_view firstRing, std::string_view lastRing)
{
    CalcOutcome out(1);
    if (level.empty() || firstRing.empty() || lastRing.empty()) {
        out.Warn(kEmptyInput);
        return out;
    }
    const auto l = ParseInt16(level);
    const auto c1 = ParseInt16(firstRing);
    const auto c2 = ParseInt16(lastRing);
    // The level is judged first, even when the rings are wrong as well.
    if (!l || *l < 60 || *l > kMaxCharacterLevel) {
        out.Warn("等级要在60到155之间！");
    } else if (!c1 || !c2 || *c1 > kMaxChainRing || *c1 < 1 || *c2 > kMaxChainRing || *c2 < 1) {
        out.Warn("环数要在1到300之间！");
    } else if (*c1 > *c2) {
        out.Warn("环数1不能大于环数2！");
    } else {
        out.SetText(0, FormatInt(ChainExperience(*l, *c1, *c2)));
    }
    return out;
}

}  // namespace zicalc
