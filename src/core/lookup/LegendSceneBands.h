#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zicalc {

// Character levels low … high (low == high for a one-level band) and the places open to them.
struct LegendSceneBand final {
    int low;
    int high;
    std::string_view places;
};

inline constexpr int kLegendMinLevel = 60;
inline constexpr int kLegendMaxLevel = 130;

// Where a character of each level 60 … 130 can go for 传说: contiguous bands in ascending order.
inline constexpr std::array<LegendSceneBand, 27> LegendSceneBands{{
    {60, 61, "北俱芦洲/龙窟一层"},
    {62, 63, "北俱芦洲/龙一/龙二/凤一"},
    {64, 65, "龙一/龙二/凤一"},
    {66, 67, "龙一/龙二/凤一/凤二"},
    {68, 69, "龙二/龙三/凤一/凤二"},
    {70, 71, "龙二/龙三/凤一/凤二/凤三"},
    {72, 73, "龙三/龙四/凤二/凤三"},
    {74, 75, "龙三/龙四/凤二/凤三/凤四"},
    {76, 77, "龙三/龙四/龙五/凤三/凤四"},
    {78, 79, "龙四/龙五/凤三/凤四/凤五"},
    {80, 81, "龙四/龙五/龙六/凤四/凤五"},
    {82, 82, "龙五/龙六/凤四/凤五"},
    {83, 83, "龙五/龙六/凤四/凤五/凤六"},
    {84, 85, "龙五/龙六/龙七/凤五/凤六"},
    {86, 87, "龙六/龙七/凤五/凤六"},
    {88, 89, "龙六/龙七/凤六/凤七"},
    {90, 92, "龙七/凤六/凤七"},
    {93, 93, "龙七/凤七"},
    {94, 95, "凤七"},
    {96, 97, "凤七/无名鬼城"},
    {98, 103, "无名鬼城"},
    {104, 105, "无名鬼城/女娲神迹"},
    {106, 112, "女娲神迹"},
    {113, 113, "女娲神迹/小西天"},
    {114, 120, "小西天"},
    {121, 121, "小西天/小雷音寺"},
    {122, 130, "小雷音寺"},
}};

// The places for the level chosen in Combo3 ("60" … "130"); nullopt when no band holds it, and the
// field then keeps what it shows.
std::optional<std::string_view> LegendScenesFor(std::string_view levelText);

}  // namespace zicalc
