#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "link/ILinkTransport.h"
#include "link/LinkProfile.h"

class LinkIo;
class QObject;

/// The engine every transport shares: one worker thread that waits with
/// poll() on the link's data, a send event and a stop event (in that
/// priority) with the reply time-out; the send queue, the transmit buffer
/// and the resend rule under one short mutex that is never held across a
/// delivery or a write; the reply framer; delivery of each complete reply to
/// the owner as a WM_LINK_REPLY event that the worker waits for until it has
/// been handled or the transport is closing, where only the first reply
/// after the current frame was written moves the queue on (a duplicate or
/// late answer is delivered, nothing more); link errors posted as
/// WM_LINK_ERROR events. The state the worker uses is shared with it, so a
/// worker that does not stop in time can finish on its own without touching
/// the transport or the owner. Owned by one transport; every function is for
/// the GUI thread (the owner's thread).
class LinkWorker {
public:
  LinkWorker(LinkProfile profile, QObject* owner, std::uint64_t generation, LinkLogSink log);
  ~LinkWorker();
  LinkWorker(const LinkWorker&) = delete;
  LinkWorker& operator=(const LinkWorker&) = delete;

  /// Starts the worker over `io`; false when it cannot start or was
  /// started before (a worker runs once).
  bool Start(std::unique_ptr<LinkIo> io);
  /// Asks the worker to end (cancelling a delivery it waits on) and waits
  /// up to `limit` for it. True when it ended (or never ran). Otherwise the
  /// error LINK_ERROR_STOP_TIMEOUT is posted, the worker is left to end on
  /// its own and posts nothing more.
  bool Stop(std::chrono::milliseconds limit);
  /// The worker runs: started and not ended (by Stop or a failed link).
  bool IsRunning() const;
  /// From now on replies still move the queue on but reach the owner no
  /// more, and a delivery the worker waits on is given up: a transport
  /// being closed lets its last frames out without the owner's thread.
  void DropReplies();

  /// The send rule: sends the frame now when no reply is pending, else
  /// queues it (see SendQueue). Dropped when the worker does not run.
  void Hand(std::vector<std::uint8_t> frame, bool forceAppend);
  /// Waits at most `limit` until every frame handed in so far has been
  /// written; true when they were. A frame queued behind a pending reply is
  /// written only after that reply was delivered, which needs the owner's
  /// thread, so on that thread such a wait ends by `limit`.
  bool WaitUntilWritten(std::chrono::milliseconds limit);
  /// Empties the send queue.
  void ClearQueue();
  /// No reply pending and nothing queued.
  bool IsIdle() const;
  /// Frames handed in (written or queued) and answered so far.
  LinkFrameCount FrameCount() const;

  void SetReplyTimeout(int milliseconds);
  int ReplyTimeout() const;
  void SetRetryCount(int count);
  int RetryCount() const;
  void SetSpareResends(int count);
  int SpareResends() const;

  /// Posts WM_LINK_ERROR (code, argument) to the owner.
  void PostError(int code, int argument);

private:
  struct Shared;
  class OwnerGate;

  std::shared_ptr<Shared> m_shared;
  std::unique_ptr<OwnerGate> m_gate;
  std::thread m_thread;
  bool m_started = false;
};
