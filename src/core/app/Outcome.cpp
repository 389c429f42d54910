#include "core/app/Outcome.h"

#include <stdexcept>
#include <utility>

namespace zicalc {

namespace {

template <typename T>
void Overlay(std::optional<T>& into, const std::optional<T>& from)
{
    if (from) {
        into = from;
    }
}

void Overlay(ControlUpdate& into, const ControlUpdate& from)
{
    Overlay(into.text, from.text);
    Overlay(into.colour, from.colour);
    Overlay(into.checked, from.checked);
    Overlay(into.visible, from.visible);
    Overlay(into.enabled, from.enabled);
    Overlay(into.toolTip, from.toolTip);
    Overlay(into.items, from.items);
}

}  // namespace

ControlUpdate& Outcome::At(std::string_view control)
{
    std::vector<ControlUpdate>& phase = warning_ ? after_ : before_;
    for (ControlUpdate& u : phase) {
        if (u.control == control) {
            return u;
        }
    }
    phase.emplace_back().control = control;
    return phase.back();
}

Outcome& Outcome::Text(std::string_view control, std::string text)
{
    At(control).text = std::move(text);
    return *this;
}

Outcome& Outcome::Colour(std::string_view control, Rgb colour)
{
    At(control).colour = colour;
    return *this;
}

Outcome& Outcome::Checked(std::string_view control, bool checked)
{
    At(control).checked = checked;
    return *this;
}

Outcome& Outcome::Visible(std::string_view control, bool visible)
{
    At(control).visible = visible;
    return *this;
}

Outcome& Outcome::Enabled(std::string_view control, bool enabled)
{
    At(control).enabled = enabled;
    return *this;
}

Outcome& Outcome::ToolTip(std::string_view control, std::string toolTip)
{
    At(control).toolTip = std::move(toolTip);
    return *this;
}

Outcome& Outcome::Items(std::string_view control, std::vector<std::string> items)
{
    At(control).items = std::move(items);
    return *this;
}

Outcome& Outcome::Warn(std::string message)
{
    if (warning_) {
        throw std::logic_error("an outcome shows one warning at most");
    }
    warning_ = std::move(message);
    return *this;
}

Outcome& Outcome::Then(const Outcome& other)
{
    if (other.warning_) {
        throw std::logic_error("only an outcome without a warning can be appended");
    }
    for (const ControlUpdate& u : other.before_) {
        Overlay(At(u.control), u);
    }
    return *this;
}

ControlUpdate Outcome::Final(std::string_view control) const
{
    ControlUpdate result;
    result.control = control;
    for (const auto* phase : {&before_, &after_}) {
        for (const ControlUpdate& u : *phase) {
            if (u.control == control) {
                Overlay(result, u);
            }
        }
    }
    return result;
}

}  // namespace zicalc
