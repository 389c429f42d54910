#pragma once

#include <QString>
#include <functional>

#include "core/app/Rgb.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace zicalc {

// A fixed caption in the given colour (labels are blue unless said otherwise).
QLabel* MakeLabel(const QString& text, QWidget* parent, Rgb colour = colours::kBlue);

// A named label whose text code changes (value labels, captions that switch).
QLabel* MakeNamedLabel(const QString& objectName, const QString& text, QWidget* parent, Rgb colour = colours::kBlue);

// The one result field of every calculator: read-only, out of the tab order, any length of text;
// a click enters it and selects its whole text, Enter moves on. Sized for `digits` digits when
// given; its text comes from the calculator's defaults.
QLineEdit* MakeResultField(const QString& objectName, QWidget* parent, int digits = 0);

// The 计算/重设 pair of a calculator frame: DcButtons "<array>(0)" 计算 (with its tooltip, if any)
// and "<array>(1)" 重设, wired to the two callbacks. Place the row next to the fields it acts on.
QHBoxLayout* MakeComputeResetRow(const QString& array, QWidget* parent, std::function<void()> compute,
                                 std::function<void()> reset, const QString& computeToolTip = {});

// A calculator frame: a group box with its caption and object name.
QGroupBox* MakeFrame(const QString& objectName, const QString& caption, QWidget* parent);

// Sizes a field to hold `digits` digits at its font.
void FitDigits(QLineEdit* field, int digits);

}  // namespace zicalc
