#include "core/pets/PetFullExpBands.h"

#include <string>

#include "core/app/Numeric.h"

namespace zicalc {

const PetExpBand* FindFullExpBand(double level)
{
    for (const auto& band : PetFullExpBands) {
        if (band.low <= level && level <= band.high) {
            return &band;
        }
    }
    return nullptr;
}

CalcOutcome FullExpScene(std::string_view levelText)
{
    CalcOutcome out(2);
    const auto level = ParseDouble(levelText);
    if (!level) {
        return out;
    }
    if (const PetExpBand* band = FindFullExpBand(*level)) {
        out.SetText(0, std::string(band->scene));
        out.SetText(1, FormatInt(band->experience));
    }
    return out;
}

}  // namespace zicalc
