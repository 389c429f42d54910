#include "core/calc/MonsterSealing.h"

#include <cstdlib>

#include "core/app/Numeric.h"
#include "core/calc/Experience.h"

namespace zicalc {

std::int32_t SealingMultiplier(std::int32_t level, std::int32_t centreLevel)
{
    const std::int32_t d = std::abs(level - centreLevel);
    if (d <= 2) {
        return 10;
    }
    const std::int32_t m = 10 - (d - 2 + 2) / 3;  // 10 − ⌈(d − 2) ÷ 3⌉
    return m < 1 ? 1 : m;
}

std::string SealingExperienceField(std::size_t k)
{
    return "Text10(" + std::to_string(k) + ")";
}

std::string SealingMoneyField(std::size_t k)
{
    return "Text11(" + std::to_string(k) + ")";
}

Outcome SealingDefaults()
{
    Outcome out;
    out.Text(kSealingLevelField, "0").Checked("Check2", false);
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        out.Text(SealingExperienceField(k), k == 0 ? "600" : "0");
        out.Text(SealingMoneyField(k), k == 0 ? "75" : "0");
    }
    return out;
}

Outcome SealingRewards(std::string_view level, bool doubleDrawn)
{
    Outcome out;
    if (level.empty()) {
        // The warning comes first; the frame is reset once it is answered.
        out.Warn("待输入项不能为空！");
        return out.Then(SealingDefaults());
    }
    // Only digits reach here, so a value too wide to read is simply above 155.
    std::int32_t l = ParseInt32(level).value_or(kMaxCharacterLevel + 1);
    if (l <= 9) {
        out.Checked("Check2", false);
        doubleDrawn = false;
    }
    const float f = doubleDrawn ? 1.0F : 0.5F;
    if (l > kMaxCharacterLevel) {
        out.Text(kSealingLevelField, FormatInt(kMaxCharacterLevel));
        l = kMaxCharacterLevel;
    }
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        if (k >= 1 && l < 10) {
            out.Text(SealingExperienceField(k), "0");
            out.Text(SealingMoneyField(k), "0");
            continue;
        }
        const SealingArea& area = SealingAreas[k];
        const auto m = static_cast<float>(SealingMultiplier(l, area.centreLevel));
        out.Text(SealingExperienceField(k), FormatSingle(f * m * static_cast<float>(area.unitExperience)));
        out.Text(SealingMoneyField(k), FormatSingle(f * m * static_cast<float>(area.unitMoney)));
    }
    return out;
}

}  // namespace zicalc
