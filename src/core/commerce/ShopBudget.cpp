#include "core/commerce/ShopBudget.h"

#include <algorithm>
#include <cmath>

#include "core/app/Numeric.h"

namespace zicalc {

double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    double scale = 0;  // 0 before the decimal point, then the place value of the next digit
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if (c == '.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return sign * value;
}

std::string FormatHundredths(double value)
{
    if (!std::isfinite(value)) {
        return FormatDouble(value);
    }
    // Work on the decimal digits as shown, so ties are the ones a reader sees.
    std::string shown = FormatDouble(value);
    const bool negative = !shown.empty() && shown.front() == '-';
    if (negative) {
        shown.erase(0, 1);
    }
    std::string whole = shown;
    std::string frac;
    if (const auto point = shown.find('.'); point != std::string::npos) {
        whole = shown.substr(0, point);
        frac = shown.substr(point + 1);
    }
    frac.resize(std::max<std::size_t>(frac.size(), 3), '0');
    std::string digits = whole + frac.substr(0, 2);  // the value in hundredths
    if (frac[2] >= '5') {
        // Carry one hundredth up through the digits.
        std::size_t k = digits.size();
        while (k > 0) {
            --k;
            if (digits[k] == '9') {
                digits[k] = '0';
            } else {
                ++digits[k];
                break;
            }
            if (k == 0) {
                digits.insert(digits.begin(), '1');
            }
        }
    }
    std::string out = digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
    const bool zero = out.find_first_not_of("0.") == std::string::npos;
    return (negative && !zero) ? "-" + out : out;
}

double ExpansionCost(double commerceIndex, double counters)
{
    return commerceIndex * 0.6 * 1.03 * counters;
}

std::int32_t DaysCharged(double hours)
{
    const double days = hours / 24;
    auto charged = static_cast<std::int32_t>(FloorInt(days));
    if (days != std::floor(days)) {
        ++charged;
    }
    if (hours == 0) {
        charged = 1;
    }
    return charged;
}

ShopBudgetResult ShopBudget(double I, double N, double n, double H, double P, double R, double E)
{
    const std::int32_t days = DaysCharged(H);
    ShopBudgetResult r;
    r.capital = FormatHundredths(I * 0.3 * N);
    r.income = FormatHundredths(n * 16 * P * R / 10000);
    r.maintenance =
        FormatHundredths((I * 500 * N * days + I * 20 * n * H + (0.056 - (N - 1) * 0.004) * (P * 16 * n)) / 10000);
    r.profit = FormatHundredths(LeadingNumber(r.income) - LeadingNumber(r.maintenance) - E / 10000);
    return r;
}

ShopBudgetModel::Warning ShopBudgetModel::ChangeText1(std::string text)
{
    view_.text1 = std::move(text);
    if (view_.text1.empty()) {
        view_.text3 = "0";
        view_.text4[0] = "0";
        return "商业指数不能为空！";
    }
    // The counter limit of Text2 is not looked at again here: a cost over too many counters shows.
    view_.text3 = FormatDouble(ExpansionCost(LeadingNumber(view_.text1), LeadingNumber(view_.text2)));
    view_.text4[0] = view_.text1;
    return std::nullopt;
}

ShopBudgetModel::Warning ShopBudgetModel::ChangeText2(std::string text)
{
    view_.text2 = std::move(text);
    if (view_.text2.empty()) {
        view_.text3 = "0";
        return "商店柜台数不能为空！";
    }
    if (LeadingNumber(view_.text2) > 10) {
        view_.text3 = "0";
        return "商店柜台数不能多于10！";
    }
    view_.text3 = FormatDouble(ExpansionCost(LeadingNumber(view_.text1), LeadingNumber(view_.text2)));
    return std::nullopt;
}

void ShopBudgetModel::ClearResults()
{
    for (std::size_t i = 7; i <= 10; ++i) {
        view_.text4[i] = "0";
    }
}

ShopBudgetModel::Warning ShopBudgetModel::Refuse(std::size_t i, std::string message)
{
    ClearResults();
    view_.text4[i] = "0";
    return message;
}

ShopBudgetModel::Warning ShopBudgetModel::ChangeText4(std::size_t i, std::string text)
{
    view_.text4.at(i) = std::move(text);
    const std::string& t = view_.text4[i];
    const bool empty = t.empty();
    switch (i) {
        case 1:
            if (empty) {
                return Refuse(i, "总柜台数不能为空！");
            }
            if (LeadingNumber(t) > 10) {
                return Refuse(i, "总柜台数不能大于10！");
            }
            // Lowering the total below the open counters is let through; 计算 uses what is shown.
            return std::nullopt;
        case 2:
            if (empty) {
                return Refuse(i, "营业中柜台数不能为空！");
            }
            if (LeadingNumber(t) > 10) {
                return Refuse(i, "营业中柜台数不能大于10！");
            }
            if (LeadingNumber(t) > LeadingNumber(view_.text4[1])) {
                return Refuse(i, "柜台数不能大于总柜台数！");
            }
            return std::nullopt;
        case 3:
            return empty ? Refuse(i, "营业总时间不能为空！") : std::nullopt;
        case 4:
            return empty ? Refuse(i, "平均单价不能为空！") : std::nullopt;
        case 5:
            return empty ? Refuse(i, "补店次数不能为空！") : std::nullopt;
        case 6:
            return empty ? Refuse(i, "额外支出不能为空！") : std::nullopt;
        default:
            return std::nullopt;
    }
}

void ShopBudgetModel::Calculate()
{
    const auto& f = view_.text4;
    const ShopBudgetResult r =
        ShopBudget(LeadingNumber(f[0]), LeadingNumber(f[1]), LeadingNumber(f[2]), LeadingNumber(f[3]),
                   LeadingNumber(f[4]), LeadingNumber(f[5]), LeadingNumber(f[6]));
    view_.text4[7] = r.capital;
    view_.text4[8] = r.income;
    view_.text4[9] = r.maintenance;
    view_.text4[10] = r.profit;
}

void ShopBudgetModel::Clear()
{
    // Each reset goes through its field's own handler, as a typed "0" would; none of them warns.
    ChangeText1("0");
    ChangeText2("0");
    for (std::size_t i = kInputFirst; i <= kInputLast; ++i) {
        ChangeText4(i, "0");
    }
}

}  // namespace zicalc
