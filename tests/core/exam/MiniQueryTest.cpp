#include <gtest/gtest.h>

#include "ExamTestSupport.h"
#include "core/exam/MiniQuery.h"

using namespace zicalc;
using namespace zicalc::testing_support;

namespace {

constexpr const char* kBank =
    "1,古代常识,长安城有几个门？,四个,三个,五个,六个\r\n"
    "2,历史知识,长安是哪朝的都城（唐）？,唐,宋,元,明\r\n"
    "3,游戏知识,Abc里的长安在哪里?,东边,西边,南边,北边\r\n"
    "4,其它题目,问题(四)【甲】,对,错一,错二,错三\r\n"
    "5,其它题目,前有 空格,空,甲,乙,丙\r\n";

class Mini : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        Spit(dir_ / "test.dat", Gbk(kBank));
        EXPECT_FALSE(mini_.Load(dir_ / "test.dat"));
    }
    const MiniView& v() const { return mini_.view(); }
    void ExpectShown(const char* position, const char* count, const char* question, const char* answer, bool prev,
                     bool next)
    {
        EXPECT_EQ(v().position, position);
        EXPECT_EQ(v().count, count);
        EXPECT_EQ(v().question, question);
        EXPECT_EQ(v().answer, answer);
        EXPECT_EQ(v().previousEnabled, prev);
        EXPECT_EQ(v().nextEnabled, next);
    }

    MiniQuery mini_;
};

TEST_F(Mini, PagingThroughThreeMatches)
{
    mini_.SetSearchText("长安");
    ExpectShown("1", "3", "长安城有几个门？", "四个", false, true);
    mini_.Next();
    ExpectShown("2", "3", "长安是哪朝的都城（唐）？", "唐", true, true);
    mini_.Next();
    ExpectShown("3", "3", "Abc里的长安在哪里?", "东边", true, false);
    mini_.Next();  // disabled: nothing happens
    EXPECT_EQ(v().position, "3");
    mini_.Previous();
    mini_.Previous();
    ExpectShown("1", "3", "长安城有几个门？", "四个", false, true);
}

// What a search text finds: (text, number of matches, first question).
struct SearchCase {
    const char* text;
    const char* count;
    const char* question;
};

class MiniSearch : public Mini, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(MiniSearch, Finds)
{
    mini_.SetSearchText(GetParam().text);
    EXPECT_EQ(v().searchText, GetParam().text);
    EXPECT_EQ(v().count, GetParam().count);
    EXPECT_EQ(v().position, std::string(GetParam().count) == "0" ? "0" : "1");
    EXPECT_EQ(v().question, GetParam().question);
    EXPECT_FALSE(v().previousEnabled);
}

INSTANTIATE_TEST_SUITE_P(Texts, MiniSearch,
                         ::testing::Values(SearchCase{"", "0", ""}, SearchCase{"洛阳", "0", ""},
                                           // The eight single characters in nearly every question find nothing here…
                                           SearchCase{"？", "0", ""}, SearchCase{"，", "0", ""},
                                           SearchCase{"：", "0", ""}, SearchCase{"）", "0", ""},
                                           SearchCase{"（", "0", ""}, SearchCase{"】", "0", ""},
                                           SearchCase{"【", "0", ""}, SearchCase{" ", "0", ""},
                                           // …but the ASCII ones, and any longer text, are searched for.
                                           SearchCase{"(", "1", "问题(四)【甲】"},
                                           SearchCase{"（唐", "1", "长安是哪朝的都城（唐）？"},
                                           SearchCase{"有 空", "1", "前有 空格"}, SearchCase{" 空格 ", "0", ""},
                                           SearchCase{"门？", "1", "长安城有几个门？"},
                                           // Exact and case-sensitive; the answers are not searched.
                                           SearchCase{"Abc", "1", "Abc里的长安在哪里?"}, SearchCase{"abc", "0", ""},
                                           SearchCase{"四个", "0", ""}));

TEST_F(Mini, ANewSearchStartsAgainAtTheFirstMatch)
{
    mini_.SetSearchText("长安");
    mini_.Next();
    mini_.SetSearchText("长安城");
    ExpectShown("1", "1", "长安城有几个门？", "四个", false, false);
    mini_.SetSearchText("洛阳");
    ExpectShown("0", "0", "", "", false, false);
}

TEST_F(Mini, Keys)
{
    mini_.SetSearchText("长安");
    // Down pages and is consumed; Page Down pages and goes on to the field.
    EXPECT_TRUE(mini_.Key(MiniKey::Down));
    EXPECT_EQ(v().position, "2");
    EXPECT_FALSE(mini_.Key(MiniKey::PageDown));
    EXPECT_EQ(v().position, "3");
    // With 下翻 disabled the arrow is the field's own.
    EXPECT_FALSE(mini_.Key(MiniKey::Down));
    EXPECT_TRUE(mini_.Key(MiniKey::Up));
    EXPECT_FALSE(mini_.Key(MiniKey::PageUp));
    EXPECT_EQ(v().position, "1");
    EXPECT_FALSE(mini_.Key(MiniKey::Up));
    EXPECT_TRUE(mini_.Key(MiniKey::Escape));
    EXPECT_EQ(v().searchText, "");
    ExpectShown("0", "0", "", "", false, false);
}

TEST_F(Mini, ReadsItsOwnCopyWhenLoaded)
{
    Spit(dir_ / "test.dat", Gbk(std::string(kBank) + "6,其它题目,长安新题,新,甲,乙,丙\r\n"));
    mini_.SetSearchText("长安");
    EXPECT_EQ(v().count, "3");
    MiniQuery fresh;
    EXPECT_FALSE(fresh.Load(dir_ / "test.dat"));
    fresh.SetSearchText("长安");
    EXPECT_EQ(fresh.view().count, "4");
}

TEST_F(Mini, AMissingOrEmptyFileLeavesNothingToFind)
{
    for (bool present : {false, true}) {
        std::filesystem::remove(dir_ / "test.dat");
        if (present) {
            Spit(dir_ / "test.dat", "");
        }
        MiniQuery mini;
        EXPECT_EQ(mini.Load(dir_ / "test.dat"), "找不到科举题库!");
        EXPECT_EQ(mini.bankCount(), 0u);
        mini.SetSearchText("长安");
        EXPECT_EQ(mini.view().count, "0");
        EXPECT_FALSE(mini.view().nextEnabled);
    }
}

// Corners on a 1024 × 768 screen for a window of 300 × 200 (the bottom corners use the width).
TEST(MiniCorners, ThreePressesComeBackBottomRight)
{
    const MiniScreen screen{0, 0, 1024, 768};
    EXPECT_EQ(MiniCornerPoint(MiniCornerPlace::BottomRight, screen, 300, 200), (MiniPoint{724, 388}));
    MiniCorner corner;
    EXPECT_EQ(corner.value(), 1);
    EXPECT_EQ(MiniCornerPoint(corner.Press(), screen, 300, 200), (MiniPoint{0, 388}));
    EXPECT_EQ(MiniCornerPoint(corner.Press(), screen, 300, 200), (MiniPoint{724, 0}));
    EXPECT_EQ(MiniCornerPoint(corner.Press(), screen, 300, 200), (MiniPoint{724, 388}));
    EXPECT_EQ(corner.value(), 1);
}

TEST(MiniCorners, StayOnScreen)
{
    // A short screen: width + gap is more than the screen's height.
    EXPECT_EQ(MiniCornerPoint(MiniCornerPlace::BottomRight, {0, 0, 800, 300}, 400, 150), (MiniPoint{400, 0}));
    // A window taller than width + gap would hang below the bottom.
    EXPECT_EQ(MiniCornerPoint(MiniCornerPlace::BottomLeft, {0, 0, 1024, 768}, 200, 400), (MiniPoint{0, 368}));
    // A second screen to the right: placed on it.
    EXPECT_EQ(MiniCornerPoint(MiniCornerPlace::TopRight, {1024, 0, 1280, 1024}, 300, 200), (MiniPoint{2004, 0}));
}

}  // namespace
