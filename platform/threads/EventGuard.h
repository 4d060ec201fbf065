#pragma once

#include <functional>

/// Runs an action that calls event handlers from the event loop (timer
/// ticks, deferred closes) and logs, instead of passing on, any exception it
/// throws, so none crosses the event loop. Returns false when one was caught.
/// `where` names the caller in the log. Any thread.
bool RunGuarded(const char* where, const std::function<void()>& action);
