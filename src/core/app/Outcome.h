#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Rgb.h"

namespace zicalc {

// What one control is to show after an action, named by its objectName ("Text1(2)", "Label24").
// An empty optional keeps what the control has.
struct ControlUpdate final {
    std::string control;
    std::optional<std::string> text;  // field text, label or button caption, a list's chosen item
    std::optional<Rgb> colour;        // text colour
    std::optional<bool> checked;      // check box or option button
    std::optional<bool> visible;
    std::optional<bool> enabled;
    std::optional<std::string> toolTip;
    std::optional<std::vector<std::string>> items;  // a drop-down list's whole contents, set before its text
};

// The whole decision of a sentence-style calculator's action: the updates of its controls and the
// warning, if any (exact message). They are applied in this order, always:
//
//   1. before()  — the updates made before the warning is shown,
//   2. warning() — the modal warning box; the user reads it over the `before` state,
//   3. after()   — the updates made once the box is closed.
//
// The builders record into before() until Warn() is called and into after() from then on, so a
// calculator written in the order of its steps records that order. A warning that leaves the
// result fields as they are simply has no updates.
class Outcome final {
public:
    Outcome& Text(std::string_view control, std::string text);
    Outcome& Colour(std::string_view control, Rgb colour);
    Outcome& Checked(std::string_view control, bool checked);
    Outcome& Visible(std::string_view control, bool visible);
    Outcome& Enabled(std::string_view control, bool enabled);
    Outcome& ToolTip(std::string_view control, std::string toolTip);
    Outcome& Items(std::string_view control, std::vector<std::string> items);

    // Shows `message` after the updates recorded so far; at most once per outcome.
    Outcome& Warn(std::string message);

    // Records every update of `other` (which has no warning of its own) in the current phase.
    Outcome& Then(const Outcome& other);

    const std::vector<ControlUpdate>& before() const { return before_; }
    const std::optional<std::string>& warning() const { return warning_; }
    const std::vector<ControlUpdate>& after() const { return after_; }

    // What `control` holds once everything is applied: the `after` values over the `before` ones
    // (all empty for a control the outcome leaves alone).
    ControlUpdate Final(std::string_view control) const;

    // Whether the outcome changes anything at all.
    bool HasUpdates() const { return !before_.empty() || !after_.empty(); }

private:
    ControlUpdate& At(std::string_view control);

    std::vector<ControlUpdate> before_;
    std::optional<std::string> warning_;
    std::vector<ControlUpdate> after_;
};

}  // namespace zicalc
