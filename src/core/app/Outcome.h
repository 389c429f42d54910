#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/Rgb.h"

namespace zicalc {

// What one result field is to show after a handler: a new text, a new colour, both or neither.
// An empty optional means "keep what the field has".
struct FieldUpdate final {
    std::optional<std::string> text;
    std::optional<Rgb> colour;
};

// The whole decision of a calculator's button: the warning to show (if any, exact message) and the
// updates of its result fields, indexed as the calculator documents. The window applies the
// updates, then shows the warning.
struct CalcOutcome final {
    explicit CalcOutcome(std::size_t fieldCount) : fields(fieldCount) {}

    std::optional<std::string> warning;
    std::vector<FieldUpdate> fields;

    void SetText(std::size_t i, std::string text) { fields.at(i).text = std::move(text); }
    void SetColour(std::size_t i, Rgb colour) { fields.at(i).colour = colour; }
    void Warn(std::string message) { warning = std::move(message); }
};

}  // namespace zicalc
