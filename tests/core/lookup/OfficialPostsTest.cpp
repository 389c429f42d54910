#include <gtest/gtest.h>

#include "core/lookup/OfficialPosts.h"

using namespace zicalc;

namespace {

TEST(OfficialPostTable, FortyThreePostsNumberedInRisingOrder)
{
    ASSERT_EQ(OfficialPostTable.size(), 43U);
    std::int32_t previous = 0;
    for (std::size_t i = 0; i < OfficialPostTable.size(); ++i) {
        EXPECT_EQ(OfficialPostTable[i].number, static_cast<int>(i) + 1);
        EXPECT_GT(OfficialPostTable[i].contribution, previous) << OfficialPostTable[i].name;
        previous = OfficialPostTable[i].contribution;
    }
}

struct PostCase {
    int number;
    const char* name;
    std::int32_t contribution;
};

class OfficialPosts : public testing::TestWithParam<PostCase> {};

TEST_P(OfficialPosts, AsTheGameWritesThem)
{
    const auto& c = GetParam();
    const OfficialPost& p = OfficialPostTable[static_cast<std::size_t>(c.number - 1)];
    EXPECT_EQ(p.name, c.name);
    EXPECT_EQ(p.contribution, c.contribution);
}

INSTANTIATE_TEST_SUITE_P(Spots, OfficialPosts,
                         testing::Values(PostCase{1, "九品将仕郎", 300}, PostCase{5, "八品承务郎", 1100},
                                         PostCase{22, "五品游骑将军", 7700}, PostCase{23, "五品骑都尉", 8150},
                                         PostCase{32, "四品忠武将", 12200}, PostCase{33, "三品归德将", 12750},
                                         PostCase{41, "一品膘骑大将军", 17150}, PostCase{43, "辅佐王", 19000}));

}  // namespace
