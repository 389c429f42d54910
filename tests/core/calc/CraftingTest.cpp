#include <gtest/gtest.h>

#include "core/calc/Crafting.h"

using namespace zicalc;

namespace {

struct CraftCase {
    const char* level;
    int position;
    std::array<std::optional<std::string>, 4> labels;  // Label16(0) … Label16(3)
};

class CraftingCases : public testing::TestWithParam<CraftCase> {};

TEST_P(CraftingCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const Outcome out = CraftingNeeds(c.level, c.position);
    EXPECT_FALSE(out.warning());
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(out.Final("Label16(" + std::to_string(i) + ")").text, c.labels[i]) << "Label16(" << i << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Frame, CraftingCases,
                         testing::Values(CraftCase{"10", 0, {"0", "50", "1000", "1"}},  // the start-up texts
                                         CraftCase{"30", 2, {"0", "90", "3000", "2"}},
                                         CraftCase{"40", 3, {"160", "110", "4000", "3"}},
                                         CraftCase{"100", 9, {"1000", "230", "10000", "20"}},
                                         CraftCase{"110", 10, {"1210", "250", "11000", "24"}},
                                         CraftCase{"120", 11, {"1440", "270", "12000", "30"}},
                                         CraftCase{"130", 12, {"1690", "290", "13000", "30"}},
                                         CraftCase{"140", 13, {"1960", "310", "14000", "30"}},
                                         CraftCase{"150", 14, {"2250", "330", "15000", "30"}},
                                         // Nothing selected: the stones stay as they are.
                                         CraftCase{"50", -1, {"250", "130", "5000", std::nullopt}}));

TEST(CraftingDefaults, StartsOnLevelTen)
{
    const Outcome out = CraftingDefaults();
    EXPECT_EQ(out.Final("Combo4").text, "10");
    EXPECT_EQ(out.Final("Label16(0)").text, "0");
    EXPECT_EQ(out.Final("Label16(1)").text, "50");
    EXPECT_EQ(out.Final("Label16(2)").text, "1000");
    EXPECT_EQ(out.Final("Label16(3)").text, "1");
}

}  // namespace
