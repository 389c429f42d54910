#pragma once

class QObject;
class QWidget;

namespace zicalc {

// Gives every input field, list and result field under `window` that has no accessible name the
// text of its label: the label just before it in its layout (our rows read as sentences, "由
// [field] 级升到 …") becomes its buddy, else the one just after it; a control with no label beside
// it takes its frame's caption. Captionless buttons are named by their tooltip. Names set by hand
// are kept.
void NameControlsFromLabels(QWidget* window);

// Runs NameControlsFromLabels on every window as it is shown, so windows built anywhere in the
// program are covered. Install once, on the application.
void InstallAccessibleNaming(QObject* application);

}  // namespace zicalc
