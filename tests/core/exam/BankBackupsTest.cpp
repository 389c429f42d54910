#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ExamTestSupport.h"
#include "core/exam/BankBackups.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {
namespace {

using testing_support::Gbk;
using testing_support::NumberedBank;
using testing_support::Slurp;
using testing_support::Spit;

class BankBackupsTest : public testing_support::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        bankPath = dir_ / "test.dat";
        Spit(bankPath, Gbk(NumberedBank(3)));
        storePtr = std::make_unique<QuestionStore>(bank, bankPath);
        backupsPtr = std::make_unique<BankBackups>(bankPath, clock);
        ASSERT_FALSE(store().Load().has_value());
        store().SetBeforeRewrite([this](std::string_view bytes) { return backups().Keep(bytes); });
    }
    // A modify of question 1: its correct answer becomes `answer`.
    BankEditResult Modify(const std::string& answer)
    {
        const QuestionRecord opened = bank.Record(0);
        QuestionRecord changed = opened;
        changed.correct = answer;
        return store().Replace(0, opened, changed);
    }

    FakeClock clock{LocalMoment{2026, 12, 10, 16, 5, 3, 0, 5}};
    std::filesystem::path bankPath;
    QuestionBank bank;
    std::unique_ptr<QuestionStore> storePtr;
    std::unique_ptr<BankBackups> backupsPtr;
    QuestionStore& store() { return *storePtr; }
    BankBackups& backups() { return *backupsPtr; }
};

TEST_F(BankBackupsTest, NamesCarryTheMomentAndStayUniqueWithinOneSecond)
{
    EXPECT_EQ(BankBackupName("test", ".dat", clock.Now(), 1), "test_2026-12-10_16-05-03_01.dat");
    ASSERT_TRUE(Modify("一").done);
    ASSERT_TRUE(Modify("二").done);
    const std::vector<BankBackup> list = backups().List();
    ASSERT_EQ(list.size(), 2U);
    EXPECT_EQ(list[0].path.filename(), "test_2026-12-10_16-05-03_02.dat");
    EXPECT_EQ(list[1].path.filename(), "test_2026-12-10_16-05-03_01.dat");
    EXPECT_EQ(list[0].TimeText(), "2026-12-10 16:05:03");
    // Each holds the file as it was before its rewrite.
    EXPECT_EQ(Slurp(list[1].path), Gbk(NumberedBank(3)));
    EXPECT_EQ(BackupQuestionCount(list[0].path), 3U);
    EXPECT_NE(Slurp(list[0].path).find(Gbk(",一,")), std::string::npos);
}

TEST_F(BankBackupsTest, TwentyOneRewritesKeepTheNewestTwenty)
{
    std::filesystem::create_directories(backups().folder());
    Spit(backups().folder() / "notes.txt", "mine");  // not ours: never removed
    for (int i = 0; i < 21; ++i) {
        ASSERT_TRUE(Modify("答案" + std::to_string(i)).done) << i;
        clock.AdvanceSeconds(1);
    }
    const std::vector<BankBackup> list = backups().List();
    ASSERT_EQ(list.size(), 20U);
    EXPECT_EQ(list.front().TimeText(), "2026-12-10 16:05:23");
    EXPECT_EQ(list.back().TimeText(), "2026-12-10 16:05:04");  // the first one (16:05:03) went
    EXPECT_TRUE(std::filesystem::exists(backups().folder() / "notes.txt"));
    // Deletes are backed up too.
    ASSERT_TRUE(store().Remove(2, bank.Record(2)).done);
    EXPECT_EQ(backups().List().front().TimeText(), "2026-12-10 16:05:24");
}

TEST_F(BankBackupsTest, AFailedBackupStopsTheRewrite)
{
    backups().SetWriterForTest([](const std::filesystem::path&, std::string_view) { return FileStatus{"disk full"}; });
    const BankEditResult result = Modify("新答案");
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message, kBackupFailedMessage);
    EXPECT_EQ(Slurp(bankPath), Gbk(NumberedBank(3)));
    EXPECT_EQ(bank.Record(0).correct, "答1");
}

TEST_F(BankBackupsTest, RestoreBringsTheOldFileBackAndKeepsTheCurrentOne)
{
    ASSERT_TRUE(Modify("改过").done);
    const std::string modified = Slurp(bankPath);
    clock.AdvanceSeconds(60);
    const BankBackup before = backups().List().front();
    ASSERT_TRUE(RestoreBankBackup(bankPath, backups(), before).done);
    EXPECT_EQ(Slurp(bankPath), Gbk(NumberedBank(3)));
    const std::vector<BankBackup> list = backups().List();
    ASSERT_EQ(list.size(), 2U);
    EXPECT_EQ(Slurp(list.front().path), modified);
    EXPECT_EQ(list.front().TimeText(), "2026-12-10 16:06:03");

    // And a failed backup of the current file leaves it as it is.
    backups().SetWriterForTest([](const std::filesystem::path&, std::string_view) { return FileStatus{"denied"}; });
    EXPECT_EQ(RestoreBankBackup(bankPath, backups(), list.front()).message, kBackupFailedMessage);
    EXPECT_EQ(Slurp(bankPath), Gbk(NumberedBank(3)));
}

}  // namespace
}  // namespace zicalc
