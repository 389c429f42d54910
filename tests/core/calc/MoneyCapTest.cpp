#include <gtest/gtest.h>

#include "core/calc/MoneyCap.h"

using namespace zicalc;

namespace {

struct CapCase {
    const char* level;
    std::optional<std::string> cap;
    std::optional<std::string> warning;
};

class MoneyCapCases : public testing::TestWithParam<CapCase> {};

TEST_P(MoneyCapCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const Outcome out = MoneyCapOutcome(c.level);
    EXPECT_EQ(out.warning(), c.warning);
    EXPECT_EQ(out.Final("Text4(1)").text, c.cap);
}

INSTANTIATE_TEST_SUITE_P(Frame, MoneyCapCases,
                         testing::Values(CapCase{"0", "10000", std::nullopt}, CapCase{"1", "12000", std::nullopt},
                                         CapCase{"50", "5010000", std::nullopt},
                                         CapCase{"99", "19612000", std::nullopt},
                                         CapCase{"100", "20000000", std::nullopt},
                                         CapCase{"155", "20000000", std::nullopt},
                                         // Refused: the cap keeps its text.
                                         CapCase{"156", std::nullopt, "输入等级不能大于155！"},
                                         CapCase{"", std::nullopt, "待输入项不能为空！"}));

}  // namespace
