#include <gtest/gtest.h>

#include "core/calc/Cultivation.h"

using namespace zicalc;

namespace {

TEST(CultivationTable, MatchesItsFormula)
{
    std::int32_t sum = 0;
    for (int i = 0; i < kMaxCultivationLevel; ++i) {
        EXPECT_EQ(CultivationTable[static_cast<std::size_t>(i)], 10 * i * i + 50 * i + 150) << "level " << i;
        sum += CultivationTable[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(sum, 67750);
}

const auto kKeep = std::nullopt;
using Texts = std::array<std::optional<std::string>, 8>;

struct CultivationCase {
    const char* name;
    const char* current;
    const char* experience;
    const char* target;
    int factor;
    Texts texts;  // Text6(0) … Text6(7)
    std::optional<std::string> warning;
};

class CultivationCases : public testing::TestWithParam<CultivationCase> {};

TEST_P(CultivationCases, ShowsWhatTheFrameShows)
{
    const auto& c = GetParam();
    const Outcome out = CultivationCost(c.current, c.experience, c.target, c.factor);
    EXPECT_EQ(out.warning(), c.warning);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(out.Final("Text6(" + std::to_string(i) + ")").text, c.texts[i]) << "Text6(" << i << ")";
    }
}

constexpr int kAttack = kAttackMoneyFactor;
constexpr int kDefence = kDefenceMoneyFactor;
const Texts kUnchanged{kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep};

INSTANTIATE_TEST_SUITE_P(
    Frame, CultivationCases,
    testing::Values(CultivationCase{"AttackOneLevel", "0", "0", "1", kAttack,
                                    Texts{kKeep, "0", kKeep, "150", "45", "150", "75", "25"}, kKeep},
                    CultivationCase{"AttackFullRange", "0", "0", "25", kAttack,
                                    Texts{kKeep, "0", kKeep, "67750", "20325", "3750", "33875", "145"}, kKeep},
                    CultivationCase{"DefenceFullRange", "0", "0", "25", kDefence,
                                    Texts{kKeep, "0", kKeep, "67750", "13550", "3750", "33875", "145"}, kKeep},
                    CultivationCase{"NoTypeChosenCostsNoMoney", "0", "0", "1", 0,
                                    Texts{kKeep, "0", kKeep, "150", "0", "150", "75", "25"}, kKeep},
                    // Experience counts in whole tens, and is dropped once it fills the current level.
                    CultivationCase{"ExperienceRoundedDown", "0", "149", "1", kAttack,
                                    Texts{kKeep, "140", kKeep, "10", "3", "150", "5", "25"}, kKeep},
                    CultivationCase{"ExperienceFillsTheLevel", "0", "155", "1", kAttack,
                                    Texts{kKeep, "0", kKeep, "150", "45", "150", "75", "25"}, kKeep},
                    CultivationCase{"EqualLevelsLastAccepted", "25", "99", "25", kAttack,
                                    Texts{kKeep, kKeep, "0", "0", "0", "0", "0", "0"}, kKeep},
                    CultivationCase{"EqualLevels", "3", "0", "3", kAttack,
                                    Texts{kKeep, kKeep, "0", "0", "0", "0", "0", "0"}, kKeep},
                    CultivationCase{"CurrentRefused", "26", "0", "3", kAttack, kUnchanged, "等级1和2不能大于25！"},
                    CultivationCase{"TargetRefused", "0", "0", "26", kAttack, kUnchanged, "等级1和2不能大于25！"},
                    CultivationCase{"Reversed", "9", "0", "3", kAttack, kUnchanged, "等级1不能大于等级2！"},
                    CultivationCase{"EmptyExperience", "0", "", "26", kAttack, kUnchanged, "待输入项不能为空！"}),
    [](const testing::TestParamInfo<CultivationCase>& info) { return std::string(info.param.name); });

TEST(CultivationMoneyFactor, FollowsTheChosenType)
{
    EXPECT_EQ(CultivationMoneyFactor(true, false), 3);
    EXPECT_EQ(CultivationMoneyFactor(false, true), 2);
    EXPECT_EQ(CultivationMoneyFactor(false, false), 0);
}

}  // namespace
