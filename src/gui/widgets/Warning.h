#pragma once

#include <QString>
#include <functional>

namespace zicalc {

// Reports an input problem or a notice: shows the warning box Form9 modally with `message` and
// returns when the user has closed it.
void ShowWarning(const QString& message);

// Tests may route warnings elsewhere; an empty sink restores the real box. Returns the previous one.
using WarningSink = std::function<void(const QString& message)>;
WarningSink SetWarningSink(WarningSink sink);

}  // namespace zicalc
