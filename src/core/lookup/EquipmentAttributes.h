#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zicalc {

// One attribute of a crafted piece: its base value at level L is K × L / 10 + C.
struct EquipmentAttribute final {
    std::string_view name;
    std::int16_t k;
    std::int16_t c;
};

// A type of crafted equipment and its one or two attributes (an empty name: no second one).
struct EquipmentType final {
    std::string_view name;
    EquipmentAttribute first;
    EquipmentAttribute second;

    constexpr bool hasSecond() const { return !second.name.empty(); }
};

inline constexpr EquipmentAttribute kNoAttribute{"", 0, 0};

// The six equipment types in button order, with slope and offset of each attribute.
inline constexpr std::array<EquipmentType, 6> EquipmentAttributes{{
    {"武器", {"命中", 35, 10}, {"伤害", 30, 10}},
    {"衣服", {"防御", 15, 10}, kNoAttribute},
    {"头盔", {"防御", 5, 5}, {"魔法", 10, 5}},
    {"腰带", {"防御", 5, 5}, {"气血", 20, 10}},
    {"项链", {"灵力", 12, 5}, kNoAttribute},
    {"鞋子", {"防御", 5, 5}, {"敏捷", 3, 5}},
}};

// A quality option and its factor, which the game keeps in single precision.
struct QualityOption final {
    std::string_view name;
    float factor;
};

// The four quality options in option-button order.
inline constexpr std::array<QualityOption, 4> QualityFactor{{
    {"非强化", 1.0F},
    {"强化", 1.05F},
    {"专用", 1.05F},
    {"专用强化", 1.1F},
}};

// Equipment levels of the level list and of the value tables: 10, 20, … 150.
inline constexpr int kEquipmentLevelCount = 15;
constexpr int EquipmentLevel(int row)
{
    return 10 * (row + 1);
}

// The base value the comparison uses: floor(L × K / 10 × f + C + 0.5) in double precision, f the
// single-precision factor widened as it is. Only the slope part is scaled, so this is not what the
// value tables show (see EquipmentTableValues).
std::int16_t ComparisonBase(const EquipmentAttribute& attribute, int level, float factor);

// One attribute's cells of a value-table row, in column order.
struct EquipmentTableCells final {
    std::int32_t base;             // 非强化基础: K × L / 10 + C
    std::int32_t strengthened;     // 强化或专用基础: floor(base × 105 / 100)
    std::int32_t strengthenedMax;  // 强化或专用最高: floor(strengthened × 4 / 3)
    std::int32_t special;          // 专用强化基础: floor(base × 110 / 100)
    std::int32_t specialMax;       // 专用强化最高: floor(special × 4 / 3)
};

// The value tables scale the whole base, offset included, in exact integers.
EquipmentTableCells EquipmentTableValues(const EquipmentAttribute& attribute, int level);

}  // namespace zicalc
