#include <gtest/gtest.h>

#include "core/app/Navigation.h"

using namespace zicalc;

namespace {

struct Case {
    const char* name;
    int clicked;
    CategoryState state;
    std::optional<std::string> warning;
    std::optional<int> switchTo;
    bool loadBank;
};

class CategorySwitch : public testing::TestWithParam<Case> {};

TEST_P(CategorySwitch, Decides)
{
    const auto& c = GetParam();
    const auto d = DecideCategorySwitch(c.clicked, c.state);
    EXPECT_EQ(d.warning, c.warning);
    EXPECT_EQ(d.switchTo, c.switchTo);
    EXPECT_EQ(d.loadBank, c.loadBank);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CategorySwitch,
    testing::Values(
        Case{"SwitchesToAnotherPage", 1, {0, false, false, false}, std::nullopt, 1, false},
        Case{"SamePageDoesNothing", 0, {0, false, false, false}, std::nullopt, std::nullopt, false},
        Case{"ChildrenIsClosed", 4, {0, false, false, false}, "对不起,暂不开放!", std::nullopt, false},
        Case{"ChildrenSilentOnBankPage", 4, {5, true, true, true}, std::nullopt, std::nullopt, false},
        Case{"ExamWithoutFile", 5, {0, false, false, false}, "找不到科举题库!", std::nullopt, false},
        Case{"ExamWithoutFileEvenOnBankPage", 5, {5, true, false, true}, "找不到科举题库!", std::nullopt, false},
        Case{"ExamFirstTimeLoads", 5, {0, false, true, false}, std::nullopt, 5, true},
        Case{"ExamAgainDoesNotReload", 5, {2, false, true, true}, std::nullopt, 5, false},
        Case{"BankPageLocksCategories", 1, {5, true, true, true}, std::nullopt, std::nullopt, false}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
