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

SealingOutcome SealingDefaults()
{
    SealingOutcome out;
    out.untickDouble = true;
    out.display.SetText(kSealingLevelField, "0");
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        out.display.SetText(SealingExperienceField(k), k == 0 ? "600" : "0");
        out.display.SetText(SealingMoneyField(k), k == 0 ? "75" : "0");
    }
    return out;
}

SealingOutcome SealingRewards(std::string_view level, bool doubleDrawn)
{
    if (level.empty()) {
        SealingOutcome out = SealingDefaults();
        out.display.Warn("待输入项不能为空！");
        return out;
    }
    SealingOutcome out;
    // Only digits reach here, so a value too wide to read is simply above 155.
    std::int32_t l = ParseInt32(level).value_or(kMaxCharacterLevel + 1);
    if (l <= 9) {
        out.untickDouble = true;
        doubleDrawn = false;
    }
    const float f = doubleDrawn ? 1.0F : 0.5F;
    if (l > kMaxCharacterLevel) {
        out.display.SetText(kSealingLevelField, FormatInt(kMaxCharacterLevel));
        l = kMaxCharacterLevel;
    }
    for (std::size_t k = 0; k < SealingAreas.size(); ++k) {
        if (k >= 1 && l < 10) {
            out.display.SetText(SealingExperienceField(k), "0");
            out.display.SetText(SealingMoneyField(k), "0");
            continue;
        }
        const SealingArea& area = SealingAreas[k];
        const auto m = static_cast<float>(SealingMultiplier(l, area.centreLevel));
        out.display.SetText(SealingExperienceField(k), FormatSingle(f * m * static_cast<float>(area.unitExperience)));
        out.display.SetText(SealingMoneyField(k), FormatSingle(f * m * static_cast<float>(area.unitMoney)));
    }
    return out;
}

}  // namespace zicalc
