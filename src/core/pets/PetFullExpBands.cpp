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

Outcome FullExpScene(std::string_view levelText)
{
    Outcome out;
    const auto level = ParseDouble(levelText);
    if (!level) {
        return out;
    }
    if (const PetExpBand* band = FindFullExpBand(*level)) {
        out.Text("Label14(0)", std::string(band->scene));
        out.Text("Label14(1)", FormatInt(band->experience));
    }
    return out;
}

}  // namespace zicalc
