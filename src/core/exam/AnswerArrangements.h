#pragma once

#include <array>

namespace zicalc {

// Which answer of a question stands in each slot A-D; answer 0 is the correct one, 1-3 the wrong
// ones in bank order.
struct AnswerArrangement final {
    int correctSlot;
    std::array<int, 4> answerInSlot;
};

// The four arrangements of the mock exam, one per slot of the correct answer.
inline constexpr std::array<AnswerArrangement, 4> kAnswerArrangements{{
    {0, {0, 2, 3, 1}},
    {1, {1, 0, 3, 2}},
    {2, {3, 2, 0, 1}},
    {3, {2, 1, 3, 0}},
}};

// AnswerLetters: the slots as the result line names them.
inline constexpr std::array<const char*, 4> kAnswerLetters{"A", "B", "C", "D"};

}  // namespace zicalc
