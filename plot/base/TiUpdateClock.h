#pragma once

#include <cstdint>
#include <functional>

/// The monotonic clock of the repaint throttle, in nanoseconds. Wall-clock
/// changes (a clock set back) never stall repaints. Tests replace it
/// through SetHook (nullptr restores the steady clock); the hook answers
/// both readings. GUI thread.
class TiUpdateClock {
public:
  static std::int64_t NowNs();
  /// The same clock as it stood at the kernel's last tick (a few
  /// milliseconds' resolution), never ahead of NowNs. It costs a fraction
  /// of NowNs, so the throttle can ask it on every change of a plot that
  /// takes millions of points a second.
  static std::int64_t CoarseNowNs();
  static void SetHook(std::function<std::int64_t()> hook);
};
