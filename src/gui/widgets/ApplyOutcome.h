#pragma once

#include "core/app/Outcome.h"

class QWidget;

namespace zicalc {

// Applies a calculator's outcome to the controls below `root`, each found by its objectName: the
// `before` updates, then the warning through ShowWarning (modal), then the `after` updates.
//
// Everything is checked first. A name that matches no control, or more than one, or a control
// that cannot show what the update asks for, is reported with qCritical and nothing at all is
// applied (no update, no warning); the call then returns false. Supported: texts of line edits,
// labels, buttons and drop-down lists (one of the list's items); text colours of line edits,
// labels and buttons; the check state of checkable buttons; the items of drop-down lists; the
// visibility, enabled state and tooltip of any control.
bool ApplyOutcome(const Outcome& outcome, QWidget* root);

}  // namespace zicalc
