#include <gtest/gtest.h>

#include <string>

#include "core/commerce/ShopBudget.h"

using namespace zicalc;

namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("12abc"), 12);
    EXPECT_EQ(LeadingNumber(" 7"), 7);
    EXPECT_EQ(LeadingNumber("3.5x"), 3.5);
    EXPECT_EQ(LeadingNumber("-4"), -4);
    EXPECT_EQ(LeadingNumber("007"), 7);
}

struct HundredthsCase {
    double value;
    const char* text;
};

class Hundredths : public testing::TestWithParam<HundredthsCase> {};

TEST_P(Hundredths, TwoDecimalsHalfAwayFromZero)
{
    EXPECT_EQ(FormatHundredths(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, Hundredths,
                         testing::Values(HundredthsCase{45, "45.00"}, HundredthsCase{0, "0.00"},
                                         HundredthsCase{19.2, "19.20"}, HundredthsCase{21.4608, "21.46"},
                                         HundredthsCase{0.125, "0.13"}, HundredthsCase{214650.0 / 10000, "21.47"},
                                         HundredthsCase{-0.125, "-0.13"}, HundredthsCase{99.995, "100.00"},
                                         HundredthsCase{-0.004, "0.00"}, HundredthsCase{-0.0, "0.00"},
                                         HundredthsCase{19.2 - 21.46 - 1, "-3.26"}, HundredthsCase{1e-9, "0.00"},
                                         HundredthsCase{123456.784, "123456.78"}));

TEST(DaysCharged, StartedDaysCountFullAndZeroHoursOneDay)
{
    EXPECT_EQ(DaysCharged(0), 1);
    EXPECT_EQ(DaysCharged(1), 1);
    EXPECT_EQ(DaysCharged(24), 1);
    EXPECT_EQ(DaysCharged(30), 2);
    EXPECT_EQ(DaysCharged(48), 2);
    EXPECT_EQ(DaysCharged(49), 3);
}

TEST(ShopBudget, WorkedExample)
{
    const auto r = ShopBudget(50, 3, 2, 30, 3000, 2, 10000);
    EXPECT_EQ(r.capital, "45.00");
    EXPECT_EQ(r.income, "19.20");
    EXPECT_EQ(r.maintenance, "21.46");
    EXPECT_EQ(r.profit, "-3.26");
}

// The model, driven as the window drives it.
class ShopBudgetWindow : public testing::Test {
protected:
    ShopBudgetModel model;
    const ShopBudgetView& v = model.View();
};

TEST_F(ShopBudgetWindow, ExpansionCostShowsFifteenDigits)
{
    EXPECT_EQ(model.ChangeText1("50"), std::nullopt);
    EXPECT_EQ(model.ChangeText2("3"), std::nullopt);
    EXPECT_EQ(v.text3, "92.7");
    EXPECT_EQ(v.text4[0], "50");
    model.ChangeText1("987");
    model.ChangeText2("6");
    EXPECT_EQ(v.text3, "3659.796");
}

TEST_F(ShopBudgetWindow, CommerceIndexEmptyOrTooManyCounters)
{
    model.ChangeText1("50");
    model.ChangeText2("3");
    EXPECT_EQ(model.ChangeText1(""), "商业指数不能为空！");
    EXPECT_EQ(v.text1, "");
    EXPECT_EQ(v.text3, "0");
    EXPECT_EQ(v.text4[0], "0");

    model.ChangeText1("50");
    EXPECT_EQ(model.ChangeText2(""), "商店柜台数不能为空！");
    EXPECT_EQ(v.text3, "0");
    EXPECT_EQ(model.ChangeText2("11"), "商店柜台数不能多于10！");
    EXPECT_EQ(v.text2, "11");
    EXPECT_EQ(v.text3, "0");
    // The commerce index recomputes without looking at the counter limit again.
    EXPECT_EQ(model.ChangeText1("10"), std::nullopt);
    EXPECT_EQ(v.text3, "67.98");
}

struct RefusalCase {
    std::size_t field;
    const char* total;  // Text4(1) before the change
    const char* text;
    const char* message;
};

class ShopBudgetRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(ShopBudgetRefusals, ResetTheFieldAndTheResults)
{
    const auto& c = GetParam();
    ShopBudgetModel model;
    model.ChangeText4(1, c.total);
    model.ChangeText4(2, "1");
    model.Calculate();
    ASSERT_NE(model.View().text4[7], "0");
    EXPECT_EQ(model.ChangeText4(c.field, c.text), c.message);
    EXPECT_EQ(model.View().text4[c.field], "0");
    for (std::size_t i = 7; i <= 10; ++i) {
        EXPECT_EQ(model.View().text4[i], "0") << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ShopBudgetRefusals,
    testing::Values(RefusalCase{1, "3", "", "总柜台数不能为空！"}, RefusalCase{1, "3", "11", "总柜台数不能大于10！"},
                    RefusalCase{2, "3", "", "营业中柜台数不能为空！"},
                    RefusalCase{2, "10", "11", "营业中柜台数不能大于10！"},
                    RefusalCase{2, "3", "4", "柜台数不能大于总柜台数！"},
                    RefusalCase{2, "2", "10", "柜台数不能大于总柜台数！"},  // as text "10" < "2"
                    RefusalCase{3, "3", "", "营业总时间不能为空！"}, RefusalCase{4, "3", "", "平均单价不能为空！"},
                    RefusalCase{5, "3", "", "补店次数不能为空！"}, RefusalCase{6, "3", "", "额外支出不能为空！"}));

TEST_F(ShopBudgetWindow, OpenCountersComparedAsNumbers)
{
    model.ChangeText4(1, "10");
    EXPECT_EQ(model.ChangeText4(2, "9"), std::nullopt);  // as text "9" > "10"
    EXPECT_EQ(v.text4[2], "9");
    // Lowering the total afterwards is let through.
    EXPECT_EQ(model.ChangeText4(1, "3"), std::nullopt);
    EXPECT_EQ(v.text4[2], "9");
}

TEST_F(ShopBudgetWindow, CalculateThenClearKeepsTheResults)
{
    model.ChangeText1("50");
    model.ChangeText2("3");
    const char* inputs[] = {"3", "2", "30", "3000", "2", "10000"};
    for (std::size_t i = 1; i <= 6; ++i) {
        ASSERT_EQ(model.ChangeText4(i, inputs[i - 1]), std::nullopt);
    }
    model.Calculate();
    EXPECT_EQ(v.text4[7], "45.00");
    EXPECT_EQ(v.text4[8], "19.20");
    EXPECT_EQ(v.text4[9], "21.46");
    EXPECT_EQ(v.text4[10], "-3.26");

    model.Clear();
    EXPECT_EQ(v.text1, "0");
    EXPECT_EQ(v.text2, "0");
    EXPECT_EQ(v.text3, "0");
    for (std::size_t i = 0; i <= 6; ++i) {
        EXPECT_EQ(v.text4[i], "0") << i;
    }
    EXPECT_EQ(v.text4[7], "45.00");
    EXPECT_EQ(v.text4[10], "-3.26");
}

TEST_F(ShopBudgetWindow, ZeroHoursChargeOneDay)
{
    model.ChangeText1("10");
    model.ChangeText4(1, "1");
    model.Calculate();  // (10·500·1·1) / 10000
    EXPECT_EQ(v.text4[9], "0.50");
    EXPECT_EQ(v.text4[10], "-0.50");
}

}  // namespace
