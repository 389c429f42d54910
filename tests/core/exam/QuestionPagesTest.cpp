#include <gtest/gtest.h>

#include "ExamTestSupport.h"
#include "core/exam/QuestionBrowser.h"
#include "core/exam/QuestionEditPages.h"

using namespace zicalc;
using namespace zicalc::testing_support;

namespace {

class Pages : public TempDirTest {
protected:
    void Load(std::string_view utf8)
    {
        Spit(dir_ / "test.dat", Gbk(utf8));
        store_ = std::make_unique<QuestionStore>(bank_, dir_ / "test.dat");
        store_->Load();
    }
    std::string FileText() const { return DecodeGbk(Slurp(dir_ / "test.dat")).text; }
    void Fill(auto& page, std::array<const char*, 5> texts)
    {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            page.SetField(i, texts[i]);
        }
    }

    QuestionBank bank_;
    std::unique_ptr<QuestionStore> store_;
};

TEST_F(Pages, AddingToABankOf57)
{
    Load(NumberedBank(57));
    AddPageModel add;
    add.Open(bank_);
    EXPECT_EQ(add.idText(), "58");
    EXPECT_EQ(add.category(), "其它题目");
    EXPECT_EQ(add.status(), "");
    add.SetCategory("历史知识");
    Fill(add, {"新问题", "对", "错一", "错二", "错三 "});
    const EditOutcome out = add.Add(*store_);
    EXPECT_FALSE(out.warning);
    EXPECT_EQ(out.focus, EditFocus::Category);
    EXPECT_EQ(add.status(), "添加完毕!");
    EXPECT_EQ(add.idText(), "59");
    EXPECT_EQ(add.category(), "其它题目");
    EXPECT_EQ(add.fields(), QuestionFields{});
    EXPECT_EQ(FileText(), NumberedBank(57) + "58,历史知识,新问题,对,错一,错二,错三 \r\n");
    EXPECT_EQ(bank_.Count(), 58u);
}

TEST_F(Pages, AddWithAnEmptyFieldWritesNothing)
{
    Load(NumberedBank(2));
    AddPageModel add;
    add.Open(bank_);
    Fill(add, {"问", "答", "", "乙", "丙"});
    const EditOutcome out = add.Add(*store_);
    EXPECT_EQ(add.status(), "待输入框不能为空！");
    EXPECT_EQ(out.focus, EditFocus::Category);
    EXPECT_EQ(FileText(), NumberedBank(2));
    EXPECT_EQ(add.Clear().focus, EditFocus::Category);
    EXPECT_EQ(add.status(), "清空完毕!");
    EXPECT_EQ(add.fields(), QuestionFields{});
}

TEST_F(Pages, AFailedAddKeepsWhatThePlayerTyped)
{
    Load(NumberedBank(2));
    store_->SetWriterForTest([](const std::filesystem::path&, std::string_view) { return FileStatus{"disk full"}; });
    AddPageModel add;
    add.Open(bank_);
    Fill(add, {"问", "答", "甲", "乙", "丙"});
    const EditOutcome out = add.Add(*store_);
    EXPECT_EQ(out.warning, kSaveFailedMessage);
    EXPECT_EQ(add.status(), "");
    EXPECT_EQ(add.idText(), "3");
    EXPECT_EQ(add.fields()[4], "丙");
    EXPECT_EQ(FileText(), NumberedBank(2));
}

TEST_F(Pages, ModifyNeedsASecondPressAndTheButtonsDisarmEachOther)
{
    Load(NumberedBank(5));
    ModifyPageModel page;
    page.Open(bank_, 4);
    EXPECT_EQ(page.idText(), "5");
    EXPECT_EQ(page.fields()[0], "问题5？");
    EXPECT_FALSE(page.Modify(*store_).warning);
    EXPECT_EQ(page.status(), "请再按一次“修改”键确认！");
    page.Cancel();
    EXPECT_EQ(page.status(), "修改/删除已被取消了！");
    page.Modify(*store_);
    EXPECT_TRUE(page.modifyArmed());
    EXPECT_EQ(page.status(), "请再按一次“修改”键确认！");
    // "删除" after "修改" only arms the deletion.
    page.Delete(*store_);
    EXPECT_FALSE(page.modifyArmed());
    EXPECT_TRUE(page.deleteArmed());
    EXPECT_EQ(page.status(), "请再按一次“删除”键确认!");
    page.Modify(*store_);
    EXPECT_FALSE(page.deleteArmed());
    EXPECT_EQ(FileText(), NumberedBank(5));
    // 退出 keeps the flags; opening again clears them.
    EXPECT_TRUE(page.Exit().backToBrowser);
    EXPECT_TRUE(page.modifyArmed());
    page.Open(bank_, 4);
    EXPECT_FALSE(page.modifyArmed());
    EXPECT_EQ(page.status(), "");
}

TEST_F(Pages, ModifyWithAnEmptyFieldStaysArmed)
{
    Load(NumberedBank(5));
    ModifyPageModel page;
    page.Open(bank_, 4);
    page.Modify(*store_);
    page.SetField(2, "");
    EXPECT_EQ(page.Modify(*store_).focus, EditFocus::Category);
    EXPECT_EQ(page.status(), "待输入框不能为空！");
    page.SetField(2, "新的错一");
    page.SetCategory("诗词对联");
    const EditOutcome out = page.Modify(*store_);
    EXPECT_EQ(out.warning, "修改完毕!");
    EXPECT_TRUE(out.backToBrowser);
    EXPECT_EQ(out.focus, EditFocus::SearchField);
    EXPECT_EQ(bank_.Record(4), (QuestionRecord{"5", "诗词对联", "问题5？", "答5", "新的错一", "乙5", "丙5"}));
}

TEST_F(Pages, DeleteTwice)
{
    Load(NumberedBank(10));
    ModifyPageModel page;
    page.Open(bank_, 2);
    page.Delete(*store_);
    const EditOutcome out = page.Delete(*store_);
    EXPECT_EQ(out.warning, "删除完毕!");
    EXPECT_TRUE(out.backToBrowser);
    EXPECT_EQ(bank_.Count(), 9u);
}

TEST_F(Pages, DeletingTheOnlyQuestionIsRefusedAndThePageStays)
{
    Load(NumberedBank(1));
    ModifyPageModel page;
    page.Open(bank_, 0);
    page.Delete(*store_);
    const EditOutcome out = page.Delete(*store_);
    EXPECT_EQ(out.warning, kOnlyQuestionMessage);
    EXPECT_FALSE(out.backToBrowser);
    EXPECT_FALSE(page.deleteArmed());
    EXPECT_EQ(FileText(), NumberedBank(1));
}

TEST_F(Pages, AnUnknownCategoryIsShownAsWritten)
{
    Load("1,神话传说,问,答,甲,乙,丙\r\n");
    ModifyPageModel page;
    page.Open(bank_, 0);
    EXPECT_EQ(page.category(), "神话传说");
}

struct NumberCase {
    std::string_view id;
    std::string_view shown;
};
class PlainNumber : public testing::TestWithParam<NumberCase> {};
TEST_P(PlainNumber, DropsLeadingZeros)
{
    EXPECT_EQ(PlainQuestionNumber(GetParam().id), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Ids, PlainNumber,
                         testing::Values(NumberCase{"04", "4"}, NumberCase{"12", "12"}, NumberCase{"0", "0"},
                                         NumberCase{"", "0"}, NumberCase{"abc", "0"}, NumberCase{" 7x", "7"},
                                         NumberCase{"123456789012345678901", "123456789012345678901"}));

// Typing a , b " c " ( d ) ? gives a，b“c”（d）？ and leaves the shared quote flag off.
TEST(KeyFilter, FullWidthReplacementsAndTheSharedQuote)
{
    bool quoteToggle = false;
    std::string typed;
    for (char32_t key : std::u32string(U"a,b\"c\"(d)?")) {
        if (auto r = QuestionKeyReplacement(key, quoteToggle)) {
            typed += *r;
        } else {
            typed += static_cast<char>(key);
        }
    }
    EXPECT_EQ(typed, "a，b“c”（d）？");
    EXPECT_FALSE(quoteToggle);
    EXPECT_EQ(QuestionKeyReplacement(U'"', quoteToggle), "“");
    EXPECT_EQ(QuestionKeyReplacement(U':', quoteToggle), "：");
    EXPECT_EQ(QuestionKeyReplacement(U';', quoteToggle), "；");
    EXPECT_EQ(QuestionKeyReplacement(U'<', quoteToggle), "《");
    EXPECT_EQ(QuestionKeyReplacement(U'>', quoteToggle), "》");
    EXPECT_EQ(QuestionKeyReplacement(U'x', quoteToggle), std::nullopt);
    EXPECT_TRUE(IsAllowedQuestionText("甲，乙“丙”"));
    EXPECT_FALSE(IsAllowedQuestionText("甲,乙"));
    EXPECT_FALSE(IsAllowedQuestionText("说\"好"));
}

class Browser : public testing::Test {
protected:
    void SetUp() override
    {
        bank_.Assign({
            {"1", "游戏知识", "长安城的驿站老板叫什么？", "驿站老板", "a", "b", "c"},
            {"2", "历史知识", "唐朝的都城是？", "长安", "a", "b", "c"},
            {"3", "游戏知识", "哪个门派在长寿村？", "方寸山", "a", "b", "c"},
            {"4", "历史知识", "Tang and tang？", "x", "a", "b", "c"},
            {"5", "神话传说", "孙悟空的师父是谁（第一位）？", "菩提祖师", "a", "b", "c"},
        });
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < browser_.ViewCount(); ++i) {
            lines.push_back(browser_.ViewLine(i));
        }
        return lines;
    }
    QuestionBank bank_;
    QuestionBrowser browser_{bank_};
};

TEST_F(Browser, CategoryListsInBankOrderAndColoursTheOption)
{
    browser_.ClickCategory(1);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"<1>[游戏知识] 长安城的驿站老板叫什么？", "<3>[游戏知识] 哪个门派在长寿村？"}));
    EXPECT_EQ(browser_.selectedCategory(), 1);
    EXPECT_EQ(browser_.OptionColour(1), colours::kMagenta);
    EXPECT_EQ(browser_.OptionColour(0), colours::kBlue);
    browser_.ClickCategory(0);
    EXPECT_EQ(browser_.ViewCount(), 5u);  // 全部题目 holds the unknown category too
    browser_.ClickCategory(6);
    EXPECT_EQ(browser_.ViewCount(), 0u);
}

TEST_F(Browser, SearchLooksInQuestionsOnlyAndDropsTheCategory)
{
    browser_.ClickCategory(4);
    browser_.SetSearchText("长安");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<1>[游戏知识] 长安城的驿站老板叫什么？"}));
    EXPECT_EQ(browser_.selectedCategory(), kNoCategoryOption);
    EXPECT_EQ(browser_.OptionColour(4), colours::kBlue);
    browser_.SetSearchText("tang");
    EXPECT_EQ(browser_.ViewCount(), 1u);
    browser_.SetSearchText("TANG");  // case counts
    EXPECT_EQ(browser_.ViewCount(), 0u);
    browser_.SetSearchText("（第一位）");  // full-width brackets are searched
    EXPECT_EQ(browser_.ViewCount(), 1u);
    browser_.SetSearchText("");
    EXPECT_EQ(browser_.ViewCount(), 0u);
    EXPECT_EQ(browser_.selectedCategory(), kNoCategoryOption);
}

TEST_F(Browser, SixSingleCharactersListNothing)
{
    for (std::string_view c : {"？", "，", "：", ")", "(", " "}) {
        browser_.SetSearchText(c);
        EXPECT_EQ(browser_.ViewCount(), 0u) << c;
    }
    browser_.SetSearchText("？？");
    EXPECT_EQ(browser_.ViewCount(), 0u);
    browser_.SetSearchText("？");
    browser_.SetSearchText("么？");
    EXPECT_EQ(browser_.ViewCount(), 1u);
}

TEST_F(Browser, ClickingALineShowsItsAnswerAndTheCheckedCategoryAgainClearsIt)
{
    browser_.ClickCategory(4);
    browser_.SelectLine(0);
    EXPECT_TRUE(browser_.questionSelected());
    EXPECT_EQ(browser_.selectedIndex(), 1u);
    EXPECT_EQ(browser_.shownLine(), "<2>[历史知识] 唐朝的都城是？");
    EXPECT_EQ(browser_.shownAnswer(), "长安");
    browser_.ClickCategory(4);
    EXPECT_EQ(browser_.ViewCount(), 2u);
    EXPECT_FALSE(browser_.questionSelected());
    EXPECT_EQ(browser_.shownAnswer(), "");
}

TEST_F(Browser, ACategoryClickEmptiesTheSearchFirstAndResetClearsAll)
{
    browser_.SetSearchText("长");
    browser_.SelectLine(0);
    browser_.ClickCategory(2);
    EXPECT_EQ(browser_.searchText(), "");
    EXPECT_EQ(browser_.selectedCategory(), 2);
    EXPECT_FALSE(browser_.questionSelected());
    browser_.Reset();
    EXPECT_EQ(browser_.ViewCount(), 0u);
    EXPECT_EQ(browser_.selectedCategory(), kNoCategoryOption);
    EXPECT_EQ(browser_.searchText(), "");
}

}  // namespace
