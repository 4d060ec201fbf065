#pragma once

#include <condition_variable>
#include <mutex>

/// One synchronous hand-over from a transport's worker to the GUI thread
/// that the worker may abandon: the worker posts something that holds the
/// hand-over and waits until the receiver has finished with it, or until the
/// transport is closing and cancels the wait. A receiver that claims a
/// cancelled hand-over is told to ignore it. Shared by the worker, the
/// posted event and the transport; every function may be called from any
/// thread.
class LinkHandOver {
public:
  /// Receiver: takes the hand-over; false when the worker gave up on it.
  bool Claim();
  /// Receiver: done (also when it never claimed); wakes the worker.
  void Finish();
  /// The worker stops waiting; a later Claim fails.
  void Cancel();
  /// Worker: waits until Finish or Cancel; true when the receiver finished.
  bool Wait();

private:
  enum class State { Posted, Claimed, Finished, Cancelled };

  std::mutex m_mutex;
  std::condition_variable m_changed;
  State m_state = State::Posted;  // guards: m_mutex
};
