#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/Gbk.h"
#include "core/exam/Pinyin.h"

namespace zicalc {
namespace {

QuestionRecord Question(std::string text)
{
    return QuestionRecord{"1", "其它题目", std::move(text), "甲", "乙", "丙", "丁"};
}

class PinyinSearchTest : public ::testing::Test {
protected:
    PinyinSearchTest()
    {
        bank.Assign({
            Question("西游记的作者是谁？"),      // 0
            Question("长安城在今天哪里？"),      // 1
            Question("重阳节要做什么？"),        // 2
            Question("绿色的东西是什么？"),      // 3
            Question("QQ是什么软件？"),          // 4
            Question("孙悟空在西天取经路上？"),  // 5
            Question("iOS是什么？"),             // 6
        });
    }
    QuestionBank bank;
    PinyinSearch search{bank};
};

struct PinyinCase {
    const char* keyword;
    std::vector<std::size_t> found;
};

class PinyinMatchTest : public PinyinSearchTest, public ::testing::WithParamInterface<PinyinCase> {};

TEST_P(PinyinMatchTest, FindsTheQuestionsInBankOrder)
{
    EXPECT_EQ(search.Find(GetParam().keyword), GetParam().found) << GetParam().keyword;
}

INSTANTIATE_TEST_SUITE_P(Keywords, PinyinMatchTest,
                         ::testing::Values(
                             // Full pinyin, initials, a syllable still being typed, either case.
                             PinyinCase{"xiyou", {0}}, PinyinCase{"xiyouji", {0}}, PinyinCase{"xyj", {0}},
                             PinyinCase{"XYJ", {0}}, PinyinCase{"xiyo", {0}}, PinyinCase{"xiyouz", {}},
                             // Polyphones match by any reading: 长 chang/zhang, 重 zhong/chong, 绿 lv/lu.
                             PinyinCase{"changan", {1}}, PinyinCase{"zhangan", {1}}, PinyinCase{"chongyang", {2}},
                             PinyinCase{"zhongyang", {2}}, PinyinCase{"lvse", {3}}, PinyinCase{"luse", {3}},
                             // Chinese and pinyin in one keyword, either way round.
                             PinyinCase{"西youj", {0}}, PinyinCase{"xi游", {0}}, PinyinCase{"长an城", {1}},
                             PinyinCase{"西tian取j", {5}},
                             // Across questions the same syllables: 西 in two questions, 什么 in three.
                             PinyinCase{"xi", {0, 3, 5}}, PinyinCase{"shenme", {2, 3, 4, 6}},
                             // Exact text still found; Latin letters of a question match as themselves, case-sensitive.
                             PinyinCase{"长安", {1}}, PinyinCase{"QQ是", {4}}, PinyinCase{"iOS", {6}},
                             PinyinCase{"iOSshi", {6}}, PinyinCase{"", {}}));

TEST_F(PinyinSearchTest, FollowsEditsOfTheBank)
{
    EXPECT_EQ(search.Find("cai"), std::vector<std::size_t>{});
    bank.Set(2, Question("猜一猜谜语？"));
    EXPECT_EQ(search.Find("cai"), std::vector<std::size_t>{2});
    EXPECT_EQ(search.Find("chongyang"), std::vector<std::size_t>{});
    bank.RemoveMovingLast(0);
    EXPECT_EQ(search.Find("xyj"), std::vector<std::size_t>{});
    EXPECT_EQ(search.Find("ios"), std::vector<std::size_t>{});  // letters of a question match as typed
    EXPECT_EQ(search.Find("iOSshi"), std::vector<std::size_t>{0});
}

TEST(PinyinReadingsTest, PolyphonesAndNonCharacters)
{
    EXPECT_EQ(PinyinReadings(U'长'), (std::vector<std::string_view>{"zhang", "chang"}));
    EXPECT_EQ(PinyinReadings(U'西'), (std::vector<std::string_view>{"xi"}));
    EXPECT_TRUE(PinyinReadings(U'？').empty());
    EXPECT_TRUE(PinyinReadings(U'a').empty());
}

// Every one of the 6 763 characters of GB2312 (rows 0xB0-0xF7, 94 cells each, row 0xD7 ending
// at 0xF9) has a reading.
TEST(PinyinReadingsTest, CoversEveryGb2312Character)
{
    int characters = 0;
    std::vector<std::string> missing;
    for (int row = 0xB0; row <= 0xF7; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const std::string bytes{static_cast<char>(row), static_cast<char>(cell)};
            const GbkResult decoded = DecodeGbk(bytes);
            if (!decoded.ok() || decoded.text.empty()) {
                continue;
            }
            ++characters;
            const std::string& c = decoded.text;
            const char32_t code = static_cast<char32_t>(((c[0] & 0x0F) << 12) | ((c[1] & 0x3F) << 6) | (c[2] & 0x3F));
            if (PinyinReadings(code).empty()) {
                missing.push_back(c);
            }
        }
    }
    EXPECT_EQ(characters, 6763);
    EXPECT_TRUE(missing.empty()) << missing.size() << " without a reading, first " << missing.front();
}

}  // namespace
}  // namespace zicalc
