#pragma once

#include <array>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxPetLevel = 160;
inline constexpr int kGrowthInputs = 7;  // Text13(0) … Text13(6)
inline constexpr int kOriginInputs = 7;  // Text15(0) … Text15(6)

// "根据气血计算": level Text13(0), HP Text13(1), 体质 Text13(2), HP aptitude Text13(3) in;
// the new-scale rate Text14(0) and the old-scale rate Text14(1) out.
Outcome GrowthFromHp(std::string_view level, std::string_view hp, std::string_view constitution,
                     std::string_view aptitude);

// "根据魔法计算": level Text13(0), mana Text13(4), 法力 Text13(5), mana aptitude Text13(6) in;
// Text14(0) and Text14(1) out, and the four inputs, which an empty field resets to "0".
Outcome GrowthFromMp(std::string_view level, std::string_view mana, std::string_view magic, std::string_view aptitude);

// "成长率计算"'s "重设", also its start-up state: "0" in Text13(0) … Text13(6), both rates empty.
Outcome GrowthRateReset();

// "宝宝判别": level Text15(0), the points 体质, 法力, 力量, 耐力, 敏捷 Text15(1) … Text15(5) and the
// unspent potential Text15(6) in; the verdict Text15(7) out.
Outcome OriginTest(const std::array<std::string_view, 7>& inputs);

// Its "重设", also its start-up state: "0" in Text15(0) … Text15(6), the verdict empty.
Outcome OriginTestReset();

}  // namespace zicalc
