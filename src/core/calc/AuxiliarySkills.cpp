#include "core/calc/AuxiliarySkills.h"

#include <optional>

#include "core/app/Numeric.h"
#include "core/calc/SkillCost.h"

namespace zicalc {

namespace {

void GuildWay(CalcOutcome& out, std::string_view fromLevel, std::string_view toLevel)
{
    const auto a = ParseLevel(fromLevel, kMaxGuildAuxiliaryLevel);
    const auto b = ParseLevel(toLevel, kMaxGuildAuxiliaryLevel);
    std::int32_t experience = 0;
    std::int32_t money = 0;
    if (!a || !b) {
        // The message has always read so, though the guild limit is 150; kept word for word.
        out.Warn("等级1和1不能大于160！");
    } else if (*a < *b) {
        std::int16_t used = 0;
        for (int j = *a; j < *b; ++j) {
            const SkillCostRow& row = SkillCostTable.at(static_cast<std::size_t>(j));
            experience += row.experience;
            money += static_cast<std::int32_t>(FloorInt(row.money / 2.0 + 0.5));
            used = static_cast<std::int16_t>(used + j + 1);
        }
        out.SetText(0, FormatInt(experience));
        out.SetText(1, FormatInt(money));
        out.SetText(2, FormatInt(used));
        out.SetText(3, FormatInt(used + 4 * *b));
    } else if (*a > *b) {
        out.Warn("等级1不能大于等级2！");
    } else {
        for (std::size_t i = 0; i < 4; ++i) {
            out.SetText(i, "0");
        }
    }
    out.SetColour(0, MagnitudeColour(experience));
    out.SetColour(1, MagnitudeColour(money));
}

// No colours in this way: the switch to it made the results black.
void NpcWay(CalcOutcome& out, std::string_view fromLevel, std::string_view toLevel)
{
    const auto a = ParseLevel(fromLevel, kMaxNpcAuxiliaryLevel);
    const auto b = ParseLevel(toLevel, kMaxNpcAuxiliaryLevel);
    if (!a || !b) {
        out.Warn("等级1和2不能大于40!");
    } else if (*a < *b) {
        std::int32_t experience = 0;
        std::int32_t money = 0;
        std::int16_t popularity = 0;
        for (int j = *a; j < *b; ++j) {
            const std::int32_t n = j + 1;
            experience += n * n * n + 2000;
            money += n * n * n + 300;
            popularity = static_cast<std::int16_t>(popularity + PopularityTable.at(static_cast<std::size_t>(j)));
        }
        out.SetText(0, FormatInt(experience));
        out.SetText(1, FormatInt(money));
        out.SetText(2, FormatInt(popularity));
    } else if (*a > *b) {
        out.Warn("等级1不能大于等级2！");
    } else {
        for (std::size_t i = 0; i < 3; ++i) {
            out.SetText(i, "0");
        }
    }
}

}  // namespace

CalcOutcome AuxiliarySkillCost(AuxiliaryWay way, std::string_view fromLevel, std::string_view toLevel)
{
    CalcOutcome out(4);
    if (fromLevel.empty() || toLevel.empty()) {
        out.SetColour(0, colours::kBlack);
        out.SetColour(1, colours::kBlack);
        out.Warn("待输入项不能为空！");
        return out;
    }
    if (way == AuxiliaryWay::Guild) {
        GuildWay(out, fromLevel, toLevel);
    } else {
        NpcWay(out, fromLevel, toLevel);
    }
    return out;
}

}  // namespace zicalc
