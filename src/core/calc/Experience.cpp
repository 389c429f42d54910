#include "core/calc/Experience.h"

#include "core/app/Numeric.h"

namespace zicalc {

std::int32_t LevelExperience(int n)
{
    const double x = n;
    if (n < 100) {
        return static_cast<std::int32_t>(FloorInt(4.8 * x * x * x + 14.4 * x * x + 50.4 * x + 40.5));
    }
    if (n < 145) {
        return static_cast<std::int32_t>(FloorInt(0.04802928326 * x * x * x * x + 0.1778756813 * x * x * x +
                                                  3.188324427 * x * x - 201.0488948 * x + 5988.638224 + 0.5));
    }
    return HighLevelExperienceTable.at(static_cast<std::size_t>(n - 145));
}

std::int32_t ExperienceBetween(int from, int to)
{
    std::int32_t sum = 0;
    for (int n = from; n < to; ++n) {
        sum += LevelExperience(n);
    }
    return sum;
}

CalcOutcome LevelToExperience(std::string_view startLevel, std::string_view targetLevel)
{
    CalcOutcome out(1);
    if (startLevel.empty() || targetLevel.empty()) {
        out.SetColour(0, colours::kBlack);
        out.Warn("输入项均不能为空！");
        return out;
    }
    const auto l1 = ParseLevel(startLevel, kMaxCharacterLevel);
    const auto l2 = ParseLevel(targetLevel, kMaxCharacterLevel);
    std::int32_t sum = 0;
    if (!l1 || !l2) {
        out.Warn("等级1和2均不能大于155！");
    } else if (*l1 < *l2) {
        sum = ExperienceBetween(*l1, *l2);
        out.SetText(0, FormatInt(sum));
    } else if (*l1 == *l2) {
        out.SetText(0, "0");
    } else {
        out.Warn("等级1不能大于等级2！");
    }
    out.SetColour(0, MagnitudeColour(sum));
    return out;
}

CalcOutcome ExperienceToLevel(std::string_view experience, std::string_view startLevel)
{
    CalcOutcome out(2);
    if (experience.empty() || startLevel.empty()) {
        out.SetColour(1, colours::kBlack);
        out.Warn("待输入项不能为空！");
        return out;
    }
    const auto level = ParseLevel(startLevel, kMaxCharacterLevel);
    const auto exp = ParseInt32(experience);
    if (!level || !exp) {
        out.SetColour(1, colours::kBlack);
        out.Warn("输入等级不能大于155！");
        return out;
    }
    int l = *level;
    std::int32_t x = *exp;
    while (l < kMaxCharacterLevel && LevelExperience(l) <= x) {
        x -= LevelExperience(l);
        ++l;
    }
    out.SetText(0, FormatInt(l));
    out.SetText(1, FormatInt(x));
    out.SetColour(1, MagnitudeColour(x));
    return out;
}

}  // namespace zicalc
