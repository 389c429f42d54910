#include "core/calc/GuildMaintenance.h"

#include <string>
#include <vector>

#include "core/app/Numeric.h"

namespace zicalc {

std::int32_t BuildingFee(const BuildingKind& kind, int count)
{
    std::int32_t sum = 0;
    for (int k = 0; k <= count; ++k) {
        const std::int16_t base = MaintenanceTable.at(static_cast<std::size_t>(k));
        // Each building's share is rounded on its own before it is added.
        sum += kind.roundsEachFee ? static_cast<std::int32_t>(FloorInt(base * kind.feeFactor + 0.5)) : base;
    }
    return sum;
}

std::int32_t GuildBaseFee(int level)
{
    return level * 10000 + 15200;
}

namespace {

// Steps of the merchant bonus limit per vault, by vault count.
int VaultBonusSteps(int n)
{
    if (n <= 1) {
        return n;
    }
    if (n <= 8) {
        return 2 * (n - 1);
    }
    if (n <= 10) {
        return 2 * (n - 9) + 17;
    }
    if (n <= 13) {
        return 3 * (n - 11) + 22;
    }
    return 3 * (n - 14) + 30;
}

std::string VaultTooltip(int level, int vaults)
{
    const std::string capacity = std::to_string((vaults + 2) * 1000);
    const std::string count = std::to_string(vaults);
    if (level >= 3) {
        return count + "个金库可容纳资金上限是" + capacity + "万两, 商人跑商有额外奖励的资金上限是" +
               std::to_string(80 * VaultBonusSteps(vaults) + 1000) + "万两.";
    }
    if (level == 1 || level == 2) {
        // No space after the comma at these two levels: the text has always read so.
        return count + "个金库可容纳资金上限是" + capacity + "万两,商人跑商有额外奖励的资金上限是" +
               (level == 2 ? "1000" : "500") + "万两.";
    }
    return {};
}

std::string Indexed(const char* array, std::size_t i)
{
    return std::string(array) + "(" + std::to_string(i) + ")";
}

// Combo7(1) … Combo7(6).
std::string BuildingList(std::size_t k)
{
    return Indexed("Combo7", k + 1);
}

std::vector<std::string> Counts(int last)
{
    std::vector<std::string> items;
    for (int n = 0; n <= last; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

std::array<std::string, kBuildingKinds> Tooltips(int level, const BuildingCounts& c)
{
    const auto s = [](int v) { return std::to_string(v); };
    return {
        VaultTooltip(level, c[0]),
        s(c[1]) + "个书院,每小时正常维护时辅助技能可增加" + s(500 * c[1] + 2000) + "点经验.",
        s(c[2]) + "个药房,每小时正常维护时每种药的刷新数量是" + s(5 * c[2] + 10) + "个.",
        "暂无描述",
        s(c[4]) + "个厢房,可容纳帮众上限为" + s(c[4] > 16 ? 200 : 10 * c[4] + 40) + "人.",
        s(c[5]) + "个仓库,最大资材量为" + s(50 * c[5] + 300) + ",每小时正常维护刷资材量为" + s(25 * c[5] + 50) + ".",
    };
}

}  // namespace

Outcome MaintenanceForBuildings(int level, const BuildingCounts& counts)
{
    Outcome out;
    std::int32_t fee = GuildBaseFee(level);
    for (std::size_t i = 0; i < BuildingKinds.size(); ++i) {
        fee += BuildingFee(BuildingKinds[i], counts[i]);
    }
    out.Text("Text28(0)", FormatInt(fee));
    out.Text("Text28(1)", FormatInt(static_cast<std::int64_t>(fee) * 48));
    const auto tooltips = Tooltips(level, counts);
    for (std::size_t k = 0; k < tooltips.size(); ++k) {
        out.ToolTip(Indexed("Label17", k), tooltips[k]);
    }
    return out;
}

Outcome MaintenanceForLevel(int level)
{
    Outcome out;
    for (std::size_t k = 0; k < BuildingKinds.size(); ++k) {
        if (level > 0) {
            out.Items(BuildingList(k), Counts(MaxBuildings(level)));
        }
        out.Text(BuildingList(k), "0").Enabled(BuildingList(k), level > 0);
    }
    out.Then(MaintenanceForBuildings(level, BuildingCounts{}));
    if (level <= 0) {
        out.Text("Text28(0)", "").Text("Text28(1)", "");
    }
    return out;
}

Outcome MaintenanceDefaults()
{
    Outcome out;
    out.Items("Combo7(0)", Counts(kMaxGuildLevel)).Text("Combo7(0)", "0");
    for (std::size_t k = 0; k < BuildingKinds.size(); ++k) {
        out.Text(Indexed("Label17", k), BuildingKinds[k].label);
        out.Items(BuildingList(k), Counts(0)).Text(BuildingList(k), "0").Enabled(BuildingList(k), false);
    }
    out.Text("Text28(0)", "").Text("Text28(1)", "");
    return out;
}

}  // namespace zicalc
