#include <gtest/gtest.h>

#include <string>

#include "core/lookup/LegendSceneBands.h"

using namespace zicalc;

namespace {

TEST(LegendSceneBands, CoverSixtyToOneThirtyWithoutGapsOrOverlap)
{
    int next = kLegendMinLevel;
    for (const auto& band : LegendSceneBands) {
        EXPECT_EQ(band.low, next) << band.places;
        EXPECT_LE(band.low, band.high) << band.places;
        next = band.high + 1;
    }
    EXPECT_EQ(next, kLegendMaxLevel + 1);
}

struct LegendCase {
    const char* level;
    const char* places;
};

class LegendLookup : public testing::TestWithParam<LegendCase> {};

TEST_P(LegendLookup, ShowsThePlacesOfTheBand)
{
    EXPECT_EQ(LegendScenesFor(GetParam().level), GetParam().places);
}

// Both edges of every band.
INSTANTIATE_TEST_SUITE_P(
    BandEdges, LegendLookup,
    testing::Values(LegendCase{"60", "北俱芦洲/龙窟一层"}, LegendCase{"61", "北俱芦洲/龙窟一层"},
                    LegendCase{"62", "北俱芦洲/龙一/龙二/凤一"}, LegendCase{"63", "北俱芦洲/龙一/龙二/凤一"},
                    LegendCase{"64", "龙一/龙二/凤一"}, LegendCase{"65", "龙一/龙二/凤一"},
                    LegendCase{"66", "龙一/龙二/凤一/凤二"}, LegendCase{"67", "龙一/龙二/凤一/凤二"},
                    LegendCase{"68", "龙二/龙三/凤一/凤二"}, LegendCase{"69", "龙二/龙三/凤一/凤二"},
                    LegendCase{"70", "龙二/龙三/凤一/凤二/凤三"}, LegendCase{"71", "龙二/龙三/凤一/凤二/凤三"},
                    LegendCase{"72", "龙三/龙四/凤二/凤三"}, LegendCase{"73", "龙三/龙四/凤二/凤三"},
                    LegendCase{"74", "龙三/龙四/凤二/凤三/凤四"}, LegendCase{"75", "龙三/龙四/凤二/凤三/凤四"},
                    LegendCase{"76", "龙三/龙四/龙五/凤三/凤四"}, LegendCase{"77", "龙三/龙四/龙五/凤三/凤四"},
                    LegendCase{"78", "龙四/龙五/凤三/凤四/凤五"}, LegendCase{"79", "龙四/龙五/凤三/凤四/凤五"},
                    LegendCase{"80", "龙四/龙五/龙六/凤四/凤五"}, LegendCase{"81", "龙四/龙五/龙六/凤四/凤五"},
                    LegendCase{"82", "龙五/龙六/凤四/凤五"}, LegendCase{"83", "龙五/龙六/凤四/凤五/凤六"},
                    LegendCase{"84", "龙五/龙六/龙七/凤五/凤六"}, LegendCase{"85", "龙五/龙六/龙七/凤五/凤六"},
                    LegendCase{"86", "龙六/龙七/凤五/凤六"}, LegendCase{"87", "龙六/龙七/凤五/凤六"},
                    LegendCase{"88", "龙六/龙七/凤六/凤七"}, LegendCase{"89", "龙六/龙七/凤六/凤七"},
                    LegendCase{"90", "龙七/凤六/凤七"}, LegendCase{"91", "龙七/凤六/凤七"},
                    LegendCase{"92", "龙七/凤六/凤七"}, LegendCase{"93", "龙七/凤七"}, LegendCase{"94", "凤七"},
                    LegendCase{"95", "凤七"}, LegendCase{"96", "凤七/无名鬼城"}, LegendCase{"97", "凤七/无名鬼城"},
                    LegendCase{"98", "无名鬼城"}, LegendCase{"103", "无名鬼城"}, LegendCase{"104", "无名鬼城/女娲神迹"},
                    LegendCase{"105", "无名鬼城/女娲神迹"}, LegendCase{"106", "女娲神迹"},
                    LegendCase{"112", "女娲神迹"}, LegendCase{"113", "女娲神迹/小西天"}, LegendCase{"114", "小西天"},
                    LegendCase{"120", "小西天"}, LegendCase{"121", "小西天/小雷音寺"}, LegendCase{"122", "小雷音寺"},
                    LegendCase{"130", "小雷音寺"}));

TEST(LegendLookup, LevelNoBandHoldsChangesNothing)
{
    for (const char* text : {"59", "131", "", "x"}) {
        EXPECT_EQ(LegendScenesFor(text), std::nullopt) << text;
    }
}

}  // namespace
