#pragma once

class QApplication;

namespace zicalc {

// The look every window of the program shares, set once on the application before the first
// window: the Fusion style with tighter layout margins and spacing (the main window has eleven
// pages of frames, and at twice the scale it must still fit a 1280 × 1024 screen), the CJK
// default font, and accessible names from the labels (AccessibleNames.h).
void ApplyApplicationLook(QApplication& app);

}  // namespace zicalc
