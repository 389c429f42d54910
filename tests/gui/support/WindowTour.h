#pragma once

// A tour of every window of the program, for the checks that hold for all of them (accessible
// names, text that fits, screenshots). It finds the windows as a user would: every category page
// of the main window, then every button on each page and in each window it opens is pressed, and
// whatever window comes up (modal or not) is visited, explored the same way, and closed. A window
// that lands later is covered without a line here.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace guitest {

// Called once per window: `name` is "Form1:<page>" for a page of the main window, else the
// window's object name. The window is shown, exposed and laid out.
using WindowVisitor = std::function<void(QWidget* window, const QString& name)>;

// Runs the tour in the current directory (the starter question bank is copied there so the
// question-bank pages open); returns the names visited, in order.
QStringList TourEveryWindow(const WindowVisitor& visit);

}  // namespace guitest
