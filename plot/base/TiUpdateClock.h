#pragma once

#include <cstdint>
#include <functional>

/// The monotonic clock of the repaint throttle, in nanoseconds. Wall-clock
/// changes (a clock set back) never stall repaints. Tests replace it
/// through SetHook (nullptr restores the steady clock). GUI thread.
class TiUpdateClock {
public:
  static std::int64_t NowNs();
  static void SetHook(std::function<std::int64_t()> hook);
};
