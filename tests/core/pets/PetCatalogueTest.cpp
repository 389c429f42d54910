#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/app/Numeric.h"
#include "core/pets/PetCatalogue.h"

using namespace zicalc;

namespace {

// The names as the second catalogue table lists them, an independent copy of the order.
constexpr std::array<std::string_view, kPetCount> kNames{
    "大海龟", "巨蛙",     "树怪",     "护卫",     "野猪",     "赌徒",     "强盗",   "山贼",    "海毛虫",   "大蝙蝠",
    "老虎",   "黑熊",     "花妖",     "骷髅怪",   "羊头怪",   "狐狸精",   "蛤蟆精", "狼",      "牛妖",     "虾兵",
    "蟹将",   "野鬼",     "小龙女",   "牛头",     "马面",     "僵尸",     "龟丞相", "兔子怪",  "蜘蛛精",   "黑熊精",
    "白熊",   "雷鸟人",   "蝴蝶仙子", "古代瑞兽", "黑山老妖", "风伯",     "天兵",   "天将",    "地狱战神", "蛟龙",
    "凤凰",   "雨师",     "如意仙子", "芙蓉仙子", "巡游天神", "星灵仙子", "吸血鬼", "幽灵",    "律法女娲", "灵符女娲",
    "鬼将",   "净瓶女娲", "炎魔神",   "雾中仙",   "灵鹤",     "噬天虎",   "夜罗刹", "大力金刚"};

TEST(PetCatalogue, NamesAreUniqueAndInCatalogueOrder)
{
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < kPetCount; ++i) {
        EXPECT_EQ(PetCatalogue[i].name, kNames[i]) << "record " << i + 1;
        EXPECT_TRUE(seen.insert(PetCatalogue[i].name).second) << PetCatalogue[i].name;
    }
}

TEST(PetCatalogue, EveryFeeIsTheFeeOfItsCarryLevel)
{
    std::map<std::string_view, int> perLevel;
    for (const auto& pet : PetCatalogue) {
        const auto fee = CertificationFee(pet.carryLevel);
        ASSERT_TRUE(fee.has_value()) << pet.name << " carry level " << pet.carryLevel;
        EXPECT_EQ(pet.fee, *fee) << pet.name;
        ++perLevel[pet.carryLevel];
    }
    // Counted by hand from the catalogue.
    const std::map<std::string_view, int> expected{{"0", 4},   {"5", 6},   {"15", 7},  {"25", 6}, {"35", 7},
                                                   {"45", 5},  {"55", 4},  {"65", 3},  {"75", 4}, {"95", 4},
                                                   {"105", 2}, {"125", 4}, {"飞升", 2}};
    EXPECT_EQ(perLevel, expected);
    EXPECT_EQ(CertificationFee("飞升"), CertificationFee("125"));
    EXPECT_EQ(CertificationFee("35"), "336000");
    EXPECT_EQ(CertificationFee("10"), std::nullopt);
}

// Column sums taken from the catalogue tables apart from this code: a slipped or mistyped cell
// moves at least one of them. Aptitudes count by their leading digits ("1500+" as 1500), text
// columns by their UTF-8 length.
TEST(PetCatalogue, ColumnChecksumsMatchTheTables)
{
    std::array<std::int64_t, 6> aptitudeSums{};
    std::array<std::size_t, 4> textBytes{};
    for (const auto& pet : PetCatalogue) {
        const std::array<std::string_view, 6> aptitudes{pet.attack, pet.defence, pet.stamina,
                                                        pet.mana,   pet.speed,   pet.dodge};
        for (std::size_t i = 0; i < aptitudes.size(); ++i) {
            std::string_view digits = aptitudes[i];
            if (digits.ends_with('+')) {
                digits.remove_suffix(1);
            }
            const auto value = ParseInt32(digits);
            ASSERT_TRUE(value.has_value()) << pet.name << " aptitude " << i;
            aptitudeSums[i] += *value;
        }
        textBytes[0] += pet.lifespan.size();
        textBytes[1] += pet.skills.size();
        textBytes[2] += pet.growth.size();
        textBytes[3] += pet.scenes.size();
        for (std::string_view text : pet.texts()) {
            EXPECT_FALSE(text.empty()) << pet.name;
        }
    }
    EXPECT_EQ(aptitudeSums, (std::array<std::int64_t, 6>{75783, 75543, 242963, 120121, 74819, 78042}));
    EXPECT_EQ(textBytes, (std::array<std::size_t, 4>{490, 2071, 727, 1330}));
}

TEST(PetCatalogue, RecordsKeepTheirTextsAsWritten)
{
    using Texts = std::array<std::string_view, kPetFieldCount>;
    EXPECT_EQ(FindPet("大海龟")->texts(),
              (Texts{"0", "0", "960", "960", "3600", "1200", "840", "1320", "10820-11950",
                     "反震/慧根/幸运/防御/冥思/水吸收", "2.75/2.67/1.5", "东海湾/沉船一层/东海岩洞"}));

    const PetRecord* guard = FindPet("护卫");
    EXPECT_EQ(guard->scenes, "无(只可在长安皇宫门口领取)");
    EXPECT_EQ(guard->lifespan, "8400");

    EXPECT_EQ(PetCatalogue[13].name, "骷髅怪");
    EXPECT_EQ(PetCatalogue[14].name, "羊头怪");
    EXPECT_EQ(PetCatalogue[15].name, "狐狸精");
    EXPECT_EQ(PetCatalogue[14].carryLevel, "15");
    EXPECT_EQ(PetCatalogue[14].fee, "96000");

    const PetRecord* vase = FindPet("净瓶女娲");
    EXPECT_EQ(vase->attack, "1500+");
    EXPECT_EQ(vase->defence, "1500+");
    EXPECT_EQ(vase->lifespan, "6000+");
    EXPECT_EQ(vase->growth, "3.78+");

    for (std::string_view name : {"夜罗刹", "大力金刚"}) {
        EXPECT_EQ(FindPet(name)->carryLevel, "飞升");
        EXPECT_EQ(FindPet(name)->fee, "3000000");
    }
    EXPECT_EQ(FindPet("炎魔神")->lifespan, "暂无");
    EXPECT_EQ(FindPet("炎魔神")->growth, "暂无");
    EXPECT_EQ(FindPet("古代瑞兽")->growth, "3.60/3.51/3.45/3.41/3.37/3.39");
    EXPECT_EQ(FindPet("赌徒")->growth, "2.90");
}

// 牛头 and 马面 share level and aptitudes: only lifespan, skills and growth rates tell them apart.
TEST(PetCatalogue, OxHeadAndHorseFaceDifferOnlyInThreeFields)
{
    const auto ox = FindPet("牛头")->texts();
    const auto horse = FindPet("马面")->texts();
    for (std::size_t i = 0; i < kPetFieldCount; ++i) {
        EXPECT_EQ(ox[i] != horse[i], i == 8 || i == 9 || i == 10) << "field " << i;
    }
}

TEST(PetLookup, FillsTheTwelveFieldsOrChangesNothing)
{
    const auto out = PetLookup("鬼将");
    EXPECT_FALSE(out.warning());
    const auto texts = FindPet("鬼将")->texts();
    for (std::size_t i = 0; i < kPetFieldCount; ++i) {
        const auto field = out.Final("Text16(" + std::to_string(i) + ")");
        EXPECT_EQ(field.text, std::string(texts[i]));
        EXPECT_FALSE(field.colour);
    }
    // Names match exactly: no prefix, no neighbour.
    for (std::string_view name : {"", "鬼", "鬼将 ", "不存在"}) {
        const auto none = PetLookup(name);
        EXPECT_FALSE(none.warning());
        EXPECT_FALSE(none.HasUpdates()) << name;
    }
}

}  // namespace
