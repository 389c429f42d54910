#pragma once

#include <array>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxPetLevel = 160;

// "根据气血计算": level Text13(0), HP Text13(1), 体质 Text13(2), HP aptitude Text13(3) in.
// Fields: [0] new-scale rate Text14(0), [1] old-scale rate Text14(1).
CalcOutcome GrowthFromHp(std::string_view level, std::string_view hp, std::string_view constitution,
                         std::string_view aptitude);

// "根据魔法计算": level Text13(0), mana Text13(4), 法力 Text13(5), mana aptitude Text13(6) in.
// Fields: [0] Text14(0), [1] Text14(1), and the inputs [2] Text13(0), [3] Text13(4),
// [4] Text13(5), [5] Text13(6), which an empty field resets to "0".
CalcOutcome GrowthFromMp(std::string_view level, std::string_view mana, std::string_view magic,
                         std::string_view aptitude);

// "宝宝判别": level Text15(0), the points 体质, 法力, 力量, 耐力, 敏捷 Text15(1) … Text15(5) and the
// unspent potential Text15(6) in. Fields: [0] the verdict Text15(7).
CalcOutcome OriginTest(const std::array<std::string_view, 7>& inputs);

}  // namespace zicalc
