#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "ExamTestSupport.h"
#include "core/exam/QuestionStore.h"

using namespace zicalc;
using namespace zicalc::testing_support;

namespace {

class Store : public TempDirTest {
protected:
    std::filesystem::path File() const { return dir_ / "test.dat"; }

    // Writes `utf8` (as GBK) and loads it; returns the load's notice.
    std::optional<std::string> LoadText(std::string_view utf8) { return LoadBytes(Gbk(utf8)); }
    std::optional<std::string> LoadBytes(std::string_view bytes)
    {
        Spit(File(), bytes);
        store_ = std::make_unique<QuestionStore>(bank_, File());
        return store_->Load();
    }
    // The file as text, to compare with what the description writes.
    std::string FileText() const
    {
        GbkResult r = DecodeGbk(Slurp(File()));
        EXPECT_TRUE(r.ok());
        return r.text;
    }
    static FileStatus FailingWriter(const std::filesystem::path&, std::string_view)
    {
        return FileStatus{"write: No space left on device"};
    }

    QuestionBank bank_;
    std::unique_ptr<QuestionStore> store_;
};

const QuestionRecord kNew{"58", "历史知识", "新问题？", "新答", "错一", "错二", "错三"};

TEST_F(Store, LoadReadsEveryRecordAndSetsLoaded)
{
    EXPECT_FALSE(bank_.Loaded());
    EXPECT_EQ(LoadText(NumberedBank(57)), std::nullopt);
    EXPECT_TRUE(bank_.Loaded());
    ASSERT_EQ(bank_.Count(), 57u);
    EXPECT_EQ(bank_.ListLineAt(56), "<57>[古代常识] 问题57？");
}

TEST_F(Store, MissingFileLeavesTheBankAlone)
{
    store_ = std::make_unique<QuestionStore>(bank_, File());
    EXPECT_FALSE(store_->FileExists());
    EXPECT_EQ(store_->Load(), "找不到科举题库!");
    EXPECT_FALSE(bank_.Loaded());
}

TEST_F(Store, AppendAddsOneLineAndKeepsEveryExistingByte)
{
    LoadText(NumberedBank(57));
    const std::string before = Slurp(File());
    ASSERT_TRUE(store_->Append(kNew).done);
    EXPECT_EQ(Slurp(File()), before + Gbk("58,历史知识,新问题？,新答,错一,错二,错三\r\n"));
    ASSERT_EQ(bank_.Count(), 58u);
    EXPECT_EQ(bank_.Record(57), kNew);
}

TEST_F(Store, AppendEndsALastLineWithoutLineBreakFirst)
{
    LoadText("1,古代常识,问,答,甲,乙,丙");
    ASSERT_TRUE(store_->Append(kNew).done);
    EXPECT_EQ(FileText(), "1,古代常识,问,答,甲,乙,丙\r\n58,历史知识,新问题？,新答,错一,错二,错三\r\n");
    EXPECT_EQ(bank_.Count(), 2u);
}

TEST_F(Store, AppendToAnEmptyOrMissingFile)
{
    EXPECT_EQ(LoadText(""), std::nullopt);
    EXPECT_TRUE(bank_.Empty());
    ASSERT_TRUE(store_->Append(kNew).done);
    EXPECT_EQ(bank_.Count(), 1u);
    std::filesystem::remove(File());
    ASSERT_TRUE(store_->Append(kNew).done);
    EXPECT_EQ(FileText(), "58,历史知识,新问题？,新答,错一,错二,错三\r\n");
}

TEST_F(Store, ModifyRewritesTrimmedAndKeepsTheIdAsWritten)
{
    LoadText("1,古代常识,问一 ,答,甲,乙,丙  \r\n04,古代常识,问二,答,甲,乙,丙\r\n3,古代常识,问三,答,甲,乙,丙\r\n");
    const QuestionRecord opened = bank_.Record(1);
    QuestionRecord updated = opened;
    updated.category = "诗词对联";
    updated.question = "改过的问题";
    ASSERT_TRUE(store_->Replace(1, opened, updated).done);
    EXPECT_EQ(FileText(),
              "1,古代常识,问一,答,甲,乙,丙\r\n04,诗词对联,改过的问题,答,甲,乙,丙\r\n3,古代常识,问三,答,甲,乙,丙\r\n");
    EXPECT_EQ(bank_.ListLineAt(1), "<04>[诗词对联] 改过的问题");
}

TEST_F(Store, QuotedFieldWithACommaSurvivesAModify)
{
    LoadText("1,古代常识,\"甲,乙\",答,甲,乙,丙\r\n2,古代常识,问二,答,甲,乙,丙\r\n");
    ASSERT_EQ(bank_.Record(0).question, "甲,乙");
    QuestionRecord updated = bank_.Record(1);
    updated.correct = "新答";
    ASSERT_TRUE(store_->Replace(1, bank_.Record(1), updated).done);
    EXPECT_EQ(FileText(), "1,古代常识,\"甲,乙\",答,甲,乙,丙\r\n2,古代常识,问二,新答,甲,乙,丙\r\n");
    ASSERT_EQ(bank_.Count(), 2u);
    EXPECT_EQ(bank_.Record(0).question, "甲,乙");
}

TEST_F(Store, DeleteThreeOfTenMovesTheLastIntoTheGap)
{
    LoadText(NumberedBank(10));
    ASSERT_TRUE(store_->Remove(2, bank_.Record(2)).done);
    ASSERT_EQ(bank_.Count(), 9u);
    EXPECT_EQ(bank_.Record(2).question, "问题10？");
    EXPECT_EQ(bank_.Record(3).question, "问题4？");
    std::string expected = NumberedBank(9);
    expected.replace(expected.find("问题3？,答3,甲3,乙3,丙3"), std::string("问题3？,答3,甲3,乙3,丙3").size(),
                     "问题10？,答10,甲10,乙10,丙10");
    EXPECT_EQ(FileText(), expected);
}

TEST_F(Store, DeleteTheLastDropsTheLastLine)
{
    LoadText(NumberedBank(10));
    ASSERT_TRUE(store_->Remove(9, bank_.Record(9)).done);
    EXPECT_EQ(FileText(), NumberedBank(9));
}

TEST_F(Store, DeleteRenumbersIdsThatWereOutOfStep)
{
    LoadText("7,古代常识,甲,答,a,b,c\r\n7,古代常识,乙,答,a,b,c\r\n05,古代常识,丙,答,a,b,c\r\n");
    ASSERT_TRUE(store_->Remove(0, bank_.Record(0)).done);
    EXPECT_EQ(FileText(), "1,古代常识,丙,答,a,b,c\r\n2,古代常识,乙,答,a,b,c\r\n");
}

TEST_F(Store, TheOnlyQuestionIsNotDeleted)
{
    LoadText(NumberedBank(1));
    const std::string before = Slurp(File());
    const BankEditResult r = store_->Remove(0, bank_.Record(0));
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.message, kOnlyQuestionMessage);
    EXPECT_EQ(Slurp(File()), before);
    EXPECT_EQ(bank_.Count(), 1u);
}

// The record changed is the one opened, by its place, even when ids do not match places.
TEST_F(Store, ModifyChangesTheRecordOpenedNotTheOneWithItsNumber)
{
    LoadText("3,古代常识,甲,答,a,b,c\r\n1,古代常识,乙,答,a,b,c\r\n99,古代常识,丙,答,a,b,c\r\n");
    QuestionRecord updated = bank_.Record(2);
    updated.question = "改";
    ASSERT_TRUE(store_->Replace(2, bank_.Record(2), updated).done);
    EXPECT_EQ(FileText(), "3,古代常识,甲,答,a,b,c\r\n1,古代常识,乙,答,a,b,c\r\n99,古代常识,改,答,a,b,c\r\n");
}

TEST_F(Store, AFailedWriteChangesNothingAndIsNotDone)
{
    LoadText(NumberedBank(5));
    const std::string before = Slurp(File());
    store_->SetWriterForTest(&FailingWriter);
    QuestionRecord updated = bank_.Record(1);
    updated.question = "改";
    for (const BankEditResult& r :
         {store_->Append(kNew), store_->Replace(1, bank_.Record(1), updated), store_->Remove(1, bank_.Record(1))}) {
        EXPECT_FALSE(r.done);
        EXPECT_EQ(r.message, kSaveFailedMessage);
    }
    EXPECT_EQ(Slurp(File()), before);
    ASSERT_EQ(bank_.Count(), 5u);
    EXPECT_EQ(bank_.Record(1).question, "问题2？");
}

TEST_F(Store, AReadOnlyDirectoryFailsTheSaveCleanly)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only directories";
    }
    LoadText(NumberedBank(3));
    const std::string before = Slurp(File());
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(store_->Remove(0, bank_.Record(0)).done);
    EXPECT_FALSE(store_->Append(kNew).done);
    EXPECT_EQ(Slurp(File()), before);
    EXPECT_EQ(bank_.Count(), 3u);
}

TEST_F(Store, AFileChangedBehindOurBackIsReadAgainNotOverwritten)
{
    LoadText(NumberedBank(3));
    Spit(File(), Gbk(NumberedBank(4)));
    QuestionRecord updated = bank_.Record(0);
    updated.question = "改";
    const BankEditResult r = store_->Replace(0, bank_.Record(0), updated);
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.message, kChangedOutsideMessage);
    EXPECT_EQ(bank_.Count(), 4u);
    EXPECT_EQ(FileText(), NumberedBank(4));
    // Tried again, the change goes through and keeps the outside line.
    ASSERT_TRUE(store_->Replace(0, bank_.Record(0), updated).done);
    EXPECT_EQ(bank_.Count(), 4u);
    EXPECT_EQ(bank_.Record(3).question, "问题4？");
}

TEST_F(Store, AQuestionRemovedBehindOurBackIsNotTouched)
{
    LoadText(NumberedBank(3));
    const QuestionRecord opened = bank_.Record(2);
    Spit(File(), Gbk(NumberedBank(2)));
    EXPECT_EQ(store_->Remove(2, opened).message, kChangedOutsideMessage);
    const BankEditResult r = store_->Remove(2, opened);
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.message, kRecordGoneMessage);
    EXPECT_EQ(FileText(), NumberedBank(2));
}

TEST_F(Store, BytesThatAreNotGbkAreKeptAndNoEditIsMade)
{
    std::string bytes = Gbk(NumberedBank(2)) + "3,a,\x80\xFF,c,d,e,f\r\n";
    const auto notice = LoadBytes(bytes);
    ASSERT_TRUE(notice);
    EXPECT_EQ(*notice, UndecodableMessage(3));
    EXPECT_NE(notice->find("第3行"), std::string::npos);
    EXPECT_EQ(bank_.Count(), 3u);
    QuestionRecord updated = bank_.Record(0);
    updated.question = "改";
    EXPECT_FALSE(store_->Append(kNew).done);
    EXPECT_FALSE(store_->Replace(0, bank_.Record(0), updated).done);
    EXPECT_FALSE(store_->Remove(0, bank_.Record(0)).done);
    EXPECT_EQ(Slurp(File()), bytes);
}

TEST_F(Store, LinesThatAreNotQuestionsBlockRewritesButNotAppends)
{
    const auto notice = LoadText("1,古代常识,问,答,甲,乙,丙\r\n2,古代常识,半行\r\n3,古代常识,问,答,甲,乙,丙");
    ASSERT_TRUE(notice);
    EXPECT_EQ(*notice, BadLinesMessage({2}));
    EXPECT_EQ(bank_.Count(), 2u);
    EXPECT_FALSE(store_->Remove(0, bank_.Record(0)).done);
    ASSERT_TRUE(store_->Append(kNew).done);
    EXPECT_EQ(FileText(),
              "1,古代常识,问,答,甲,乙,丙\r\n2,古代常识,半行\r\n3,古代常识,问,答,甲,乙,丙\r\n"
              "58,历史知识,新问题？,新答,错一,错二,错三\r\n");
}

// Rewrites copy the lines they can and write the rest afresh; either way the file must be exactly
// the whole bank as the writer writes it, and read back as the bank in memory.
TEST_F(Store, EveryRewriteIsTheWholeBankAsWritten)
{
    LoadText(
        "1,古代常识,问一,答,甲,乙,丙\r\n"
        "2,古代常识 ,\"甲,乙\",答,甲,乙,丙  \r\n"
        "3,历史知识,  问三,答,甲,乙,丙\n"
        "\r\n"
        "04,历史知识,他说\"好\",答,甲,乙,丙\r\n"
        "5,诗词对联,问五,答,甲,乙,丙\r\n"
        "6,诗词对联,问六,答,甲,乙,丙");
    std::mt19937 random(7);
    for (int step = 0; step < 30 && bank_.Count() > 1; ++step) {
        const std::size_t k = random() % bank_.Count();
        const QuestionRecord opened = bank_.Record(k);
        if (step % 3 == 2) {
            ASSERT_TRUE(store_->Remove(k, opened).done);
            if (bank_.Count() < 3) {
                // An append writes the fields as typed, trailing blanks and all: no check here.
                ASSERT_TRUE(store_->Append(QuestionRecord{"9", "其它题目", " 新,题", "答 ", "a", "b", "c"}).done);
                continue;
            }
        } else {
            QuestionRecord changed = opened;
            changed.question = step % 2 ? "改 " + std::to_string(step) : "引,号\"" + std::to_string(step);
            ASSERT_TRUE(store_->Replace(k, opened, changed).done);
        }
        std::vector<QuestionRecord> records;
        for (std::size_t i = 0; i < bank_.Count(); ++i) {
            records.push_back(bank_.Record(i));
        }
        const std::string bytes = Slurp(File());
        ASSERT_EQ(bytes, FormatQuestionFile(records)) << "step " << step;
        ASSERT_EQ(ParseQuestionFile(bytes).records, records) << "step " << step;
        // The search follows the edits too.
        for (std::size_t i = 0; i < records.size(); ++i) {
            const auto found = bank_.FindInQuestions(records[i].question);
            ASSERT_NE(std::find(found.begin(), found.end(), i), found.end()) << "step " << step;
        }
    }
}

TEST(StoreMessages, BadLinesAreListedOnce)
{
    EXPECT_EQ(BadLinesMessage({2, 5}), "题库第2、5行不是七项的完整题目，没有列出；改正之前不能修改或删除！");
    EXPECT_NE(BadLinesMessage({1, 2, 3, 4, 5, 6, 7}).find("1、2、3、4、5等"), std::string::npos);
}

// A process killed while it saves leaves the old file or the new one, never a mix: a child keeps
// appending, deleting and rewriting, and is killed at a different moment each round. A torn file
// would show as a short or broken last line, a missing line break or a count out of step.
TEST_F(Store, AKillDuringASaveLeavesAWholeFile)
{
    constexpr std::size_t kCount = 3000;
    for (int round = 0; round < 12; ++round) {
        Spit(File(), Gbk(NumberedBank(static_cast<int>(kCount))));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            QuestionBank bank;
            QuestionStore store(bank, File());
            store.Load();
            for (std::size_t i = 0;; ++i) {
                QuestionRecord added{
                    std::to_string(kCount + 1), "历史知识", "新问题？", "新答", "错一", "错二", "错三"};
                const bool ok = store.Append(added).done && store.Remove(kCount, bank.Record(kCount)).done;
                QuestionRecord changed = bank.Record(i % kCount);
                changed.category = changed.category == "古代常识" ? "历史知识" : "古代常识";
                if (!ok || !store.Replace(i % kCount, bank.Record(i % kCount), changed).done) {
                    ::_exit(1);
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 11 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "the child stopped on its own in round " << round;
        const auto content = ParseQuestionFile(Slurp(File()));
        EXPECT_FALSE(content.undecodableLine) << "round " << round;
        EXPECT_TRUE(content.badLines.empty()) << "round " << round;
        EXPECT_TRUE(content.endsWithLineBreak) << "round " << round;
        ASSERT_TRUE(content.records.size() == kCount || content.records.size() == kCount + 1) << "round " << round;
        for (std::size_t k = 0; k < content.records.size(); ++k) {
            ASSERT_EQ(content.records[k].id, std::to_string(k + 1)) << "round " << round;
        }
    }
}

}  // namespace
