#include <gtest/gtest.h>

#include "core/lookup/Furniture.h"

using namespace zicalc;

namespace {

TEST(FurnitureTables, EveryRecipeTotalsItsMaterialPrices)
{
    for (const FurnitureRecipe& r : FurnitureRecipes) {
        std::int32_t sum = 0;
        int count = 0;
        bool gap = false;
        for (std::string_view m : r.materials) {
            if (m.empty()) {
                gap = true;
                continue;
            }
            EXPECT_FALSE(gap) << r.name << ": a material after an empty column";
            EXPECT_GT(MaterialPriceOf(m), 0) << r.name << ": unknown material " << m;
            sum += MaterialPriceOf(m);
            ++count;
        }
        EXPECT_GE(count, 2) << r.name;
        EXPECT_EQ(r.total, sum) << r.name;
    }
}

struct LabelCase {
    int label;
    const char* caption;
    int page;
};

class FurnitureLabels : public testing::TestWithParam<LabelCase> {};

TEST_P(FurnitureLabels, CaptionAndPage)
{
    const auto& c = GetParam();
    EXPECT_EQ(FurnitureLabelCaption(c.label), c.caption);
    EXPECT_EQ(FurnitureLabelPage(c.label), c.page);
}

INSTANTIATE_TEST_SUITE_P(Spots, FurnitureLabels,
                         testing::Values(LabelCase{0, "[普通木料类]", 0}, LabelCase{15, "[ 宝石类 ]", 0},
                                         LabelCase{17, "[  陶瓷类  ]", 0}, LabelCase{18, "[桦木圆桌]", 1},
                                         LabelCase{29, "[ 文竹 ]", 1}, LabelCase{33, "[水仙]", 1},
                                         LabelCase{34, "[白鹤展翅帘]", 2}, LabelCase{55, "[猛虎坐山图]", 2},
                                         LabelCase{56, "[黄缎锦边帘]", 3}, LabelCase{67, "[ 千佛图 ]", 3},
                                         LabelCase{69, "[金座雕龙屏风]", 3}, LabelCase{70, "[红杏闹春帘]", 4},
                                         LabelCase{74, "[ 宁夜安梦 ]", 4}, LabelCase{75, "", -1}));

struct Shown {
    std::array<std::string, 4> materials;
    std::array<std::string, 5> prices;
    std::string level;
    std::string name;
};

Shown Fields(const FurnitureCard& card)
{
    const auto& v = card.view();
    return {v.materials, v.prices, v.level, v.name};
}

void ExpectFields(const FurnitureCard& card, const Shown& want)
{
    const Shown got = Fields(card);
    EXPECT_EQ(got.materials, want.materials);
    EXPECT_EQ(got.prices, want.prices);
    EXPECT_EQ(got.level, want.level);
    EXPECT_EQ(got.name, want.name);
}

TEST(FurnitureCard, OpensOnMaterialsWithNothingSelected)
{
    const FurnitureCard card;
    EXPECT_EQ(card.view().page, 0);
    EXPECT_EQ(card.selected(), kNoFurnitureLabel);
    EXPECT_EQ(card.view().pageButtons[0], (Rgb{192, 255, 192}));
    for (int k = 1; k < kFurniturePageCount; ++k) {
        EXPECT_EQ(card.view().pageButtons[static_cast<std::size_t>(k)], (Rgb{210, 209, 228}));
    }
    for (const Rgb c : card.view().labelColours) {
        EXPECT_EQ(c, colours::kBlue);
    }
    ExpectFields(card, {});
}

TEST(FurnitureCard, ClicksFillTheRecipePanel)
{
    FurnitureCard card;
    card.ClickLabel(0);
    ExpectFields(card, {{}, {"", "", "", "", "300"}, "", "普通木材类"});

    card.ClickPage(1);
    card.ClickLabel(18);
    ExpectFields(card, {{"普通木材类", "普通手艺", "", ""}, {"300", "700", "", "", "1000"}, "10级", "桦木圆桌"});
    card.ClickLabel(29);
    ExpectFields(card,
                 {{"闲杂材料一", "闲杂材料二", "陶瓷类", ""}, {"1000", "1000", "1000", "", "3000"}, "25级", "文竹"});

    card.ClickPage(2);
    card.ClickLabel(52);
    ExpectFields(card, {{"珍稀木材类", "普通金属类", "灵巧手艺", "宝石类"},
                        {"3000", "400", "5000", "5000", "13400"},
                        "90级",
                        "长信宫灯"});

    card.ClickPage(3);
    card.ClickLabel(67);
    ExpectFields(card, {{}, {}, "", "千佛图"});
}

TEST(FurnitureCard, NameOnlyLabelChangesOnlyTheName)
{
    FurnitureCard card;
    card.ClickLabel(20);  // a recipe first: its fields stay
    card.ClickLabel(74);
    ExpectFields(
        card, {{"普通木材类", "普通木材类", "普通木材类", ""}, {"300", "300", "300", "", "900"}, "20级", "宁夜安梦"});
}

TEST(FurnitureCard, SelectionColoursFollowTheLastClick)
{
    FurnitureCard card;
    card.ClickLabel(3);
    card.ClickLabel(5);
    card.ClickLabel(5);
    const auto& c = card.view().labelColours;
    EXPECT_EQ(c[3], colours::kBlue);
    EXPECT_EQ(c[5], colours::kRed);
    EXPECT_EQ(card.selected(), 5);
}

TEST(FurnitureCard, PageButtonOfTheShownPageOnlyClearsTheSelection)
{
    FurnitureCard card;
    card.ClickLabel(7);
    card.ClickPage(0);
    EXPECT_EQ(card.view().labelColours[7], colours::kBlue);
    EXPECT_EQ(card.selected(), kNoFurnitureLabel);
    ExpectFields(card, {{}, {"", "", "", "", "700"}, "", "普通手艺"});
    EXPECT_EQ(card.view().page, 0);
}

TEST(FurnitureCard, AnotherPageEmptiesThePanelAndMovesTheGreen)
{
    FurnitureCard card;
    card.ClickPage(2);
    card.ClickLabel(40);
    card.ClickPage(4);
    EXPECT_EQ(card.view().page, 4);
    EXPECT_EQ(card.view().labelColours[40], colours::kBlue);
    EXPECT_EQ(card.selected(), kNoFurnitureLabel);
    EXPECT_EQ(card.view().pageButtons[2], (Rgb{210, 209, 228}));
    EXPECT_EQ(card.view().pageButtons[4], (Rgb{192, 255, 192}));
    ExpectFields(card, {});
}

}  // namespace
