#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zicalc {

// A field read as the number at the start of its text: leading blanks, an optional sign, digits
// with at most one decimal point; whatever follows is ignored, and no number at all reads as 0.
double LeadingNumber(std::string_view text);

// Plain two-decimal text ("45.00", "-3.26"). The value is first taken as shown with 15 significant
// digits, so a computed 21.465 (stored a hair below) counts as the exact half it stands for; a half
// hundredth rounds away from zero, and anything that rounds to zero shows "0.00", never "-0.00".
std::string FormatHundredths(double value);

// Building fee, upkeep and 3 % tax of new counters, in 万两: index × 0.6 × 1.03 × counters.
double ExpansionCost(double commerceIndex, double counters);

// Days charged for `hours` of business: whole days once, a started day as a full one, and zero
// hours as one day.
std::int32_t DaysCharged(double hours);

// The four results of a budget, as shown (two decimals each).
struct ShopBudgetResult final {
    std::string capital;      // 基本运营资金
    std::string income;       // 总收入
    std::string maintenance;  // 总维护费用
    std::string profit;       // 最终纯利润, from the two texts above
};

// I 商业指数 (%), N 总柜台数, n 营业中柜台数, H hours, P average price (两), R restocks, E extra
// expenses (两); all amounts out are in 万两.
ShopBudgetResult ShopBudget(double I, double N, double n, double H, double P, double R, double E);

// The texts of the pet-shop window, as the window shows them.
struct ShopBudgetView final {
    std::string text1 = "0";  // 商业指数
    std::string text2 = "0";  // counters to build
    std::string text3 = "0";  // expansion cost, read-only
    std::array<std::string, 11> text4{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
};

// The pet-shop window's state and its handlers. Each change handler takes the field's new text
// and answers the warning to show after the fields have been updated (nullopt: none).
class ShopBudgetModel final {
public:
    using Warning = std::optional<std::string>;

    static constexpr std::size_t kInputFirst = 1;  // Text4(1) … Text4(6) take input
    static constexpr std::size_t kInputLast = 6;

    const ShopBudgetView& View() const { return view_; }

    Warning ChangeText1(std::string text);
    Warning ChangeText2(std::string text);
    // Text4(i) for an input field i = 1 … 6; other indices are read-only and only store the text.
    Warning ChangeText4(std::size_t i, std::string text);
    // 计算: the budget from the current fields.
    void Calculate();
    // 清空: every input back to "0" through its change handler; the results stay.
    void Clear();

private:
    void ClearResults();
    Warning Refuse(std::size_t i, std::string message);

    ShopBudgetView view_;
};

}  // namespace zicalc
