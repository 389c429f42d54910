#include "core/lookup/LegendSceneBands.h"

#include "core/app/Numeric.h"

namespace zicalc {

std::optional<std::string_view> LegendScenesFor(std::string_view levelText)
{
    const auto level = ParseDouble(levelText);
    if (!level) {
        return std::nullopt;
    }
    for (const auto& band : LegendSceneBands) {
        if (band.low <= *level && *level <= band.high) {
            return band.places;
        }
    }
    return std::nullopt;
}

}  // namespace zicalc
