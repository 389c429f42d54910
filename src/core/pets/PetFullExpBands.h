#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxFullExpLevel = 131;

// Levels low … high (low == high for a one-level band) and where they earn full experience.
struct PetExpBand final {
    int low;
    int high;
    std::string_view scene;
    std::int32_t experience;
};

// Where a pet of each level 0 … 131 earns full experience in one battle, and how much: one row
// per band, contiguous and in ascending order.
inline constexpr std::array<PetExpBand, 42> PetFullExpBands{{
    {0, 1, "东海湾", 414},
    {2, 3, "沉船一层", 724},
    {4, 5, "沉船二层/东海岩洞", 931},
    {6, 7, "江南野外", 1138},
    {8, 10, "大雁塔一层", 1345},
    {11, 11, "大唐国境", 1656},
    {12, 15, "大雁塔二层", 1759},
    {16, 19, "大雁塔三层", 2173},
    {20, 23, "大雁塔四层/大唐境外", 2587},
    {24, 25, "大雁塔五层", 3001},
    {26, 27, "长寿郊外", 3208},
    {28, 28, "大雁塔六层", 3415},
    {29, 31, "花果山", 3519},
    {32, 32, "魔王寨", 3829},
    {33, 34, "海底迷宫一", 3933},
    {35, 35, "海底迷宫二", 4140},
    {36, 36, "普陀山", 4243},
    {37, 37, "海底迷宫三/地府迷宫二", 4347},
    {38, 39, "盘丝岭", 4450},
    {40, 42, "海底迷宫四/地府迷宫一", 4657},
    {43, 45, "地府迷宫四", 4968},
    {46, 47, "地府迷宫三", 5278},
    {48, 49, "月宫", 5485},
    {50, 53, "狮陀岭", 5692},
    {54, 57, "北俱芦洲", 6106},
    {58, 61, "龙窟一层", 6520},
    {62, 65, "龙窟二层/凤巢一层", 6934},
    {66, 67, "凤巢二层", 7348},
    {68, 69, "龙窟三层", 7567},
    {70, 71, "凤巢三层", 7762},
    {72, 73, "龙窟四层", 7969},
    {74, 75, "凤巢四层", 8176},
    {76, 77, "龙窟五层", 8383},
    {78, 79, "凤巢五层", 8590},
    {80, 82, "龙窟六层", 8797},
    {83, 83, "凤巢六层", 9108},
    {84, 87, "龙窟七层", 9211},
    {88, 95, "凤巢七层", 9625},
    {96, 103, "无名鬼城", 10453},
    {104, 111, "女娲神迹", 11281},
    {112, 120, "小西天", 12108},
    {121, 131, "小雷音寺", 13104},
}};

// The first band that holds `level`, or nullptr beyond the table.
const PetExpBand* FindFullExpBand(double level);

// The lookup behind Combo2: the chosen item ("05") in; the scene Label14(0) and the experience
// Label14(1) out. A level no band holds changes nothing.
Outcome FullExpScene(std::string_view levelText);

}  // namespace zicalc
