#include "core/calc/Crafting.h"

#include <string>

#include "core/app/Numeric.h"

namespace zicalc {

Outcome CraftingNeeds(std::string_view levelText, int position)
{
    Outcome out;
    const double level = ParseDouble(levelText).value_or(0);
    if (level <= 30) {
        out.Text("Label16(0)", "0");
    } else if (level >= 40 && level <= 150) {
        out.Text("Label16(0)", FormatDouble(level * level / 10));
    }
    out.Text("Label16(1)", FormatDouble(2 * level + 30));
    out.Text("Label16(2)", FormatDouble(100 * level));
    if (position >= 0 && position < static_cast<int>(StrengtheningStones.size())) {
        out.Text("Label16(3)", FormatInt(StrengtheningStones[static_cast<std::size_t>(position)]));
    }
    return out;
}

Outcome CraftingDefaults()
{
    const std::string first = FormatInt(CraftingLevels[0]);
    Outcome out;
    out.Text("Combo4", first);
    return out.Then(CraftingNeeds(first, 0));
}

}  // namespace zicalc
