#include "core/clock/ClockHelp.h"

namespace zicalc {

std::string ClockHelpText(std::string_view lineBreak)
{
    std::string text;
    for (const std::string_view line : kClockHelpLines) {
        text += line;
        text += lineBreak;
    }
    return text;
}

}  // namespace zicalc
