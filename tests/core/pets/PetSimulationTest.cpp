#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/pets/PetSimulation.h"

using namespace zicalc;

namespace {

// A pet as typed into the window; aptitudes 攻击 1200, 防御 1200, 体力 1200, 法力 1500, 速度 1200,
// 躲闪 1000 unless a case says otherwise.
PetEntry Entry(std::int32_t level, const char* hp, std::array<const char*, 5> points, const char* potential,
               std::array<const char*, 6> aptitudes = {"1200", "1200", "1200", "1500", "1200", "1000"})
{
    PetEntry e;
    e.level = level;
    e.hp = hp;
    for (std::size_t i = 0; i < 5; ++i) {
        e.points[i] = points[i];
    }
    e.potential = potential;
    for (std::size_t i = 0; i < 6; ++i) {
        e.aptitudes[i] = aptitudes[i];
    }
    return e;
}

// The recompute example: level 100, growth shown as 1.200, 体质 200 and the rest 100.
PetEntry Level100(const char* potential = "0", const char* hp = "1560")
{
    return Entry(100, hp, {"200", "100", "100", "100", "100"}, potential);
}

PetSimulation Started(const PetEntry& e)
{
    PetSimulation sim;
    const auto out = sim.Start(e);
    EXPECT_TRUE(sim.active()) << (out.warning ? *out.warning : std::string("no warning"));
    return sim;
}

std::array<std::string, 5> Words5(const char* a, const char* b, const char* c, const char* d, const char* e)
{
    return {a, b, c, d, e};
}

// --- Start: growth, first values, verdict ----------------------------------------------------

struct StartCase {
    const char* name;
    PetEntry entry;
    const char* growthNew;
    const char* growthOld;
    const char* status;
};

class PetStart : public testing::TestWithParam<StartCase> {};

TEST_P(PetStart, ShowsGrowthAndVerdict)
{
    const auto& c = GetParam();
    PetSimulation sim;
    const auto out = sim.Start(c.entry);
    EXPECT_TRUE(out.changed);
    EXPECT_FALSE(out.warning);
    EXPECT_FALSE(out.focusLevel);
    const auto v = sim.view();
    EXPECT_EQ(v.growthNew, c.growthNew);
    EXPECT_EQ(v.growthOld, c.growthOld);
    EXPECT_EQ(v.status, c.status);
    // 气血 is shown as typed, not recomputed.
    EXPECT_EQ(v.stats[0], c.entry.hp);
    EXPECT_EQ(v.remaining, c.entry.potential);
    EXPECT_TRUE(v.inputsLocked);
    EXPECT_FALSE(v.startEnabled);
    EXPECT_TRUE(v.activeEnabled);
    EXPECT_FALSE(v.loadEnabled);
}

const std::array<const char*, 6> kHp1000{"1000", "1000", "1000", "1000", "1000", "1000"};

INSTANTIATE_TEST_SUITE_P(
    Cases, PetStart,
    testing::Values(
        StartCase{"Level0Hp100", Entry(0, "100", {"20", "20", "20", "20", "20"}, "0"), "0.833", "2.500", "可能宝宝"},
        // Truncated: the growth calculator would show 0.842.
        StartCase{"Level0Hp101Truncates", Entry(0, "101", {"20", "20", "20", "20", "20"}, "0"), "0.841", "2.525",
                  "可能宝宝"},
        StartCase{"FivePotentialTooMany", Entry(0, "100", {"20", "20", "20", "20", "20"}, "5"), "0.833", "2.500",
                  "怀疑假图"},
        StartCase{"Wild", Entry(0, "60", {"10", "10", "10", "10", "10"}, "0"), "1.000", "3.000", "野生/合成"},
        StartCase{"OldGrowthFive", Entry(0, "100", {"10", "10", "10", "10", "10"}, "0"), "1.666", "5.000", "怀疑假图"},
        StartCase{"Level100", Level100(), "1.200", "3.600", "野生/合成"},
        // HP below the aptitude part still starts; the growth is negative.
        StartCase{"HpBelowAptitudePart", Level100("0", "100"), "-0.017", "-0.050", "怀疑假图"},
        // A floor, not a cut toward zero: -13.9 thousandths shows -0.014.
        StartCase{"NegativeGrowthFloors",
                  Entry(10, "9", {"12", "20", "20", "20", "20"}, "0", {"1", "1", "1000", "1", "1", "0"}), "-0.014",
                  "-0.042", "怀疑假图"},
        // 6 × 5462 does not fit 16 bits; the growth must still come out right.
        StartCase{"Constitution5462", Entry(0, "30000", {"5462", "20", "20", "20", "20"}, "0", kHp1000), "0.915",
                  "2.746", "怀疑假图"},
        StartCase{"ZeroPotentialAndDodgeAllowed",
                  Entry(0, "100", {"20", "20", "20", "20", "20"}, "0", {"1", "1", "1", "1", "1", "0"}), "0.833",
                  "2.500", "可能宝宝"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PetStart, DerivedValuesOfTheWorkedExample)
{
    const auto v = Started(Level100()).view();
    EXPECT_EQ(v.stats, (std::array<std::string, 6>{"1560", "660", "536", "432", "120", "292"}));
}

// --- Start refused ------------------------------------------------------------------------------

struct RefusedCase {
    const char* name;
    void (*spoil)(PetEntry&);
    const char* status;
    const char* warning;
};

class PetStartRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(PetStartRefused, ChangesNothingButTheStatus)
{
    const auto& c = GetParam();
    PetEntry e = Level100("7");
    c.spoil(e);
    PetSimulation sim;
    const auto out = sim.Start(e);
    EXPECT_EQ(out.warning, c.warning);
    EXPECT_TRUE(out.focusLevel);
    EXPECT_FALSE(sim.active());
    const auto v = sim.view();
    EXPECT_EQ(v.status, c.status);
    // The fields keep what was typed; nothing else moves.
    EXPECT_EQ(v.stats[0], e.hp);
    EXPECT_EQ(v.points[4], e.points[4]);
    EXPECT_EQ(v.available, e.potential);
    EXPECT_EQ(v.remaining, "0");
    EXPECT_EQ(v.stats[1], "0");
    EXPECT_EQ(v.growthNew, "0");
    EXPECT_TRUE(v.startEnabled);
    EXPECT_FALSE(v.activeEnabled);
    EXPECT_FALSE(v.inputsLocked);
    // Nothing else works until a start succeeds.
    EXPECT_FALSE(sim.StepLevel(1).changed);
}

constexpr const char* kEmpty = "各输入项均不能为空！";
constexpr const char* kZero = "各输入项均不能为0！";

INSTANTIATE_TEST_SUITE_P(
    Cases, PetStartRefused,
    testing::Values(RefusedCase{"EmptyHp", [](PetEntry& e) { e.hp.clear(); }, "不能为空", kEmpty},
                    RefusedCase{"EmptyAgility", [](PetEntry& e) { e.points[4].clear(); }, "不能为空", kEmpty},
                    RefusedCase{"EmptyPotential", [](PetEntry& e) { e.potential.clear(); }, "不能为空", kEmpty},
                    RefusedCase{"EmptyDodgeAptitude", [](PetEntry& e) { e.aptitudes[5].clear(); }, "不能为空", kEmpty},
                    // Empty is tested over every field before zero.
                    RefusedCase{"EmptyBeforeZero",
                                [](PetEntry& e) {
                                    e.points[0] = "0";
                                    e.aptitudes[5].clear();
                                },
                                "不能为空", kEmpty},
                    RefusedCase{"ZeroConstitution", [](PetEntry& e) { e.points[0] = "0"; }, "输入有误", kZero},
                    RefusedCase{"DoubleZero", [](PetEntry& e) { e.points[2] = "00"; }, "输入有误", kZero},
                    RefusedCase{"ZeroHp", [](PetEntry& e) { e.hp = "0"; }, "输入有误", kZero},
                    RefusedCase{"ZeroSpeedAptitude", [](PetEntry& e) { e.aptitudes[4] = "0"; }, "输入有误", kZero}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Nothing works while inactive -----------------------------------------------------------

TEST(PetSimulation, EveryOperationWaitsForAStart)
{
    const std::vector<std::function<PetOutcome(PetSimulation&)>> ops{
        [](PetSimulation& s) { return s.StepLevel(1); },     [](PetSimulation& s) { return s.StepLevel(-10); },
        [](PetSimulation& s) { return s.RaisePoint(0, 1); }, [](PetSimulation& s) { return s.LowerPoint(0, 1); },
        [](PetSimulation& s) { return s.RaiseShare(0, 1); }, [](PetSimulation& s) { return s.LowerShare(0, 5); },
        [](PetSimulation& s) { return s.ApplyShares(); },    [](PetSimulation& s) { return s.TakeAllRemaining(0); },
        [](PetSimulation& s) { return s.TakeAllShare(5); },  [](PetSimulation& s) { return s.UndoPlacing(); },
        [](PetSimulation& s) { return s.Confirm(); },        [](PetSimulation& s) { return s.Refund(); },
        [](PetSimulation& s) { return s.Reset(); },          [](PetSimulation& s) { return s.Save(); },
        [](PetSimulation& s) { return s.Load(); },
    };
    PetSimulation fresh;
    PetSimulation reset = Started(Level100("10"));
    reset.Save();
    reset.Reset();
    for (PetSimulation* sim : {&fresh, &reset}) {
        const auto before = sim->view();
        for (std::size_t k = 0; k < ops.size(); ++k) {
            const auto out = ops[k](*sim);
            EXPECT_FALSE(out.changed) << "operation " << k;
            EXPECT_FALSE(out.warning) << "operation " << k;
        }
        const auto after = sim->view();
        EXPECT_EQ(after.level, before.level);
        EXPECT_EQ(after.points, before.points);
        EXPECT_EQ(after.shares, before.shares);
        EXPECT_EQ(after.remaining, before.remaining);
        EXPECT_EQ(after.status, before.status);
    }
    const auto v = fresh.view();
    EXPECT_EQ(v.level, "0");
    EXPECT_EQ(v.stats, (std::array<std::string, 6>{"", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(v.shares, (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
    EXPECT_EQ(v.growthNew, "0");
    EXPECT_EQ(v.status, "计算待定");
}

// --- Level steps ----------------------------------------------------------------------------

struct LevelCase {
    const char* name;
    std::int32_t level;
    const char* potential;
    std::int32_t delta;
    bool applies;
    const char* levelAfter;
    const char* availableAfter;
    const char* constitutionAfter;
};

class PetLevelStep : public testing::TestWithParam<LevelCase> {};

TEST_P(PetLevelStep, GuardThenStep)
{
    const auto& c = GetParam();
    PetSimulation sim = Started(Entry(c.level, "2000", {"200", "100", "100", "100", "100"}, c.potential));
    const auto out = sim.StepLevel(c.delta);
    EXPECT_EQ(out.changed, c.applies);
    const auto v = sim.view();
    EXPECT_EQ(v.level, c.levelAfter);
    EXPECT_EQ(v.available, c.availableAfter);
    EXPECT_EQ(v.remaining, c.availableAfter);
    EXPECT_EQ(v.points[0], c.constitutionAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, PetLevelStep,
                         testing::Values(LevelCase{"Up159", 159, "0", 1, true, "160", "5", "201"},
                                         LevelCase{"Up160Refused", 160, "0", 1, false, "160", "0", "200"},
                                         LevelCase{"UpTen150", 150, "0", 10, true, "160", "50", "210"},
                                         LevelCase{"UpTen151Refused", 151, "0", 10, false, "151", "0", "200"},
                                         LevelCase{"Down0Refused", 0, "100", -1, false, "0", "100", "200"},
                                         LevelCase{"DownWithFourRefused", 100, "4", -1, false, "100", "4", "200"},
                                         LevelCase{"DownWithFive", 100, "5", -1, true, "99", "0", "199"},
                                         LevelCase{"DownTenWith49Refused", 100, "49", -10, false, "100", "49", "200"},
                                         LevelCase{"DownTenWith50", 100, "50", -10, true, "90", "0", "190"},
                                         LevelCase{"DownTenAt9Refused", 9, "100", -10, false, "9", "100", "200"},
                                         LevelCase{"DownTenAt10", 10, "100", -10, true, "0", "50", "190"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PetLevelStep, PlacedPointsComeBackBeforeTheStep)
{
    PetSimulation sim = Started(Level100("10"));
    sim.RaiseShare(0, 5);
    for (int k = 0; k < 3; ++k) {
        sim.RaisePoint(2, 1);
    }
    EXPECT_EQ(sim.view().points[2], "103");
    EXPECT_TRUE(sim.StepLevel(1).changed);
    const auto v = sim.view();
    EXPECT_EQ(v.points, Words5("201", "101", "101", "101", "101"));
    EXPECT_EQ(v.available, "15");
    EXPECT_EQ(v.remaining, "15");
    EXPECT_EQ(v.shares, (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
    // The level's points are confirmed: none can be taken back.
    EXPECT_FALSE(sim.LowerPoint(2, 1).changed);
}

// The guard comes first: a refused step leaves the placed points placed.
TEST(PetLevelStep, RefusedStepKeepsPlacedPoints)
{
    PetSimulation sim = Started(Entry(160, "5000", {"200", "200", "200", "200", "200"}, "10"));
    for (int k = 0; k < 3; ++k) {
        sim.RaisePoint(2, 1);
    }
    EXPECT_FALSE(sim.StepLevel(1).changed);
    EXPECT_EQ(sim.view().points[2], "203");
    EXPECT_EQ(sim.view().remaining, "7");
}

TEST(PetLevelStep, RecomputesEveryValue)
{
    PetSimulation sim = Started(Level100());
    sim.StepLevel(1);
    // Level 101, growth 1.200, points 201/101/101/101/101:
    // 气血 101×1200/1000 + 1.2×201×6 = 121.2 + 1447.2; 魔法 101×1.2×3 + 2×101×1500/1000 = 363.6 + 303;
    // 攻击 121.2 + 26×121200/7500 = 121.2 + 420.16; 防御 161.6 + 17×121200/7500 = 161.6 + 274.72;
    // 速度 1200×101/1000; 灵力 30.3 + 20.2 + 40.4 + 70.7 + 60.3 + 72.72.
    EXPECT_EQ(sim.view().stats, (std::array<std::string, 6>{"1568", "666", "541", "436", "121", "294"}));
}

// A strong pet runs far past 16 bits without wrapping.
TEST(PetLevelStep, StrongPetPast32767)
{
    PetSimulation sim = Started(Entry(0, "99999", {"9999", "9999", "9999", "9999", "9999"}, "0", kHp1000));
    EXPECT_EQ(sim.view().growthNew, "1.666");
    EXPECT_EQ(sim.view().growthOld, "5.000");
    sim.StepLevel(1);
    const auto v = sim.view();
    // 1×1000/1000 + 1.666×10000×6 and 10000×1.666×3 + 2×1×1000/1000.
    EXPECT_EQ(v.stats[0], "99961");
    EXPECT_EQ(v.stats[1], "49982");
    EXPECT_EQ(v.points[0], "10000");
}

// --- Points -------------------------------------------------------------------------------

TEST(PetPoints, UpNeedsRemainingDownNeedsAboveBaseline)
{
    PetSimulation sim = Started(Level100("3"));
    const auto statsBefore = sim.view().stats;
    EXPECT_FALSE(sim.LowerPoint(2, 1).changed);  // at the baseline
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(sim.RaisePoint(2, 1).changed);
    }
    EXPECT_FALSE(sim.RaisePoint(2, 1).changed);
    EXPECT_EQ(sim.view().points[2], "103");
    EXPECT_EQ(sim.view().remaining, "0");
    EXPECT_EQ(sim.view().available, "3");
    EXPECT_EQ(sim.view().stats, statsBefore);  // no recompute until 加点
    EXPECT_TRUE(sim.LowerPoint(2, 1).changed);
    EXPECT_EQ(sim.view().points[2], "102");
    EXPECT_EQ(sim.view().remaining, "1");
}

TEST(PetPoints, FiftyAtATime)
{
    PetSimulation sim = Started(Level100("99"));
    EXPECT_TRUE(sim.RaisePoint(0, 50).changed);
    EXPECT_EQ(sim.view().remaining, "49");
    EXPECT_FALSE(sim.RaisePoint(0, 50).changed);  // 49 left
    EXPECT_TRUE(sim.RaisePoint(1, 1).changed);
    EXPECT_FALSE(sim.LowerPoint(1, 50).changed);  // only 1 above its baseline
    EXPECT_TRUE(sim.LowerPoint(0, 50).changed);   // exactly 50 above
    EXPECT_FALSE(sim.LowerPoint(0, 1).changed);
    EXPECT_EQ(sim.view().points, Words5("200", "101", "100", "100", "100"));
    EXPECT_EQ(sim.view().remaining, "98");
}

TEST(PetPoints, UndoPlacingPutsEverythingBack)
{
    PetSimulation sim = Started(Level100("20"));
    sim.RaisePoint(0, 1);
    sim.RaisePoint(4, 1);
    sim.RaiseShare(1, 1);
    EXPECT_TRUE(sim.UndoPlacing().changed);
    const auto v = sim.view();
    EXPECT_EQ(v.points, Words5("200", "100", "100", "100", "100"));
    EXPECT_EQ(v.remaining, "20");
    EXPECT_EQ(v.shares, (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
    EXPECT_FALSE(sim.LowerPoint(0, 1).changed);
}

TEST(PetPoints, TakeAllRemainingResetsSharesEvenWithNothingLeft)
{
    PetSimulation sim = Started(Level100("7"));
    sim.RaiseShare(0, 5);
    EXPECT_TRUE(sim.TakeAllRemaining(1).changed);
    EXPECT_EQ(sim.view().points[1], "107");
    EXPECT_EQ(sim.view().remaining, "0");
    EXPECT_EQ(sim.view().shares, (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
    sim.RaiseShare(0, 5);
    EXPECT_TRUE(sim.TakeAllRemaining(2).changed);
    EXPECT_EQ(sim.view().points[2], "100");
    EXPECT_EQ(sim.view().shares[0], "0");
}

TEST(PetPoints, ConfirmMakesABaselineAndRecomputes)
{
    PetSimulation sim = Started(Level100("10"));
    sim.TakeAllRemaining(0);
    EXPECT_TRUE(sim.Confirm().changed);
    const auto v = sim.view();
    EXPECT_EQ(v.available, "0");
    EXPECT_EQ(v.remaining, "0");
    // 体质 210: 气血 120 + 1.2×210×6 = 1632, 灵力 30 + 20 + 40 + 70 + 63 + 72 = 295.
    EXPECT_EQ(v.stats, (std::array<std::string, 6>{"1632", "660", "536", "432", "120", "295"}));
    EXPECT_FALSE(sim.LowerPoint(0, 1).changed);
}

// 气血 shows the typed HP until something recomputes it; 重设 brings the typed value back.
TEST(PetPoints, TypedHpUntilRecomputed)
{
    PetSimulation sim = Started(Level100("0", "1561"));
    EXPECT_EQ(sim.view().growthNew, "1.200");
    EXPECT_EQ(sim.view().growthOld, "3.602");
    EXPECT_EQ(sim.view().stats[0], "1561");
    sim.Confirm();
    EXPECT_EQ(sim.view().stats[0], "1560");
    sim.Reset();
    EXPECT_EQ(sim.view().stats[0], "1561");
}

// --- Shares -------------------------------------------------------------------------------

TEST(PetShares, TenthsAddUpExactly)
{
    PetSimulation sim = Started(Level100());
    for (int k = 0; k < 10; ++k) {
        sim.RaiseShare(0, 1);
    }
    EXPECT_EQ(sim.view().shares[0], "1.0");
    EXPECT_EQ(sim.view().shares[5], "4.0");
    for (int k = 0; k < 40; ++k) {
        EXPECT_TRUE(sim.RaiseShare(1 + k % 4, 1).changed) << k;
    }
    EXPECT_EQ(sim.view().shares, (std::array<std::string, 6>{"1.0", "1.0", "1.0", "1.0", "1.0", "0.0"}));
    // Fifty tenths are the whole five points: not one more.
    EXPECT_FALSE(sim.RaiseShare(0, 1).changed);
    EXPECT_FALSE(sim.RaiseShare(0, 5).changed);
}

TEST(PetShares, Guards)
{
    PetSimulation sim = Started(Level100());
    EXPECT_FALSE(sim.LowerShare(0, 1).changed);  // nothing assigned yet
    EXPECT_TRUE(sim.RaiseShare(0, 5).changed);
    EXPECT_EQ(sim.view().shares[0], "0.5");
    EXPECT_EQ(sim.view().shares[5], "4.5");
    EXPECT_FALSE(sim.LowerShare(1, 1).changed);  // this one is at 0
    EXPECT_TRUE(sim.LowerShare(0, 1).changed);
    EXPECT_FALSE(sim.LowerShare(0, 5).changed);  // 0.4 left
    EXPECT_TRUE(sim.RaiseShare(0, 1).changed);
    EXPECT_TRUE(sim.LowerShare(0, 5).changed);
    EXPECT_EQ(sim.view().shares[0], "0.0");
    EXPECT_EQ(sim.view().shares[5], "5.0");
    for (int k = 0; k < 9; ++k) {
        sim.RaiseShare(2, 5);
    }
    for (int k = 0; k < 4; ++k) {
        sim.RaiseShare(3, 1);
    }
    EXPECT_EQ(sim.view().shares[5], "0.1");
    EXPECT_FALSE(sim.RaiseShare(0, 5).changed);  // 0.5 needs 0.5 unassigned
    EXPECT_TRUE(sim.RaiseShare(0, 1).changed);
}

TEST(PetShares, TakeAllUnassigned)
{
    PetSimulation sim = Started(Level100());
    for (int k = 0; k < 5; ++k) {
        sim.RaiseShare(0, 5);
    }
    EXPECT_TRUE(sim.TakeAllShare(1).changed);
    EXPECT_EQ(sim.view().shares, (std::array<std::string, 6>{"2.5", "2.5", "0", "0", "0", "0"}));
    EXPECT_FALSE(sim.TakeAllShare(2).changed);  // nothing unassigned
    EXPECT_TRUE(sim.LowerShare(1, 1).changed);
    EXPECT_TRUE(sim.TakeAllShare(0).changed);
    EXPECT_EQ(sim.view().shares, (std::array<std::string, 6>{"2.6", "2.4", "0", "0", "0", "0"}));
    sim.LowerShare(0, 5);
    sim.LowerShare(1, 5);
    EXPECT_TRUE(sim.TakeAllShare(0).changed);
    EXPECT_EQ(sim.view().shares[0], "3.1");
    EXPECT_EQ(sim.view().shares[5], "0");
    sim.LowerShare(0, 5);
    sim.RaiseShare(1, 1);
    EXPECT_TRUE(sim.TakeAllShare(0).changed);
    EXPECT_EQ(sim.view().shares[0], "3");  // a whole sum has no decimals
    EXPECT_EQ(sim.view().shares[1], "2.0");
    EXPECT_TRUE(sim.TakeAllShare(5).changed);
    EXPECT_EQ(sim.view().shares, (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
}

struct ApplyCase {
    const char* name;
    const char* potential;
    std::array<int, 5> tenths;  // built in steps of 0.1
    std::array<const char*, 5> points;
    const char* remaining;
};

class PetApplyShares : public testing::TestWithParam<ApplyCase> {};

TEST_P(PetApplyShares, SplitsThePotential)
{
    const auto& c = GetParam();
    PetSimulation sim = Started(Level100(c.potential));
    // Something placed by hand first: "%" starts from the baseline.
    sim.RaisePoint(1, 1);
    for (std::size_t i = 0; i < 5; ++i) {
        for (int k = 0; k < c.tenths[i]; ++k) {
            sim.RaiseShare(i, 1);
        }
    }
    const auto before = sim.view();
    EXPECT_TRUE(sim.ApplyShares().changed);
    const auto v = sim.view();
    EXPECT_EQ(v.points, Words5(c.points[0], c.points[1], c.points[2], c.points[3], c.points[4]));
    EXPECT_EQ(v.remaining, c.remaining);
    EXPECT_EQ(v.available, c.potential);
    EXPECT_EQ(v.shares, before.shares);  // the shares stay as they are
    EXPECT_EQ(v.stats, before.stats);    // and nothing is recomputed
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PetApplyShares,
    testing::Values(
        // 13 over five equal shares: 2 each, the 3 left over go to 耐力.
        ApplyCase{"ThirteenEvenly", "13", {10, 10, 10, 10, 10}, {"202", "102", "102", "105", "102"}, "0"},
        // Half the five points on 体质: 6 of 13, 7 stay unplaced.
        ApplyCase{"ThirteenHalf", "13", {25, 0, 0, 0, 0}, {"206", "100", "100", "100", "100"}, "7"},
        // 70 % of the potential, built from 35 steps of 0.1, is exact.
        ApplyCase{"SeventyPercentOf70", "70", {35, 0, 0, 0, 0}, {"249", "100", "100", "100", "100"}, "21"},
        ApplyCase{"SeventyPercentOf140", "140", {35, 0, 0, 0, 0}, {"298", "100", "100", "100", "100"}, "42"},
        ApplyCase{"SeventyPercentOf350", "350", {35, 0, 0, 0, 0}, {"445", "100", "100", "100", "100"}, "105"},
        ApplyCase{"NothingAvailable", "0", {10, 10, 10, 10, 10}, {"200", "100", "100", "100", "100"}, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Refund, reset, save and load -------------------------------------------------------------

TEST(PetRefund, EveryPlacedPointComesBackTheLevelsStay)
{
    PetSimulation sim = Started(Entry(20, "500", {"30", "40", "50", "60", "70"}, "10"));
    for (int k = 0; k < 5; ++k) {
        sim.StepLevel(1);
    }
    sim.TakeAllRemaining(0);
    sim.Confirm();
    EXPECT_EQ(sim.view().points[0], "70");
    EXPECT_TRUE(sim.Refund().changed);
    const auto v = sim.view();
    EXPECT_EQ(v.level, "25");
    EXPECT_EQ(v.points, Words5("35", "45", "55", "65", "75"));
    EXPECT_EQ(v.available, "35");
    EXPECT_EQ(v.remaining, "35");
    EXPECT_FALSE(sim.LowerPoint(0, 1).changed);
}

TEST(PetReset, RestoresTheStartAndForgetsTheSave)
{
    PetSimulation sim = Started(Level100("20", "1561"));
    sim.Save();
    sim.StepLevel(10);
    sim.TakeAllRemaining(3);
    sim.Confirm();
    sim.RaiseShare(0, 5);
    const auto out = sim.Reset();
    EXPECT_TRUE(out.changed);
    EXPECT_TRUE(out.focusLevel);
    EXPECT_FALSE(out.warning);
    EXPECT_FALSE(sim.active());
    const auto v = sim.view();
    EXPECT_EQ(v.level, "100");
    EXPECT_EQ(v.stats, (std::array<std::string, 6>{"1561", "660", "536", "432", "120", "292"}));
    EXPECT_EQ(v.points, Words5("200", "100", "100", "100", "100"));
    EXPECT_EQ(v.available, "20");
    EXPECT_EQ(v.remaining, "20");
    EXPECT_EQ(v.shares, (std::array<std::string, 6>{"0", "0", "0", "0", "0", "5"}));
    EXPECT_EQ(v.growthNew, "1.200");  // the last growth stays shown
    EXPECT_EQ(v.growthOld, "3.602");
    EXPECT_EQ(v.status, "重设完毕");
    EXPECT_FALSE(v.inputsLocked);
    EXPECT_TRUE(v.startEnabled);
    EXPECT_FALSE(v.activeEnabled);
    EXPECT_FALSE(v.loadEnabled);
    // A new start has no save to load.
    EXPECT_TRUE(sim.Start(Level100("20")).changed);
    EXPECT_FALSE(sim.view().loadEnabled);
    EXPECT_FALSE(sim.Load().changed);
}

TEST(PetSaveLoad, LoadBringsBackExactlyWhatWasSaved)
{
    PetSimulation sim = Started(Level100("20"));
    EXPECT_FALSE(sim.view().loadEnabled);
    EXPECT_FALSE(sim.Load().changed);
    for (int k = 0; k < 3; ++k) {
        sim.RaisePoint(0, 1);  // placed, not confirmed
    }
    sim.RaiseShare(2, 5);
    sim.RaiseShare(4, 1);
    const auto out = sim.Save();
    EXPECT_EQ(out.warning, "保存完毕！");
    const auto saved = sim.view();
    EXPECT_EQ(saved.status, "保存完毕");
    EXPECT_TRUE(saved.loadEnabled);

    sim.StepLevel(10);
    sim.TakeAllRemaining(1);
    sim.Confirm();
    EXPECT_EQ(sim.Load().warning, "读取完毕！");
    const auto v = sim.view();
    EXPECT_EQ(v.status, "读取完毕");
    EXPECT_EQ(v.level, "100");
    EXPECT_EQ(v.stats, saved.stats);
    EXPECT_EQ(v.points, Words5("203", "100", "100", "100", "100"));
    EXPECT_EQ(v.available, "20");
    EXPECT_EQ(v.remaining, "17");
    EXPECT_EQ(v.shares, (std::array<std::string, 6>{"0.0", "0.0", "0.5", "0.0", "0.1", "4.4"}));
    // Points saved unconfirmed are the new baseline.
    EXPECT_FALSE(sim.LowerPoint(0, 1).changed);
    // The start snapshot outlives a load: a refund goes back to the pet as started.
    sim.Refund();
    EXPECT_EQ(sim.view().points, Words5("200", "100", "100", "100", "100"));
    EXPECT_EQ(sim.view().available, "20");
}

TEST(PetSaveLoad, LoadAfterAShareResetShowsTenthsForAll)
{
    PetSimulation sim = Started(Level100());
    sim.Save();
    sim.Load();
    EXPECT_EQ(sim.view().shares, (std::array<std::string, 6>{"0.0", "0.0", "0.0", "0.0", "0.0", "5.0"}));
}

// --- The formulas on their own -------------------------------------------------------------

TEST(PetFormulas, DerivedStatsWorkedExample)
{
    EXPECT_EQ(DerivedStats(100, 1200, {1200, 1200, 1200, 1500, 1200, 0}, {200, 100, 100, 100, 100}),
              (PetStats{1560, 660, 536, 432, 120, 292}));
}

struct VerdictCase {
    const char* name;
    std::int64_t oldGrowth;
    std::int32_t level;
    std::int32_t potential;
    std::int32_t points;  // each of the five
    const char* verdict;
};

class PetOriginVerdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(PetOriginVerdict, Verdict)
{
    const auto& c = GetParam();
    const PetPoints p{c.points, c.points, c.points, c.points, c.points};
    EXPECT_EQ(OriginVerdict(c.oldGrowth, c.level, c.potential, p), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(Cases, PetOriginVerdict,
                         testing::Values(VerdictCase{"Baby", 2500, 0, 0, 20, "可能宝宝"},
                                         VerdictCase{"OverExpected", 2500, 0, 5, 20, "怀疑假图"},
                                         VerdictCase{"UnderExpected", 3000, 0, 0, 10, "野生/合成"},
                                         VerdictCase{"GrowthZero", 0, 0, 0, 20, "怀疑假图"},
                                         VerdictCase{"GrowthJustAboveZero", 1, 0, 0, 20, "可能宝宝"},
                                         VerdictCase{"GrowthNegative", -50, 100, 0, 100, "怀疑假图"},
                                         VerdictCase{"GrowthJustBelowFour", 3999, 0, 0, 10, "野生/合成"},
                                         VerdictCase{"GrowthFour", 4000, 0, 0, 10, "怀疑假图"},
                                         VerdictCase{"Level160Baby", 2500, 160, 200, 300, "可能宝宝"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PetNames, TheSimulatorList)
{
    const auto& names = SimulatorPetNames();
    EXPECT_EQ(names[0], "大海龟");
    EXPECT_EQ(names[1], "变异大海龟");
    EXPECT_EQ(names[2], "巨蛙");
    EXPECT_EQ(names[32], "花妖");
    EXPECT_EQ(names[33], "变异花妖");
    EXPECT_EQ(names[114], "大力金刚");
    EXPECT_EQ(names[115], "变异大力金刚");
    EXPECT_EQ((std::array<std::string, 5>{names[116], names[117], names[118], names[119], names[120]}),
              (std::array<std::string, 5>{"泡泡", "超级泡泡", "超级熊猫", "超级金猴", "超级大象"}));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

}  // namespace
