#include "core/calc/SkillCost.h"

#include "core/app/Numeric.h"

namespace zicalc {

// Experience and money of each school-skill level, row i = level i to i + 1.
const std::array<SkillCostRow, kMaxSchoolSkillLevel> SkillCostTable{{
    {16, 6},
    {32, 12},
    {52, 19},
    {75, 28},
    {103, 38},
    {136, 51},
    {179, 67},
    {231, 86},
    {295, 110},
    {372, 139},
    {466, 174},
    {578, 216},
    {711, 266},
    {867, 325},
    {1049, 393},
    {1260, 472},
    {1503, 563},
    {1780, 667},
    {2096, 786},
    {2452, 919},
    {2854, 1070},
    {3304, 1239},
    {3807, 1427},
    {4364, 1636},
    {4983, 1868},
    {5664, 2124},
    {6415, 2404},
    {7238, 2714},
    {8138, 3050},
    {9120, 3420},
    {10188, 3820},
    {11347, 4255},
    {12602, 4725},
    {13959, 5234},
    {15423, 5783},
    {16998, 6374},
    {18629, 7009},
    {20508, 7690},
    {22452, 8419},
    {24532, 9199},
    {26753, 10032},
    {29121, 10920},
    {31642, 11865},
    {34323, 12871},
    {37169, 13938},
    {40188, 15070},
    {43388, 16270},
    {46773, 17540},
    {50352, 18882},
    {54132, 20299},
    {58120, 21795},
    {62324, 23371},
    {66750, 25031},
    {71407, 26777},
    {76303, 28613},
    {81444, 30541},
    {86840, 32565},
    {92500, 34687},
    {98430, 36911},
    {104640, 39240},
    {111136, 41676},
    {117931, 44224},
    {125031, 46886},
    {132444, 49666},
    {140183, 52568},
    {148253, 55595},
    {156666, 58749},
    {165430, 62036},
    {174556, 65458},
    {184052, 69019},
    {193930, 72723},
    {204198, 76574},
    {214868, 80575},
    {225948, 84730},
    {237449, 89043},
    {249383, 93518},
    {261760, 98160},
    {274589, 102971},
    {287884, 107956},
    {301652, 113119},
    {315908, 118465},
    {330662, 123998},
    {345924, 129721},
    {361708, 135640},
    {378023, 141758},
    {394882, 148080},
    {412297, 154611},
    {430280, 161355},
    {448844, 168316},
    {468000, 175500},
    {487760, 182910},
    {508137, 190551},
    {529145, 198429},
    {550796, 206548},
    {573103, 214913},
    {596078, 223529},
    {619735, 232400},
    {644088, 241533},
    {669149, 250931},
    {694932, 260599},
    {721452, 270544},
    {748722, 280770},
    {776755, 291283},
    {805566, 302087},
    {835169, 313188},
    {865579, 324592},
    {896809, 336303},
    {928876, 348328},
    {961792, 360672},
    {995572, 373339},
    {1030234, 386337},
    {1065190, 399671},
    {1102256, 413346},
    {1139649, 427368},
    {1177983, 441743},
    {1217273, 456477},
    {1256104, 471576},
    {1298787, 487045},
    {1341043, 502891},
    {1384320, 519120},
    {1428632, 535737},
    {1473999, 552749},
    {1520435, 570163},
    {1567957, 587984},
    {1616583, 606218},
    {1666328, 624873},
    {1717211, 643954},
    {1769248, 663468},
    {1822456, 683421},
    {1876852, 703819},
    {1932456, 724671},
    {1989284, 745981},
    {2047353, 767757},
    {2106682, 790005},
    {2167289, 812733},
    {2229192, 835947},
    {2292410, 859653},
    {2356960, 883860},
    {2422861, 908573},
    {2490132, 933799},
    {2558792, 959547},
    {2628860, 985822},
    {2700356, 1012633},
    {2773296, 1039986},
    {2847703, 1067888},
    {2923593, 1096347},
    {3000989, 1125371},
    {3079908, 1154965},
    {3160372, 1185139},
    {3242400, 1215900},
    {6652022, 2494508},
    {6822452, 2558419},
    {6996132, 2623549},
    {7173104, 2689914},
    {7353406, 2757527},
    {11305620, 4239607},
    {11586254, 4344845},
    {11872072, 4452027},
    {12163140, 4561177},
    {12459518, 4672319},
}};

SkillCostRow SkillCostBetween(int from, int to)
{
    SkillCostRow sum{0, 0};
    for (int i = from; i < to; ++i) {
        const SkillCostRow& row = SkillCostTable.at(static_cast<std::size_t>(i));
        sum.experience += row.experience;
        sum.money += row.money;
    }
    return sum;
}

namespace {

constexpr const char* kExperience = "Text3(2)";
constexpr const char* kMoney = "Text3(3)";
constexpr const char* kLabel = "Label24";

std::string Indexed(const char* array, std::size_t i)
{
    return std::string(array) + "(" + std::to_string(i) + ")";
}

}  // namespace

Outcome SchoolSkillCost(std::string_view fromLevel, std::string_view toLevel, int multiplier)
{
    Outcome out;
    if (fromLevel.empty() || toLevel.empty()) {
        out.Colour(kExperience, colours::kBlack).Colour(kMoney, colours::kBlack);
        out.Warn("待输入项不能为空！");
        return out;
    }
    const auto a = ParseLevel(fromLevel, kMaxSchoolSkillLevel);
    const auto b = ParseLevel(toLevel, kMaxSchoolSkillLevel);
    SkillCostRow one{0, 0};
    const std::string label = "(X" + std::to_string(multiplier) + "项)";
    if (!a || !b) {
        out.Visible(kLabel, false);
        out.Colour(kExperience, colours::kBlack).Colour(kMoney, colours::kBlack);
        out.Warn("等级1和2均不能大于160！");
    } else if (*a < *b) {
        one = SkillCostBetween(*a, *b);
        out.Text(kLabel, label).Visible(kLabel, true);
        out.Text(kExperience, FormatInt(one.experience * multiplier));
        out.Text(kMoney, FormatInt(one.money * multiplier));
    } else if (*a == *b) {
        out.Text(kLabel, label).Visible(kLabel, true);
        out.Text(kExperience, "0").Text(kMoney, "0");
    } else {
        out.Visible(kLabel, false);
        out.Warn("等级1不能大于等级2！");
    }
    // The colours follow one skill's cost, not the multiplied totals.
    out.Colour(kExperience, MagnitudeColour(one.experience));
    out.Colour(kMoney, MagnitudeColour(one.money));
    return out;
}

Outcome SchoolSkillReset()
{
    Outcome out;
    out.Colour(kExperience, colours::kBlack).Colour(kMoney, colours::kBlack).Visible(kLabel, false);
    for (std::size_t i = 0; i < 4; ++i) {
        out.Text(Indexed("Text3", i), "0");
    }
    return out;
}

Outcome SchoolSkillDefaults()
{
    Outcome out;
    out.Text(kLabel, "(X1项)");
    return out.Then(SchoolSkillReset());
}

Outcome DetailedSkillCost(const DetailInput& input)
{
    Outcome out;
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        if (input.from[i].empty() || input.to[i].empty()) {
            out.Warn("待输入项不能为空！");
            return out;
        }
    }
    std::array<bool, kDetailRows> checked = input.checked;
    std::array<SkillCostRow, kDetailRows> rows{};
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        const auto a = ParseLevel(input.from[i], kMaxSchoolSkillLevel);
        const auto b = ParseLevel(input.to[i], kMaxSchoolSkillLevel);
        if (!a || !b) {
            // This row and the ones below keep zero; the rows above still count.
            out.Warn("等级均不能大于160！");
            break;
        }
        if (*a < *b) {
            rows[i] = SkillCostBetween(*a, *b);
        } else if (*a > *b) {
            // Unchecked as the loop meets the row, so before a later row's warning.
            checked[i] = false;
            out.Checked(Indexed("Check1", i), false);
        }
    }
    std::int32_t count = 0;
    SkillCostRow total{0, 0};
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        if (checked[i]) {
            ++count;
            total.experience += rows[i].experience;
            total.money += rows[i].money;
        }
    }
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        out.Text(Indexed("Text3", i), FormatInt(rows[i].experience));
        out.Text(Indexed("Text4", i), FormatInt(rows[i].money));
    }
    out.Text("Text5", FormatInt(total.experience));
    out.Text("Text6", FormatInt(total.money));
    out.Text("Text7", FormatInt(count));
    return out;
}

Outcome DetailedSkillReset()
{
    Outcome out;
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        for (const char* array : {"Text1", "Text2", "Text3", "Text4"}) {
            out.Text(Indexed(array, i), "0");
        }
        out.Checked(Indexed("Check1", i), true);
    }
    out.Text("Text5", "0").Text("Text6", "0").Text("Text7", std::to_string(kDetailRows));
    return out;
}

}  // namespace zicalc
