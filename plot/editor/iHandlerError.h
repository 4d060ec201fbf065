#pragma once

#include <functional>

class QWidget;

/// Runs a step of a widget's user handling; an error it raises is shown
/// with its text in a message box over the widget's window, as the
/// application's handler of uncaught errors does, and goes no further.
/// GUI thread only.
void RunShowingErrors(QWidget* widget, const std::function<void()>& step);
