#include <gtest/gtest.h>

#include "core/calc/GuildMaintenance.h"

using namespace zicalc;

namespace {

struct FeeCase {
    const char* name;
    int level;
    BuildingCounts counts;
    const char* fee;
    const char* reserve;
};

class MaintenanceFees : public testing::TestWithParam<FeeCase> {};

TEST_P(MaintenanceFees, HourlyFeeAndReserve)
{
    const auto& c = GetParam();
    const Outcome out = MaintenanceForBuildings(c.level, c.counts);
    EXPECT_EQ(out.Final("Text28(0)").text, c.fee);
    if (c.reserve != nullptr) {
        EXPECT_EQ(out.Final("Text28(1)").text, c.reserve);
    }
}

INSTANTIATE_TEST_SUITE_P(Frame, MaintenanceFees,
                         testing::Values(FeeCase{"LevelOneEmpty", 1, {0, 0, 0, 0, 0, 0}, "25200", "1209600"},
                                         FeeCase{"OneVault", 3, {1, 0, 0, 0, 0, 0}, "46370", nullptr},
                                         // The academy's fee is not rounded, the others' are, one building at a time.
                                         FeeCase{"OneAcademy", 3, {0, 1, 0, 0, 0, 0}, "47150", nullptr},
                                         FeeCase{"OneOfEach", 2, {1, 1, 1, 1, 1, 1}, "42610", nullptr},
                                         FeeCase{"AllFull", 5, {20, 20, 20, 20, 20, 20}, "974174", "46760352"}),
                         [](const testing::TestParamInfo<FeeCase>& info) { return std::string(info.param.name); });

TEST(MaintenanceTooltips, VaultBonusLimitByCount)
{
    // Merchant bonus limit (万两) for 0 … 20 vaults at guild level 3 and above, as published.
    const std::array<int, 21> bonus{1000, 1080, 1160, 1320, 1480, 1640, 1800, 1960, 2120, 2360, 2520,
                                    2760, 3000, 3240, 3400, 3640, 3880, 4120, 4360, 4600, 4840};
    for (int n = 0; n <= 20; ++n) {
        const std::string expected = std::to_string(n) + "个金库可容纳资金上限是" + std::to_string((n + 2) * 1000) +
                                     "万两, 商人跑商有额外奖励的资金上限是" +
                                     std::to_string(bonus[static_cast<std::size_t>(n)]) + "万两.";
        EXPECT_EQ(MaintenanceForBuildings(4, {n, 0, 0, 0, 0, 0}).Final("Label17(0)").toolTip, expected)
            << n << " vaults";
    }
}

TEST(MaintenanceTooltips, PublishedTexts)
{
    EXPECT_EQ(MaintenanceForBuildings(5, {20, 0, 0, 0, 0, 0}).Final("Label17(0)").toolTip,
              "20个金库可容纳资金上限是22000万两, 商人跑商有额外奖励的资金上限是4840万两.");
    EXPECT_EQ(MaintenanceForBuildings(3, {12, 0, 0, 0, 0, 0}).Final("Label17(0)").toolTip,
              "12个金库可容纳资金上限是14000万两, 商人跑商有额外奖励的资金上限是3000万两.");
    // Levels 1 and 2: no space after the comma, and a fixed bonus limit.
    EXPECT_EQ(MaintenanceForBuildings(1, {1, 0, 0, 0, 0, 0}).Final("Label17(0)").toolTip,
              "1个金库可容纳资金上限是3000万两,商人跑商有额外奖励的资金上限是500万两.");
    EXPECT_EQ(MaintenanceForBuildings(2, {8, 0, 0, 0, 0, 0}).Final("Label17(0)").toolTip,
              "8个金库可容纳资金上限是10000万两,商人跑商有额外奖励的资金上限是1000万两.");

    const Outcome some = MaintenanceForBuildings(4, {0, 3, 7, 9, 15, 11});
    EXPECT_EQ(some.Final("Label17(1)").toolTip, "3个书院,每小时正常维护时辅助技能可增加3500点经验.");
    EXPECT_EQ(some.Final("Label17(2)").toolTip, "7个药房,每小时正常维护时每种药的刷新数量是45个.");
    EXPECT_EQ(some.Final("Label17(3)").toolTip, "暂无描述");
    EXPECT_EQ(some.Final("Label17(4)").toolTip, "15个厢房,可容纳帮众上限为190人.");
    EXPECT_EQ(some.Final("Label17(5)").toolTip, "11个仓库,最大资材量为850,每小时正常维护刷资材量为325.");
}

TEST(MaintenanceTooltips, WingRoomsStopAt200Members)
{
    EXPECT_EQ(MaintenanceForBuildings(5, {0, 0, 0, 0, 16, 0}).Final("Label17(4)").toolTip,
              "16个厢房,可容纳帮众上限为200人.");
    EXPECT_EQ(MaintenanceForBuildings(5, {0, 0, 0, 0, 17, 0}).Final("Label17(4)").toolTip,
              "17个厢房,可容纳帮众上限为200人.");
    EXPECT_EQ(MaintenanceForBuildings(5, {0, 0, 0, 0, 20, 0}).Final("Label17(4)").toolTip,
              "20个厢房,可容纳帮众上限为200人.");
}

TEST(MaintenanceForLevel, ChoosingALevelStartsFromNoBuildings)
{
    const Outcome one = MaintenanceForLevel(1);
    EXPECT_EQ(one.Final("Text28(0)").text, "25200");
    EXPECT_EQ(one.Final("Text28(1)").text, "1209600");
    EXPECT_EQ(one.Final("Label17(0)").toolTip,
              "0个金库可容纳资金上限是2000万两,商人跑商有额外奖励的资金上限是500万两.");
    EXPECT_EQ(one.Final("Label17(4)").toolTip, "0个厢房,可容纳帮众上限为40人.");

    // Level 0: no guild, so no fee and no vault description.
    const Outcome none = MaintenanceForLevel(0);
    EXPECT_EQ(none.Final("Text28(0)").text, "");
    EXPECT_EQ(none.Final("Text28(1)").text, "");
    EXPECT_EQ(none.Final("Label17(0)").toolTip, "");
    for (int k = 1; k <= 6; ++k) {
        const std::string list = "Combo7(" + std::to_string(k) + ")";
        EXPECT_EQ(none.Final(list).enabled, false) << list;
        EXPECT_EQ(none.Final(list).text, "0") << list;
        EXPECT_FALSE(none.Final(list).items) << list;  // the lists keep what they offer
        EXPECT_EQ(one.Final(list).enabled, true) << list;
        EXPECT_EQ(one.Final(list).items, (std::vector<std::string>{"0", "1", "2", "3", "4"})) << list;
        EXPECT_EQ(MaintenanceForLevel(5).Final(list).items->back(), "20") << list;
    }
    EXPECT_EQ(MaxBuildings(0), 0);
    EXPECT_EQ(MaxBuildings(5), 20);
}

TEST(MaintenanceDefaults, NoLevelNoBuildings)
{
    const Outcome out = MaintenanceDefaults();
    EXPECT_EQ(out.Final("Combo7(0)").items, (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(out.Final("Combo7(0)").text, "0");
    EXPECT_EQ(out.Final("Combo7(3)").items, (std::vector<std::string>{"0"}));
    EXPECT_EQ(out.Final("Combo7(3)").enabled, false);
    EXPECT_EQ(out.Final("Label17(2)").text, "药房:");
    EXPECT_EQ(out.Final("Text28(0)").text, "");
}

}  // namespace
