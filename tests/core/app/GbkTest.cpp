#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

#include "core/app/Gbk.h"

using namespace zicalc;

namespace {

// Lines as a question bank holds them: common characters, full-width punctuation and ASCII.
const std::string kBankText =
    "唐僧师徒四人西天取经，一路上经历了九九八十一难。\r\n"
    "问：孙悟空的金箍棒原来是哪里的宝物？答：东海龙宫的定海神针。\r\n"
    "“俺老孙来也！”他大喊一声，翻了一个筋斗云，就是十万八千里（约合54000公里）。\r\n"
    "猪八戒本是天蓬元帅，因为调戏嫦娥被贬下凡间；沙和尚原是卷帘大将。\r\n"
    "白龙马驮着师父，走过火焰山、女儿国、盘丝洞和通天河。\r\n"
    "每日任务：捉鬼、押镖、科举考试、帮派建设与门派闯关，奖励经验和银两。\r\n"
    "宠物等级不能高于人物等级加五级，否则无法参战；召唤兽的资质、成长与技能决定强弱。\r\n"
    "装备需要强化，宝石镶嵌后属性提高：伤害、防御、速度、灵力、气血、魔法。\r\n"
    "春夏秋冬，东南西北，金木水火土，天地玄黄，宇宙洪荒，日月盈昃，辰宿列张。\r\n"
    "寒来暑往，秋收冬藏，闰余成岁，律吕调阳，云腾致雨，露结为霜。\r\n"
    "请输入正确的数字（1-999），不要留空！欢迎再次使用本程序，祝你游戏愉快。\r\n"
    "Level 175, price 12.5% off; mail@example.com [OK] {#} ~\r\n";

std::size_t CountUtf8Characters(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s) {
        n += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

TEST(Gbk, BankTextRoundTripsWithKnownBytes)
{
    const GbkResult encoded = EncodeGbk(kBankText);
    ASSERT_TRUE(encoded.ok()) << *encoded.errorAt;
    // Chinese characters and full-width punctuation take two bytes, ASCII one.
    std::size_t ascii = 0;
    for (unsigned char c : kBankText) {
        ascii += c < 0x80 ? 1 : 0;
    }
    EXPECT_EQ(encoded.text.size(), ascii + 2 * (CountUtf8Characters(kBankText) - ascii));
    const GbkResult decoded = DecodeGbk(encoded.text);
    ASSERT_TRUE(decoded.ok()) << *decoded.errorAt;
    EXPECT_EQ(decoded.text, kBankText);

    EXPECT_EQ(EncodeGbk("中文“”！，：（）A1").text,
              "\xD6\xD0\xCE\xC4\xA1\xB0\xA1\xB1\xA3\xA1\xA3\xAC\xA3\xBA\xA3\xA8\xA3\xA9"
              "A1");
    EXPECT_EQ(DecodeGbk("\xB0\xA1\xD7\xF9").text, "啊座");
}

// Every character of the first level of the national table (rows B0-D7), as bytes.
TEST(Gbk, EveryLevelOneCharacterRoundTrips)
{
    std::string bytes;
    for (int row = 0xB0; row <= 0xD7; ++row) {
        for (int col = 0xA1; col <= (row == 0xD7 ? 0xF9 : 0xFE); ++col) {
            bytes += static_cast<char>(row);
            bytes += static_cast<char>(col);
        }
    }
    const GbkResult decoded = DecodeGbk(bytes);
    ASSERT_TRUE(decoded.ok()) << *decoded.errorAt;
    ASSERT_EQ(decoded.text.size(), 3755u * 3);
    std::set<std::string> distinct;
    for (std::size_t i = 0; i < decoded.text.size(); i += 3) {
        distinct.insert(decoded.text.substr(i, 3));
    }
    EXPECT_EQ(distinct.size(), 3755u);
    const GbkResult encoded = EncodeGbk(decoded.text);
    ASSERT_TRUE(encoded.ok()) << *encoded.errorAt;
    EXPECT_EQ(encoded.text, bytes);
}

TEST(Gbk, EuroSignIsTheSingleByteOfGbkNotTheGb18030Pair)
{
    EXPECT_EQ(EncodeGbk("价格€5").text,
              "\xBC\xDB\xB8\xF1\x80"
              "5");
    EXPECT_EQ(DecodeGbk("\x80").text, "€");
    const GbkResult gb18030Euro = DecodeGbk("ab\xA2\xE3");
    EXPECT_FALSE(gb18030Euro.ok());
    EXPECT_EQ(gb18030Euro.errorAt, 2u);
}

TEST(Gbk, EmptyTextIsFine)
{
    EXPECT_TRUE(DecodeGbk("").ok());
    EXPECT_EQ(DecodeGbk("").text, "");
    EXPECT_TRUE(EncodeGbk("").ok());
    EXPECT_EQ(EncodeGbk("").text, "");
    EXPECT_EQ(FirstCharacterNotInGbk(""), std::nullopt);
}

struct BadInput final {
    const char* name;
    std::string bytes;
    std::size_t errorAt;
};

class GbkDecodeError : public testing::TestWithParam<BadInput> {};

TEST_P(GbkDecodeError, ReportsTheOffsetOfTheFirstBadSequence)
{
    const GbkResult r = DecodeGbk(GetParam().bytes);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.errorAt, GetParam().errorAt);
    EXPECT_EQ(r.text, "");
}

INSTANTIATE_TEST_SUITE_P(Bytes, GbkDecodeError,
                         testing::Values(BadInput{"InvalidLead",
                                                  "ab\xD6\xD0\xFF"
                                                  "cd",
                                                  4},
                                         BadInput{"InvalidTrail", "\xD6\xD0\xD6\x7F", 2},
                                         BadInput{"TruncatedLastLead", "ab\xD6\xD0\xD6", 4},
                                         BadInput{"SecondBadOneIgnored", "x\xFFy\xFF", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

class GbkEncodeError : public testing::TestWithParam<BadInput> {};

TEST_P(GbkEncodeError, ReportsTheOffsetInTheUtf8TextAndReplacesNothing)
{
    const GbkResult r = EncodeGbk(GetParam().bytes);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.errorAt, GetParam().errorAt);
    EXPECT_EQ(r.text, "");
}

INSTANTIATE_TEST_SUITE_P(Text, GbkEncodeError,
                         testing::Values(BadInput{"Emoji", "宠物😀名字", 6}, BadInput{"Hangul", "ab한", 2},
                                         BadInput{"OverlongNul", "ab\xC0\x80", 2},
                                         BadInput{"LoneSurrogate", "中\xED\xA0\x80", 3},
                                         BadInput{"TruncatedCharacter", "中文\xE4\xB8", 6},
                                         BadInput{"StrayContinuation", "a\x80", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Gbk, FirstCharacterNotInGbkNamesTheCharacter)
{
    EXPECT_EQ(FirstCharacterNotInGbk("宠物😀名字🐒"), "😀");
    EXPECT_EQ(FirstCharacterNotInGbk("ab한"), "한");
    EXPECT_EQ(FirstCharacterNotInGbk("x\xFF"), "\xFF");
    EXPECT_EQ(FirstCharacterNotInGbk(kBankText), std::nullopt);
    EXPECT_EQ(FirstCharacterNotInGbk("€"), std::nullopt);
}

TEST(Gbk, AWholeBankFileConvertsQuickly)
{
    std::string big;
    for (int i = 0; i < 400; ++i) {
        big += kBankText;  // about 4800 lines
    }
    const auto start = std::chrono::steady_clock::now();
    const GbkResult encoded = EncodeGbk(big);
    const GbkResult decoded = DecodeGbk(encoded.text);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.text, big);
    EXPECT_EQ(CountUtf8Characters(decoded.text), CountUtf8Characters(kBankText) * 400);
    EXPECT_LT(elapsed, std::chrono::seconds(1));
}

}  // namespace
