#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "core/lookup/NpcLocations.h"

using namespace zicalc;

namespace {

std::size_t CountContaining(std::string_view part)
{
    return static_cast<std::size_t>(std::count_if(NpcLocations.begin(), NpcLocations.end(), [&](std::string_view e) {
        return e.find(part) != std::string_view::npos;
    }));
}

std::vector<std::size_t> Range(std::size_t first, std::size_t last)
{
    std::vector<std::size_t> r(last - first + 1);
    std::iota(r.begin(), r.end(), first);
    return r;
}

std::vector<std::size_t> Join(std::initializer_list<std::vector<std::size_t>> parts)
{
    std::vector<std::size_t> all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

// The transcription checked by the figures the table is known by.
TEST(NpcLocations, PunctuationCountsMatchTheKnownTable)
{
    EXPECT_EQ(CountContaining("("), 506u);
    EXPECT_EQ(CountContaining(")"), 505u);
    EXPECT_EQ(CountContaining("："), 452u);
    EXPECT_EQ(CountContaining(","), 18u);
    EXPECT_EQ(CountContaining(" "), 507u);
    for (std::string_view e : NpcLocations) {
        EXPECT_FALSE(e.empty());
        EXPECT_NE(e.front(), ' ') << e;
        EXPECT_NE(e.back(), ' ') << e;
    }
}

TEST(NpcLocations, EntriesPerCityInOrderOfFirstAppearance)
{
    const std::vector<std::pair<std::string, std::size_t>> expected{
        {"长安城", 132},  {"大唐官府", 11}, {"大雁塔", 8},     {"化生寺", 12}, {"大唐国境", 32}, {"江南野外", 7},
        {"地府", 28},     {"普陀山", 7},    {"盘丝岭", 8},     {"五庄观", 4},  {"狮驼岭", 6},    {"魔王寨", 5},
        {"大唐境外", 36}, {"天宫", 20},     {"月宫", 4},       {"长寿村", 32}, {"长寿郊外", 6},  {"方寸山", 5},
        {"建邺城", 45},   {"东海湾", 8},    {"东海湾沉船", 1}, {"龙宫", 19},   {"花果山", 6},    {"傲来国", 24},
        {"女儿村", 6},    {"北俱芦洲", 14}, {"龙窟", 4},       {"凤巢", 4},    {"女娲神迹", 2},  {"无名鬼城", 2},
        {"小西天", 3},    {"小雷音寺", 6}};
    std::vector<std::pair<std::string, std::size_t>> actual;
    for (std::string_view e : NpcLocations) {
        const std::string city(e.substr(0, e.find(' ')));
        auto it = std::find_if(actual.begin(), actual.end(), [&](const auto& p) { return p.first == city; });
        if (it == actual.end()) {
            actual.emplace_back(city, 1);
        } else {
            ++it->second;
        }
    }
    EXPECT_EQ(actual, expected);
}

// Every index block with the city its entries begin with.
TEST(NpcLocations, CityBlocksStandAtTheirIndices)
{
    struct Block {
        std::size_t first;
        std::size_t last;
        const char* city;
    };
    const Block blocks[] = {
        {0, 107, "长安城"},       {108, 115, "大唐官府"}, {116, 123, "大雁塔"},   {124, 135, "化生寺"},
        {136, 145, "长安城"},     {146, 146, "大唐国境"}, {147, 147, "江南野外"}, {148, 174, "地府"},
        {175, 205, "大唐国境"},   {206, 212, "普陀山"},   {213, 219, "盘丝岭"},   {220, 223, "五庄观"},
        {224, 228, "狮驼岭"},     {229, 232, "魔王寨"},   {233, 265, "大唐境外"}, {266, 285, "天宫"},
        {286, 288, "月宫"},       {289, 315, "长寿村"},   {316, 321, "长寿郊外"}, {322, 326, "方寸山"},
        {327, 332, "江南野外"},   {333, 373, "建邺城"},   {374, 381, "东海湾"},   {382, 382, "建邺城"},
        {383, 383, "东海湾沉船"}, {384, 401, "龙宫"},     {402, 407, "花果山"},   {408, 428, "傲来国"},
        {429, 434, "女儿村"},     {435, 447, "北俱芦洲"}, {448, 450, "龙窟"},     {451, 452, "凤巢"},
        {453, 455, "建邺城"},     {456, 469, "长安城"},   {470, 472, "大唐境外"}, {473, 477, "长寿村"},
        {478, 480, "傲来国"},     {481, 481, "北俱芦洲"}, {482, 482, "龙窟"},     {483, 484, "凤巢"},
        {485, 486, "女娲神迹"},   {487, 489, "大唐官府"}, {490, 490, "月宫"},     {491, 491, "龙宫"},
        {492, 492, "地府"},       {493, 494, "无名鬼城"}, {495, 495, "魔王寨"},   {496, 496, "狮驼岭"},
        {497, 497, "盘丝岭"},     {498, 500, "小西天"},   {501, 506, "小雷音寺"}};
    std::size_t next = 0;
    for (const auto& b : blocks) {
        ASSERT_EQ(b.first, next);
        for (std::size_t i = b.first; i <= b.last; ++i) {
            EXPECT_EQ(NpcLocations[i].substr(0, NpcLocations[i].find(' ')), b.city) << "index " << i;
        }
        next = b.last + 1;
    }
    EXPECT_EQ(next, kNpcLocationCount);
}

TEST(NpcLocations, IrregularEntriesKeepTheirShape)
{
    EXPECT_EQ(NpcLocations[0], "长安城 5号考官(294：54)");
    EXPECT_EQ(NpcLocations[16], "长安城 马副将(193：174)领双处");
    EXPECT_EQ(NpcLocations[68], "长安城 店小二(长安酒店)");
    EXPECT_EQ(NpcLocations[101], "长安城 超级大熊猫使者(393, 215)");
    EXPECT_EQ(NpcLocations[102], "长安城 泡泡使者(398： 214)");
    EXPECT_EQ(NpcLocations[136], "长安城 罗道人 (505：74)流动");
    EXPECT_EQ(NpcLocations[171], "地府 幽冥鬼 迷宫一层");
    EXPECT_EQ(NpcLocations[270], "天宫 马真人(227：71)\"");
    EXPECT_EQ(NpcLocations[279], "天宫 玉皇大帝 凌霄宝殿(28,46)");
    EXPECT_EQ(NpcLocations[379], "东海湾 蛤蟆怪(海底沉船 )");
    EXPECT_EQ(NpcLocations[383], "东海湾沉船 商人的鬼魂 内室(28：11)");
    EXPECT_EQ(NpcLocations[450], "龙窟 超级巫医(48：15龙三");
    EXPECT_EQ(NpcLocations[506], "小雷音寺 护法金刚(169：25)");
}

struct SearchCase {
    const char* name;
    std::string text;
    std::vector<std::size_t> expected;
};

class NpcSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(NpcSearch, ListsMatchingEntriesInTableOrder)
{
    EXPECT_EQ(SearchNpcLocations(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NpcSearch,
    testing::Values(SearchCase{"Empty", "", {}}, SearchCase{"LoneFullWidthColon", "：", {}},
                    SearchCase{"LoneOpenParen", "(", {}}, SearchCase{"LoneCloseParen", ")", {}},
                    SearchCase{"TwoOpenParens", "((", {}},
                    SearchCase{"City", "长安城", Join({Range(0, 107), Range(136, 145), Range(456, 469)})},
                    SearchCase{"SingleSpaceListsAll", " ", Range(0, 506)}, SearchCase{"Latin", "PK", {56, 304}},
                    SearchCase{"CaseSensitive", "pk", {}}, SearchCase{"HalfWidthComma", "64,31", {116}},
                    SearchCase{"NoWidthFolding", "64：31", {}}, SearchCase{"FullWidthParenMatchesNothing", "（", {}},
                    SearchCase{"Wandering", "流动", Range(136, 147)}, SearchCase{"StrayQuote", "\"", {270}},
                    SearchCase{"LeadingSpaceNotTrimmed", " 5号考官", {0}},
                    SearchCase{"CoordinatesAndRemark", "(193：174)领双处", {16}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(NpcSearch, CountsOfCommonSearches)
{
    EXPECT_EQ(SearchNpcLocations("超级巫医").size(), 18u);
    EXPECT_EQ(SearchNpcLocations("回长安").size(), 9u);
    const auto colonFive = SearchNpcLocations("：5");
    EXPECT_EQ(colonFive.size(), 32u);
    EXPECT_EQ(std::count(colonFive.begin(), colonFive.end(), 0u), 1);    // (294：54)
    EXPECT_EQ(std::count(colonFive.begin(), colonFive.end(), 102u), 0);  // (398： 214)
}

}  // namespace
