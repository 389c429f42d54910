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

namespace {
constexpr const char* kResult1 = "Text1(2)";
constexpr const char* kReached = "Text2(2)";
constexpr const char* kLeft = "Text2(3)";
}  // namespace

Outcome LevelToExperience(std::string_view startLevel, std::string_view targetLevel)
{
    Outcome out;
    if (startLevel.empty() || targetLevel.empty()) {
        out.Colour(kResult1, colours::kBlack);
        out.Warn("输入项均不能为空！");
        return out;
    }
    const auto l1 = ParseLevel(startLevel, kMaxCharacterLevel);
    const auto l2 = ParseLevel(targetLevel, kMaxCharacterLevel);
    std::int32_t sum = 0;
    if (!l1 || !l2) {
        out.Colour(kResult1, colours::kBlack);
        out.Warn("等级1和2均不能大于155！");
    } else if (*l1 < *l2) {
        sum = ExperienceBetween(*l1, *l2);
        out.Text(kResult1, FormatInt(sum));
    } else if (*l1 == *l2) {
        out.Text(kResult1, "0");
    } else {
        out.Warn("等级1不能大于等级2！");
    }
    // The result is coloured last, after any warning (black then, as the sum is 0).
    out.Colour(kResult1, MagnitudeColour(sum));
    return out;
}

Outcome LevelToExperienceReset()
{
    Outcome out;
    for (const char* f : {"Text1(0)", "Text1(1)", kResult1}) {
        out.Text(f, "0");
    }
    return out;
}

Outcome ExperienceToLevel(std::string_view experience, std::string_view startLevel)
{
    Outcome out;
    if (experience.empty() || startLevel.empty()) {
        out.Colour(kLeft, colours::kBlack);
        out.Warn("待输入项不能为空！");
        return out;
    }
    const auto level = ParseLevel(startLevel, kMaxCharacterLevel);
    const auto exp = ParseInt32(experience);
    if (!level || !exp) {
        out.Colour(kLeft, colours::kBlack);
        out.Warn("输入等级不能大于155！");
        return out;
    }
    int l = *level;
    std::int32_t x = *exp;
    while (l < kMaxCharacterLevel && LevelExperience(l) <= x) {
        x -= LevelExperience(l);
        ++l;
    }
    out.Text(kReached, FormatInt(l));
    out.Text(kLeft, FormatInt(x));
    out.Colour(kLeft, MagnitudeColour(x));
    return out;
}

Outcome ExperienceToLevelReset()
{
    Outcome out;
    out.Colour(kLeft, colours::kBlack);
    for (const char* f : {"Text2(0)", "Text2(1)", kReached, kLeft}) {
        out.Text(f, "0");
    }
    return out;
}

}  // namespace zicalc
