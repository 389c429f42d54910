#include "core/pets/GrowthRate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/app/Numeric.h"

namespace zicalc {

namespace {

constexpr const char* kGrowthEmpty = "待输入项不能为空！";
constexpr const char* kGrowthLevel = "等级不能大于160！";
constexpr const char* kGrowthWrong = "输入有误,导致结果错误！";
constexpr const char* kOriginEmpty = "待输入项均不能为空！";
constexpr const char* kOriginWrong = "输入有误,导致结果出错！";
constexpr const char* kNewRate = "Text14(0)";
constexpr const char* kOldRate = "Text14(1)";
constexpr const char* kVerdict = "Text15(7)";

std::string Indexed(const char* array, int i)
{
    return std::string(array) + "(" + std::to_string(i) + ")";
}

// Both rows share everything but the constants: the aptitude's divisor and the factors of the
// points for the new and the old scale (old = 3 × new).
Outcome Growth(Outcome out, std::string_view level, std::string_view value, std::string_view points,
               std::string_view aptitude, double aptitudeDivisor, double newFactor, double oldFactor)
{
    const auto lv = ParseInt16(level);
    const auto v = ParseInt16(value);
    const auto pt = ParseInt16(points);
    const auto apt = ParseInt16(aptitude);
    if (!lv || *lv > kMaxPetLevel) {
        out.Warn(kGrowthLevel);
        return out;
    }
    if (!pt || *pt < 10 || *pt > 1020 || !v || !apt) {
        out.Warn(kGrowthWrong);
        return out;
    }
    const double x = (*v - *apt / aptitudeDivisor * *lv) * 1000;
    const auto newRate = static_cast<float>(static_cast<double>(FloorInt(x / (newFactor * *pt) + 0.5)) / 1000);
    const auto oldRate = static_cast<float>(static_cast<double>(FloorInt(x / (oldFactor * *pt) + 0.5)) / 1000);
    if (newRate > 0 && oldRate > 0) {
        out.Text(kNewRate, FormatFixed(newRate, 3));
        out.Text(kOldRate, FormatFixed(oldRate, 3));
    } else {
        out.Warn(kGrowthWrong);
    }
    return out;
}

}  // namespace

Outcome GrowthFromHp(std::string_view level, std::string_view hp, std::string_view constitution,
                     std::string_view aptitude)
{
    Outcome out;
    if (level.empty() || hp.empty() || constitution.empty() || aptitude.empty()) {
        out.Warn(kGrowthEmpty);
        return out;
    }
    return Growth(std::move(out), level, hp, constitution, aptitude, 1000, 6, 2);
}

Outcome GrowthFromMp(std::string_view level, std::string_view mana, std::string_view magic, std::string_view aptitude)
{
    Outcome out;
    if (level.empty() || mana.empty() || magic.empty() || aptitude.empty()) {
        for (int i : {0, 4, 5, 6}) {
            out.Text(Indexed("Text13", i), "0");
        }
        out.Warn(kGrowthEmpty);
        return out;
    }
    return Growth(std::move(out), level, mana, magic, aptitude, 500, 3, 1);
}

Outcome GrowthRateReset()
{
    Outcome out;
    for (int i = 0; i < kGrowthInputs; ++i) {
        out.Text(Indexed("Text13", i), "0");
    }
    out.Text(kNewRate, "").Text(kOldRate, "");
    return out;
}

Outcome OriginTest(const std::array<std::string_view, 7>& inputs)
{
    Outcome out;
    std::array<std::int32_t, 7> v{};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].empty()) {
            out.Warn(kOriginEmpty);
            return out;
        }
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const auto parsed = ParseInt16(inputs[i]);
        if (!parsed) {
            out.Warn(kOriginWrong);
            return out;
        }
        v[i] = *parsed;
    }
    const std::int32_t lv = v[0];
    const std::int32_t potential = v[6];
    bool plausible = lv <= kMaxPetLevel && potential <= 5 * lv;
    std::int32_t s = potential - 10 * lv;
    for (std::size_t i = 1; i <= 5; ++i) {
        plausible = plausible && v[i] >= lv + 10 && v[i] <= 6 * (lv + 10);
        s += v[i];
    }
    if (!plausible || s > 100) {
        out.Warn(kOriginWrong);
    } else if (s == 100) {
        out.Text(kVerdict, "是天生的宝宝!");
    } else if (s == 50) {
        out.Text(kVerdict, "可能是合成的宝宝!");
    } else {
        out.Text(kVerdict, "是野生召唤兽!");
    }
    return out;
}

Outcome OriginTestReset()
{
    Outcome out;
    for (int i = 0; i < kOriginInputs; ++i) {
        out.Text(Indexed("Text15", i), "0");
    }
    out.Text(kVerdict, "");
    return out;
}

}  // namespace zicalc
