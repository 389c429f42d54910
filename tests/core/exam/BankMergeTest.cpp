#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExamTestSupport.h"
#include "core/exam/BankMerge.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {
namespace {

using testing_support::Gbk;
using testing_support::Slurp;
using testing_support::Spit;

// Ours: three questions. Theirs: one we have as it is (other wrong answers), one we have with
// another correct answer, two new ones, and one of the new ones again.
const std::string kOurs =
    "1,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n"
    "2,历史知识,唐僧从哪里出发？,长安,洛阳,开封,西凉\r\n"
    "3,游戏知识,悟空的师父是谁？,唐僧,八戒,沙僧,白龙马\r\n";
const std::string kTheirs =
    "7,古代常识,一年有几个季节？,四个,两个,八个,十个\r\n"
    "8,游戏知识,悟空的师父是谁？,菩提祖师,八戒,沙僧,唐僧\r\n"
    "9,其它题目,西游记的作者是谁？,吴承恩,施耐庵,罗贯中,曹雪芹\r\n"
    "10,诗词对联,床前明月光的下一句？,疑是地上霜,低头思故乡,举头望明月,夜来风雨声\r\n"
    "11,其它题目,西游记的作者是谁？,吴承恩,甲,乙,丙\r\n";

TEST(BankMergeTest, SortsTheirQuestionsIntoNewSameAndConflicts)
{
    const MergePreviewResult result = PreviewMerge(Gbk(kOurs), Gbk(kTheirs));
    ASSERT_TRUE(result.preview) << result.message;
    const MergePreview& p = *result.preview;
    ASSERT_EQ(p.added.size(), 2U);
    EXPECT_EQ(p.added[0],
              (QuestionRecord{"4", "其它题目", "西游记的作者是谁？", "吴承恩", "施耐庵", "罗贯中", "曹雪芹"}));
    EXPECT_EQ(p.added[1].id, "5");
    EXPECT_EQ(p.added[1].question, "床前明月光的下一句？");
    EXPECT_EQ(p.same, 2U);
    ASSERT_EQ(p.conflicts.size(), 1U);
    EXPECT_EQ(p.conflicts[0].ours, 2U);
    EXPECT_EQ(p.conflicts[0].mine.correct, "唐僧");
    EXPECT_EQ(p.conflicts[0].theirs.correct, "菩提祖师");
}

TEST(BankMergeTest, KeepsOursUnlessTheirsIsTicked)
{
    const MergePreview p = *PreviewMerge(Gbk(kOurs), Gbk(kTheirs)).preview;
    const std::string appended =
        "4,其它题目,西游记的作者是谁？,吴承恩,施耐庵,罗贯中,曹雪芹\r\n"
        "5,诗词对联,床前明月光的下一句？,疑是地上霜,低头思故乡,举头望明月,夜来风雨声\r\n";
    EXPECT_EQ(MergedBankBytes(p, {false}), Gbk(kOurs + appended));
    const std::string theirsTaken =
        "1,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n"
        "2,历史知识,唐僧从哪里出发？,长安,洛阳,开封,西凉\r\n"
        "3,游戏知识,悟空的师父是谁？,菩提祖师,八戒,沙僧,唐僧\r\n";
    EXPECT_EQ(MergedBankBytes(p, {true}), Gbk(theirsTaken + appended));
}

struct MalformedCase {
    const char* name;
    std::string theirs;
    const char* message;
};

class BankMergeMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(BankMergeMalformedTest, IsRefusedWithTheLine)
{
    const MergePreviewResult result = PreviewMerge(Gbk(kOurs), GetParam().theirs);
    EXPECT_FALSE(result.preview);
    EXPECT_EQ(result.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BankMergeMalformedTest,
    ::testing::Values(
        MalformedCase{"BadBytes", Gbk("1,古代常识,问？,答,甲,乙,丙\r\n") + "2,\x80\xFF,q,a,b,c,d\r\n",
                      "无法合并：所选文件第2行有无法识别的字符，没有写入任何内容！"},
        MalformedCase{"SixFields",
                      Gbk("1,古代常识,问？,答,甲,乙,丙\r\n2,古代常识,问？,答,甲,乙\r\n3,古代常识,问？,答,甲,乙,丙\r\n"),
                      "无法合并：所选文件第2行不是七项的完整题目，没有写入任何内容！"},
        MalformedCase{"NoQuestion", "", "无法合并：所选文件中没有题目，没有写入任何内容！"}),
    [](const auto& info) { return std::string(info.param.name); });

class BankMergeFileTest : public testing_support::TempDirTest {};

TEST_F(BankMergeFileTest, WritesAfterABackupAndOnlyWhatWasPreviewed)
{
    const std::filesystem::path bank = dir_ / "test.dat";
    Spit(bank, Gbk(kOurs));
    FakeClock clock(LocalMoment{2026, 12, 10, 16, 30, 0, 0, 5});
    BankBackups backups(bank, clock);
    const MergePreview p = *PreviewMerge(Slurp(bank), Gbk(kTheirs)).preview;

    const BankEditResult done = ApplyMerge(bank, backups, p, {true});
    ASSERT_TRUE(done.done) << done.message;
    EXPECT_EQ(done.message, "合并完毕！新增2道题，1道冲突的题改用了对方的答案。");
    EXPECT_EQ(Slurp(bank), *MergedBankBytes(p, {true}));
    ASSERT_EQ(backups.List().size(), 1U);
    EXPECT_EQ(Slurp(backups.List().front().path), Gbk(kOurs));

    // The file has moved on since the preview: nothing is written.
    const std::string now = Slurp(bank);
    EXPECT_EQ(ApplyMerge(bank, backups, p, {false}).message, kMergeChangedMessage);
    EXPECT_EQ(Slurp(bank), now);
    EXPECT_EQ(backups.List().size(), 1U);
}

}  // namespace
}  // namespace zicalc
