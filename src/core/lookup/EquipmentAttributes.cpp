#include "core/lookup/EquipmentAttributes.h"

#include <cmath>

namespace zicalc {

std::int16_t ComparisonBase(const EquipmentAttribute& attribute, int level, float factor)
{
    // L × K / 10 is exact in double; widening f keeps its single-precision value (1.05 lies just
    // below 1.05), so an exact half at 强化 rounds down.
    const double scaled = static_cast<double>(level) * attribute.k / 10.0 * static_cast<double>(factor);
    return static_cast<std::int16_t>(std::floor(scaled + attribute.c + 0.5));
}

EquipmentTableCells EquipmentTableValues(const EquipmentAttribute& attribute, int level)
{
    EquipmentTableCells cells{};
    cells.base = attribute.k * level / 10 + attribute.c;
    cells.strengthened = cells.base * 105 / 100;
    cells.strengthenedMax = cells.strengthened * 4 / 3;
    cells.special = cells.base * 110 / 100;
    cells.specialMax = cells.special * 4 / 3;
    return cells;
}

}  // namespace zicalc
