#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

/// Forces an interleaving between threads: a test double calls Pass at the
/// point where it must be held; while the test has the latch closed, Pass
/// waits there (at most 5 s, so a faulty build fails instead of hanging)
/// until the test opens it. Any thread.
class TestLatch {
public:
  void Close() {
    std::scoped_lock lock(m_mutex);
    m_closed = true;
  }
  void Open() {
    {
      std::scoped_lock lock(m_mutex);
      m_closed = false;
    }
    m_changed.notify_all();
  }
  /// Called by the double; waits while the latch is closed.
  void Pass() {
    std::unique_lock lock(m_mutex);
    if (!m_closed) {
      return;
    }
    m_held = true;
    m_changed.notify_all();
    m_changed.wait_for(lock, kLimit, [this] { return !m_closed; });
    m_held = false;
    m_changed.notify_all();
  }
  /// Whether a thread waits in Pass now.
  bool IsHolding() const {
    std::scoped_lock lock(m_mutex);
    return m_held;
  }
  /// Waits (bounded) until a thread waits in Pass.
  bool WaitUntilHolding() {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, kLimit, [this] { return m_held; });
  }

private:
  static constexpr std::chrono::seconds kLimit{5};

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_closed = false;  // guards: m_mutex
  bool m_held = false;    // guards: m_mutex
};
