#pragma once

#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

// The money (两) a character of level L may carry: 2000 · L² + 10000 up to level 99, a flat
// 20 000 000 from level 100 to 155.
double MoneyCap(double level);

// The frame "携带金钱": level Text4(0) in; the cap Text4(1) out.
Outcome MoneyCapOutcome(std::string_view level);

// Its "重设", also the start-up state: level "0", the cap of level 0.
Outcome MoneyCapReset();

}  // namespace zicalc
