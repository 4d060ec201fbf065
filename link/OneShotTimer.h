#pragma once

#include <functional>
#include <utility>

#include "platform/threads/TTimer.h"

/// Sets a timer up to wait until it is started: disabled, with its interval
/// and handler. The handler stops the timer itself, as every one-shot timer
/// of the link's exchanges does. GUI thread.
inline void MakeOneShot(TTimer& timer, int milliseconds, std::function<void()> handler) {
  timer.SetEnabled(false);
  timer.SetInterval(milliseconds);
  timer.OnTimer = [handler = std::move(handler)](TObject*) { handler(); };
}
