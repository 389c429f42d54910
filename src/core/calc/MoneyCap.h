#pragma once

#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

// The money (两) a character of level L may carry: 2000 · L² + 10000 up to level 99, a flat
// 20 000 000 from level 100 to 155.
double MoneyCap(double level);

// The frame "携带金钱": level Text4(0) in; field [0] the cap Text4(1).
CalcOutcome MoneyCapOutcome(std::string_view level);

}  // namespace zicalc
