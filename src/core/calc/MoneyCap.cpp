#include "core/calc/MoneyCap.h"

#include "core/app/Numeric.h"
#include "core/calc/Experience.h"

namespace zicalc {

double MoneyCap(double level)
{
    if (level <= 99) {
        return 2000 * level * level + 10000;
    }
    return 20000000;
}

Outcome MoneyCapOutcome(std::string_view level)
{
    Outcome out;
    if (level.empty()) {
        out.Warn("待输入项不能为空！");
        return out;
    }
    const auto l = ParseDouble(level);
    if (!l || *l > kMaxCharacterLevel) {
        out.Warn("输入等级不能大于155！");
        return out;
    }
    out.Text("Text4(1)", FormatDouble(MoneyCap(*l)));
    return out;
}

Outcome MoneyCapReset()
{
    Outcome out;
    out.Text("Text4(0)", "0").Text("Text4(1)", "10000");
    return out;
}

}  // namespace zicalc
