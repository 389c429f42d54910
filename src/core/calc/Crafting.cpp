#include "core/calc/Crafting.h"

#include "core/app/Numeric.h"

namespace zicalc {

CalcOutcome CraftingNeeds(std::string_view levelText, int position)
{
    CalcOutcome out(4);
    const double level = ParseDouble(levelText).value_or(0);
    if (level <= 30) {
        out.SetText(0, "0");
    } else if (level >= 40 && level <= 150) {
        out.SetText(0, FormatDouble(level * level / 10));
    }
    out.SetText(1, FormatDouble(2 * level + 30));
    out.SetText(2, FormatDouble(100 * level));
    if (position >= 0 && position < static_cast<int>(StrengtheningStones.size())) {
        out.SetText(3, FormatInt(StrengtheningStones[static_cast<std::size_t>(position)]));
    }
    return out;
}

}  // namespace zicalc
