#include "plot/base/TiUpdateClock.h"

#include <chrono>

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

void TiUpdateClock::SetHook(std::function<std::int64_t()> hook) { Hook() = std::move(hook); }
