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

Outcome GuildTasks(std::string_view level)
{
    Outcome out;
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
    out.Text("Text7(1)", FormatInt(reward.qinglong));
    out.Text("Text7(2)", FormatInt(reward.xuanwu));
    return out;
}

Outcome GuildTasksReset()
{
    Outcome out;
    out.Text("Text7(0)", "0").Text("Text7(1)", "0").Text("Text7(2)", "0");
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

Outcome SchoolTask(std::string_view level, bool doubleReward, bool twoRounds)
{
    Outcome out;
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
    out.Text("Text9(1)", FormatInt(g * r * round->experience));
    out.Text("Text9(2)", FormatInt(g * r * round->money));
    return out;
}

Outcome SchoolTaskReset()
{
    Outcome out;
    out.Text("Text9(0)", "0").Text("Text9(1)", "0").Text("Text9(2)", "0");
    return out;
}

Outcome DoubleRewardClicked(bool ticked)
{
    Outcome out;
    out.Text("Check1", ticked ? "双倍" : "单倍");
    return out;
}

Outcome TwoRoundsClicked(bool ticked)
{
    Outcome out;
    out.Text("Check3", ticked ? "两轮" : "一轮");
    return out;
}

Outcome SchoolTaskDefaults()
{
    Outcome out;
    out.Checked("Check1", true).Checked("Check3", true);
    return out.Then(DoubleRewardClicked(true)).Then(TwoRoundsClicked(true)).Then(SchoolTaskReset());
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

Outcome TaskChain(std::string_view level, std::string_view firstRing, std::string_view lastRing)
{
    Outcome out;
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
        out.Text("Text8(3)", FormatInt(ChainExperience(*l, *c1, *c2)));
    }
    return out;
}

Outcome TaskChainReset()
{
    Outcome out;
    out.Text("Text8(0)", "60").Text("Text8(1)", "1").Text("Text8(2)", "300").Text("Text8(3)", "0");
    return out;
}

}  // namespace zicalc
