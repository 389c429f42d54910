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

// The frame "门派技能": result fields [0] experience Text3(2), [1] money Text3(3), plus what
// happens to the red label Label24.
struct SchoolSkillOutcome final {
    CalcOutcome results{2};
    std::optional<bool> labelVisible;      // empty: left as it is
    std::optional<std::string> labelText;  // empty: left as it is
};

// Button3(k), k = 0 … 6: the cost of `multiplier` (1 … 7) skills over the same level range.
SchoolSkillOutcome SchoolSkillCost(std::string_view fromLevel, std::string_view toLevel, int multiplier);

// Form2's "计算" over its seven rows.
struct DetailInput final {
    std::array<std::string_view, kDetailRows> from{};
    std::array<std::string_view, kDetailRows> to{};
    std::array<bool, kDetailRows> checked{};
};

struct DetailOutcome final {
    std::optional<std::string> warning;
    // False when an empty field stopped the calculation: nothing on the window changes.
    bool written = false;
    std::array<bool, kDetailRows> checked{};  // the check boxes afterwards
    std::array<SkillCostRow, kDetailRows> rows{};
    std::int32_t count = 0;
    SkillCostRow total{0, 0};
};

DetailOutcome DetailedSkillCost(const DetailInput& input);

}  // namespace zicalc
