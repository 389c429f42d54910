#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr int kMaxSchoolSkillLevel = 160;
inline constexpr int kDetailRows = 7;

// What one level of a school skill costs.
struct SkillCostRow final {
    std::int32_t experience;
    std::int32_t money;
};

// Cost of raising a school skill from level i to i + 1, for i = 0 … 159.
extern const std::array<SkillCostRow, kMaxSchoolSkillLevel> SkillCostTable;

// Sum of the table rows from … to − 1 (zero when from >= to); both levels within 0 … 160.
SkillCostRow SkillCostBetween(int from, int to);

// The frame "门派技能", Button3(k) with k = 0 … 6: the cost of `multiplier` (1 … 7) skills over
// the same level range. Experience Text3(2), money Text3(3) and the red label Label24 out.
Outcome SchoolSkillCost(std::string_view fromLevel, std::string_view toLevel, int multiplier);

// Its "重设" Button3(7): results black, Label24 hidden, "0" in all four fields.
Outcome SchoolSkillReset();

// The frame at start-up: as after "重设", with Label24 captioned "(X1项)".
Outcome SchoolSkillDefaults();

// Form2's "计算" over its seven rows.
struct DetailInput final {
    std::array<std::string_view, kDetailRows> from{};
    std::array<std::string_view, kDetailRows> to{};
    std::array<bool, kDetailRows> checked{};
};

// Form2's "计算": the rows' check boxes Check1(i) are set as the rows are met, before the warning;
// the costs Text3(i), Text4(i), the totals Text5, Text6 and the count Text7 once it is closed. An
// empty field changes nothing.
Outcome DetailedSkillCost(const DetailInput& input);

// Form2's "重设", also the window's state when it opens.
Outcome DetailedSkillReset();

}  // namespace zicalc
