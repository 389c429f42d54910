#pragma once

#include <QString>
#include <initializer_list>
#include <span>

#include "core/app/Outcome.h"
#include "core/app/Rgb.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace zicalc {

// A fixed caption in the given colour (labels are blue unless said otherwise).
QLabel* MakeLabel(const QString& text, QWidget* parent, Rgb colour = colours::kBlue);

// A named label whose text code changes (value labels, captions that switch).
QLabel* MakeNamedLabel(const QString& objectName, const QString& text, QWidget* parent, Rgb colour = colours::kBlue);

// A read-only result line that takes no part in focus handling at all.
QLineEdit* MakeResultLine(const QString& objectName, const QString& text, QWidget* parent);

// A calculator frame: a group box with its caption and object name.
QGroupBox* MakeFrame(const QString& objectName, const QString& caption, QWidget* parent);

// Sizes a field to hold `digits` digits at its font.
void FitDigits(QLineEdit* field, int digits);

// Applies a calculator's decision: texts and colours to the result widgets (QLineEdit or QLabel,
// in the order the calculator indexes its fields; a control array can be passed as a span), then the warning, if any,
// through ShowWarning.
void ApplyOutcome(const CalcOutcome& outcome, std::span<QWidget* const> fields);
void ApplyOutcome(const CalcOutcome& outcome, std::initializer_list<QWidget*> fields);

}  // namespace zicalc
