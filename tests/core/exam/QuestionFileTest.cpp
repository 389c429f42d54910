#include <gtest/gtest.h>

#include <map>
#include <random>

#include "ExamTestSupport.h"
#include "core/exam/QuestionFile.h"

using namespace zicalc;
using zicalc::testing_support::Gbk;

namespace {

struct SplitCase {
    const char* name;
    std::string_view line;
    std::vector<std::string> fields;
};

class SplitLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLine, FollowsTheReadingRule)
{
    EXPECT_EQ(SplitQuestionLine(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, SplitLine,
    testing::Values(SplitCase{"Plain",
                              "12,古代常识,一年有几个季节？,四个,三个,五个,六个",
                              {"12", "古代常识", "一年有几个季节？", "四个", "三个", "五个", "六个"}},
                    SplitCase{"LeadingBlanksSkippedTrailingKept", "1,  a b ,\tc", {"1", "a b ", "c"}},
                    SplitCase{"QuotedKeepsCommasAndBlanks", "1,\" 甲,乙 \",c", {"1", " 甲,乙 ", "c"}},
                    SplitCase{"BlanksBeforeAQuote", "1,  \"a,b\",c", {"1", "a,b", "c"}},
                    SplitCase{"TextAfterClosingQuoteKept", "1,\"a,b\"c d,e", {"1", "a,bc d", "e"}},
                    SplitCase{"UnclosedQuoteRunsToLineEnd", "1,\"a,b", {"1", "a,b"}},
                    SplitCase{"QuoteInsideAFieldIsText", "1,他说\"好\",c", {"1", "他说\"好\"", "c"}},
                    SplitCase{"EmptyFields", ",,", {"", "", ""}},
                    SplitCase{"TrailingCommaGivesEmptyLastField", "a,", {"a", ""}},
                    SplitCase{"EmptyQuoted", "\"\",x", {"", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuestionFile, WorkedExampleLineAndListLine)
{
    const QuestionRecord r{"12", "古代常识", "一年有几个季节？", "四个", "三个", "五个", "六个"};
    EXPECT_EQ(FormatQuestionLine(r, true), "12,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n");
    EXPECT_EQ(ListLine(r), "<12>[古代常识] 一年有几个季节？");
    const auto content = ParseQuestionFile(Gbk("12,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n"));
    ASSERT_EQ(content.records.size(), 1u);
    EXPECT_EQ(content.records[0], r);
}

TEST(QuestionFile, SkipsEmptyLinesAndReportsLinesThatAreNotSevenFields)
{
    const auto content =
        ParseQuestionFile(Gbk("1,a,b,c,d,e,f\r\n\r\n   \r\n2,a,b\r\n3,a,b,c,d,e,f,g\r\n4,a,b,c,d,e,f"));
    ASSERT_EQ(content.records.size(), 2u);
    EXPECT_EQ(content.records[0].id, "1");
    EXPECT_EQ(content.records[1].id, "4");
    EXPECT_EQ(content.badLines, (std::vector<std::size_t>{4, 5}));
    EXPECT_FALSE(content.endsWithLineBreak);
    EXPECT_FALSE(content.undecodableLine);
}

TEST(QuestionFile, AcceptsBareLineFeeds)
{
    const auto content = ParseQuestionFile("1,a,b,c,d,e,f\n2,a,b,c,d,e,f\n");
    ASSERT_EQ(content.records.size(), 2u);
    EXPECT_EQ(content.records[1].wrong3, "f");
    EXPECT_TRUE(content.endsWithLineBreak);
}

TEST(QuestionFile, UndecodableBytesKeepTheOtherLinesReadable)
{
    std::string bytes = Gbk("1,古代常识,问,答,甲,乙,丙\r\n");
    bytes += "2,a,\xFF\xFF,c,d,e,f\r\n";
    bytes += Gbk("3,历史知识,问三,答,甲,乙,丙\r\n");
    const auto content = ParseQuestionFile(bytes);
    EXPECT_EQ(content.undecodableLine, 2u);
    ASSERT_EQ(content.records.size(), 3u);
    EXPECT_EQ(content.records[0].category, "古代常识");
    EXPECT_EQ(content.records[2].question, "问三");
    EXPECT_NE(content.records[1].question.find("\xEF\xBF\xBD"), std::string::npos);
}

// A bank saved in another encoding (UTF-8 here) has bad bytes in nearly every character: every
// line is still read, none is lost, and the first bad line is named.
TEST(QuestionFile, AFileInAnotherEncodingIsReadWhole)
{
    std::string utf8;
    for (int k = 1; k <= 2000; ++k) {
        utf8 += std::to_string(k) + ",古代常识,问题？,答,甲,乙,丙\r\n";
    }
    const auto content = ParseQuestionFile(utf8);
    EXPECT_EQ(content.undecodableLine, 1u);
    ASSERT_EQ(content.records.size(), 2000u);
    EXPECT_EQ(content.records[1999].id, "2000");
    EXPECT_TRUE(content.badLines.empty());
}

struct FieldCase {
    const char* name;
    std::string_view value;
    std::optional<std::string> written;
};

class FormatField : public testing::TestWithParam<FieldCase> {};

TEST_P(FormatField, QuotesOnlyWhereTheReaderNeedsIt)
{
    EXPECT_EQ(FormatQuestionField(GetParam().value), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Writer, FormatField,
                         testing::Values(FieldCase{"Plain", "一年有几个季节？", "一年有几个季节？"},
                                         FieldCase{"QuoteInsideStaysPlain", "他说\"好\"", "他说\"好\""},
                                         FieldCase{"Comma", "甲,乙", "\"甲,乙\""},
                                         FieldCase{"LeadingBlank", " 甲", "\" 甲\""},
                                         FieldCase{"LeadingQuote", "\"x", "\"\"\"x"},
                                         FieldCase{"CommaThenQuote", "a,b\"c", "\"a,b\"\"c"},
                                         FieldCase{"QuoteThenCommaCannotBeCarried", "\"a,b", std::nullopt},
                                         FieldCase{"LineBreakCannotBeCarried", "a\r\nb", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever the writer agrees to carry, the reader gets back exactly, blanks, commas and quotes
// included.
TEST(QuestionFile, WhatIsWrittenReadsBackTheSame)
{
    std::mt19937 random(20261210);
    const std::vector<std::string> pieces{"a", ",", "\"", " ", "\t", "中", "？", "，"};
    int carried = 0;
    for (int round = 0; round < 5000; ++round) {
        QuestionRecord r;
        for (std::string* f : {&r.id, &r.category, &r.question, &r.correct, &r.wrong1, &r.wrong2, &r.wrong3}) {
            const int length = static_cast<int>(random() % 6);
            for (int i = 0; i < length; ++i) {
                *f += pieces[random() % pieces.size()];
            }
        }
        const auto line = FormatQuestionLine(r, false);
        if (!line) {
            continue;
        }
        ++carried;
        const auto back = ParseQuestionFile(Gbk(*line));
        ASSERT_EQ(back.records.size(), 1u) << *line;
        EXPECT_EQ(back.records[0], r) << *line;
    }
    EXPECT_GT(carried, 1000);
}

TEST(QuestionFile, RewriteTrimsTrailingBlanksAndKeepsLeadingOnes)
{
    const QuestionRecord r{"5 ", "古代常识  ", " 问题 ", "答", "甲", "乙", "丙\t"};
    EXPECT_EQ(FormatQuestionLine(r, true), "5,古代常识,\" 问题\",答,甲,乙,丙\r\n");
    const auto file = FormatQuestionFile({r});
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, Gbk("5,古代常识,\" 问题\",答,甲,乙,丙\r\n"));
}

}  // namespace

namespace {

// The bank we ship: every line a question, all ten categories used, numbered 1, 2, 3 … in order,
// and nothing a rewrite would have to quote.
TEST(StarterBank, IsWholeAndCoversEveryCategory)
{
    const std::string bytes =
        zicalc::testing_support::Slurp(std::filesystem::path(ZICALC_SOURCE_DIR) / "data/test.dat");
    const auto content = ParseQuestionFile(bytes);
    EXPECT_FALSE(content.undecodableLine);
    EXPECT_TRUE(content.badLines.empty());
    ASSERT_GE(content.records.size(), 100u);
    std::map<std::string, int> perCategory;
    for (std::size_t k = 0; k < content.records.size(); ++k) {
        const QuestionRecord& r = content.records[k];
        EXPECT_EQ(r.id, std::to_string(k + 1));
        ++perCategory[r.category];
        for (const std::string* f : {&r.question, &r.correct, &r.wrong1, &r.wrong2, &r.wrong3}) {
            EXPECT_FALSE(f->empty()) << r.id;
            EXPECT_TRUE(FormatQuestionField(*f) == *f) << r.id;
        }
        EXPECT_NE(r.correct, r.wrong1);
    }
    for (std::string_view c : kQuestionCategories) {
        EXPECT_GE(perCategory[std::string(c)], 5) << c;
    }
    EXPECT_EQ(perCategory.size(), kQuestionCategories.size());
    // Rewritten whole, the bank is the same bytes: CR LF, GBK, nothing trimmed or quoted.
    EXPECT_EQ(FormatQuestionFile(content.records), bytes);
}

}  // namespace
