#include "plot/base/TiUpdateClock.h"

#include <chrono>
#include <ctime>

namespace {

std::function<std::int64_t()>& Hook() {
  static std::function<std::int64_t()> hook;
  return hook;
}

}  // namespace

std::int64_t TiUpdateClock::NowNs() {
  if (Hook()) {
    return Hook()();
  }
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::int64_t TiUpdateClock::CoarseNowNs() {
  if (Hook()) {
    return Hook()();
  }
  // The steady clock is CLOCK_MONOTONIC: both readings share its origin.
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void TiUpdateClock::SetHook(std::function<std::int64_t()> hook) { Hook() = std::move(hook); }
