#pragma once

class QDialog;

namespace zicalc {

// A modal window blocks every other window of the program, so it must never leave the screen
// while it is up: it asks the window manager for a title and a close box only (no minimise or
// maximise), and if a window manager minimises it anyway it comes straight back.
void KeepModalInReach(QDialog* dialog);

// Brings the modal window that blocks the program (if any) to the front; true when there was one.
bool RaiseBlockingModal();

}  // namespace zicalc
