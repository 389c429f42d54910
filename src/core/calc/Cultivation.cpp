#include "core/calc/Cultivation.h"

#include <optional>
#include <string>

#include "core/app/Numeric.h"

namespace zicalc {

namespace {

std::string Field(int i)
{
    return "Text6(" + std::to_string(i) + ")";
}

}  // namespace

int CultivationMoneyFactor(bool attackChosen, bool defenceChosen)
{
    return attackChosen ? kAttackMoneyFactor : defenceChosen ? kDefenceMoneyFactor : 0;
}

Outcome CultivationCost(std::string_view currentLevel, std::string_view currentExperience, std::string_view targetLevel,
                        int moneyFactor)
{
    Outcome out;
    if (currentLevel.empty() || currentExperience.empty() || targetLevel.empty()) {
        out.Warn("待输入项不能为空！");
        return out;
    }
    const auto a = ParseLevel(currentLevel, kMaxCultivationLevel);
    const auto b = ParseLevel(targetLevel, kMaxCultivationLevel);
    const auto typed = ParseInt32(currentExperience);
    if (!a || !b || !typed) {
        out.Warn("等级1和2不能大于25！");
        return out;
    }
    if (*a > *b) {
        out.Warn("等级1不能大于等级2！");
        return out;
    }
    if (*a == *b) {
        for (int i = 2; i < 8; ++i) {
            out.Text(Field(i), "0");
        }
        return out;
    }
    // Experience only counts in whole tens.
    auto e = static_cast<std::int32_t>(FloorInt(*typed / 10.0) * 10);
    std::int32_t needed = 0;
    for (int i = *a; i < *b; ++i) {
        needed += CultivationTable.at(static_cast<std::size_t>(i));
    }
    // Experience that would already fill the current level is not carried over.
    if (e >= CultivationTable.at(static_cast<std::size_t>(*a))) {
        e = 0;
    }
    needed -= e;
    const double tens = needed / 10.0;
    out.Text(Field(1), FormatInt(e));
    out.Text(Field(3), FormatInt(needed));
    out.Text(Field(4), FormatDouble(tens * moneyFactor));
    out.Text(Field(5), FormatInt(*b * 150));
    out.Text(Field(6), FormatDouble(tens * 5));
    out.Text(Field(7), FormatInt(5 * *b + 20));
    return out;
}

Outcome CultivationReset()
{
    Outcome out;
    for (int i = 0; i < 8; ++i) {
        out.Text(Field(i), "0");
    }
    return out;
}

Outcome CultivationDefaults()
{
    Outcome out;
    out.Checked("Option2(0)", true);
    return out.Then(CultivationReset());
}

}  // namespace zicalc
