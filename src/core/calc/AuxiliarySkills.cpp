#include "core/calc/AuxiliarySkills.h"

#include <optional>
#include <string>

#include "core/app/Numeric.h"
#include "core/calc/SkillCost.h"

namespace zicalc {

namespace {

constexpr const char* kExperience = "Text5(2)";
constexpr const char* kMoney = "Text5(3)";
constexpr const char* kUsed = "Text5(4)";
constexpr const char* kNeeded = "Text5(5)";

void GuildWay(Outcome& out, std::string_view fromLevel, std::string_view toLevel)
{
    const auto a = ParseLevel(fromLevel, kMaxGuildAuxiliaryLevel);
    const auto b = ParseLevel(toLevel, kMaxGuildAuxiliaryLevel);
    std::int32_t experience = 0;
    std::int32_t money = 0;
    if (!a || !b) {
        out.Colour(kExperience, colours::kBlack).Colour(kMoney, colours::kBlack);
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
        out.Text(kExperience, FormatInt(experience));
        out.Text(kMoney, FormatInt(money));
        out.Text(kUsed, FormatInt(used));
        out.Text(kNeeded, FormatInt(used + 4 * *b));
    } else if (*a > *b) {
        out.Warn("等级1不能大于等级2！");
    } else {
        for (const char* f : {kExperience, kMoney, kUsed, kNeeded}) {
            out.Text(f, "0");
        }
    }
    out.Colour(kExperience, MagnitudeColour(experience));
    out.Colour(kMoney, MagnitudeColour(money));
}

// No colours in this way: the switch to it made the results black.
void NpcWay(Outcome& out, std::string_view fromLevel, std::string_view toLevel)
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
        out.Text(kExperience, FormatInt(experience));
        out.Text(kMoney, FormatInt(money));
        out.Text(kUsed, FormatInt(popularity));
    } else if (*a > *b) {
        out.Warn("等级1不能大于等级2！");
    } else {
        for (const char* f : {kExperience, kMoney, kUsed}) {
            out.Text(f, "0");
        }
    }
}

}  // namespace

Outcome AuxiliarySkillCost(AuxiliaryWay way, std::string_view fromLevel, std::string_view toLevel)
{
    Outcome out;
    if (fromLevel.empty() || toLevel.empty()) {
        out.Colour(kMoney, colours::kBlack).Colour(kExperience, colours::kBlack);
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

Outcome AuxiliarySkillReset()
{
    Outcome out;
    for (int i = 0; i < 6; ++i) {
        out.Text("Text5(" + std::to_string(i) + ")", "0");
    }
    out.Colour(kExperience, colours::kBlack).Colour(kMoney, colours::kBlack);
    return out;
}

Outcome AuxiliaryWayChosen(AuxiliaryWay way)
{
    Outcome out;
    const bool guild = way == AuxiliaryWay::Guild;
    out.Checked(guild ? "Option1(0)" : "Option1(1)", true);
    if (guild) {
        out.Text("Label2(5)", "消耗帮贡").Text("Label2(6)", "点,").Text("Label2(7)", "至少要有帮贡");
        out.Text("Label2(8)", "点(技能上限150级).");
    } else {
        out.Text("Label2(5)", "消耗人气").Text("Label2(6)", "点.").Text("Label2(7)", "(技能上限40级)");
    }
    // The NPC way has no second figure: Label2(7) carries the level limit, Label2(8) goes.
    out.Visible("Label2(7)", true).Visible("Label2(8)", guild).Visible(kNeeded, guild);
    return out.Then(AuxiliarySkillReset());
}

}  // namespace zicalc
