#pragma once

#include <condition_variable>
#include <mutex>

/// A synchronous hand-over from a worker thread to the GUI thread that the
/// worker's owner can cancel: the worker posts work to the GUI thread and
/// waits until the GUI thread has finished it or the hand-over was
/// cancelled (the worker is being stopped), so a GUI thread that stops the
/// worker never waits for a worker that waits for it. Work that arrives
/// after the cancel is not run: the receiver's Claim fails. Shared by the
/// worker and the posted work; every function may be called from any thread.
class CancellableHandOver {
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
