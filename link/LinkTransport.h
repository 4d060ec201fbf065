#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "link/ILinkTransport.h"
#include "link/LinkProfile.h"

class LinkIo;
class LinkWorker;
class QObject;
class TTimer;

/// What every transport (serial, USB, network) is to the main window: the
/// send rule (QueueFrame), the reply time-out and resend count, and the
/// keep-alive that sends CMD_KEEP_ALIVE 2000 ms after the last frame handed
/// in while the link is idle. Replies reach the owner as WM_LINK_REPLY
/// events and failures as WM_LINK_ERROR events (LinkReplyEvent,
/// LinkErrorEvent), both carrying Generation() so that the owner can tell a
/// transport that has left its slot. A kind of link derives from it with
/// its LinkProfile, opens its link and calls Start with its LinkIo: the
/// serial link its port (LComm); USB and the network an InboxLinkIo over a
/// LinkInbox that their PutReceived fills, writing through the owner's
/// report or network write routine. Created, used and destroyed on the
/// owner's (GUI) thread; the owner outlives it.
class LinkTransport {
public:
  virtual ~LinkTransport();
  LinkTransport(const LinkTransport&) = delete;
  LinkTransport& operator=(const LinkTransport&) = delete;

  /// Stops the keep-alive, empties the send queue and stops the worker,
  /// cancelling a delivery it waits on; returns once the worker ended, or
  /// after 5000 ms with LINK_ERROR_STOP_TIMEOUT posted. Idempotent; the
  /// transport is not opened again afterwards.
  virtual void Close();
  /// Ends a connection the link keeps apart from the transport (the
  /// network's TCP client); the other links have none.
  virtual void DropConnection() {}

  /// The only way frames enter the transport: written at once when no
  /// reply is pending, else queued, where a frame handed in without
  /// `forceAppend` may replace the last frame queued that way (SendQueue).
  /// Dropped when the transport is not open. Restarts the keep-alive.
  void QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend);
  /// Waits at most `limit` until every frame handed in so far has been
  /// written (see LinkWorker::WaitUntilWritten); lets a last frame reach the
  /// wire before Close.
  bool WaitUntilWritten(std::chrono::milliseconds limit);
  /// Replies reach the owner no more (see LinkWorker::DropReplies); then
  /// WaitUntilWritten. Never needs the owner's thread.
  void LetFramesOut(std::chrono::milliseconds limit);
  /// QueueFrame without the append request.
  void SendBytes(const std::uint8_t* bytes, std::size_t length);
  void SendFrame(const std::vector<std::uint8_t>& frame);
  /// Posts WM_LINK_ERROR (code, argument) to the owner.
  void PostError(int code, int argument);

  /// Reply time-out in milliseconds, used from the worker's next wait.
  void SetTimeout(int milliseconds);
  int ReplyTimeout() const;
  void SetRetryCount(int count);
  int RetryCount() const;
  void SetKeepAliveSuppressed(bool suppressed) { m_keepAliveSuppressed = suppressed; }
  bool KeepAliveSuppressed() const { return m_keepAliveSuppressed; }
  /// The unit id the keep-alive is addressed to.
  void SetKeepAliveUnitId(int unitId) { m_unitId = unitId; }
  int KeepAliveUnitId() const { return m_unitId; }

  /// Open and its worker still running.
  bool IsOpen() const;
  /// No reply pending and nothing queued.
  bool IsIdle() const;
  /// Frames handed in and answered so far (see LinkFrameCount).
  LinkFrameCount FrameCount() const;
  /// Tells this transport from every other one created in this run.
  std::uint64_t Generation() const { return m_generation; }

  /// The keep-alive: unless a reply is pending, a frame is queued or it is
  /// suppressed, sets the keep-alive reply time-out and queues
  /// CMD_KEEP_ALIVE without the append request. Run by the keep-alive timer.
  void OnKeepAliveTimer();

protected:
  LinkTransport(QObject* owner, int unitId, LinkProfile profile, LinkLogSink log);

  /// Starts the keep-alive timer and the worker over `io`; false when the
  /// transport was opened before or the worker cannot start.
  bool Start(std::unique_ptr<LinkIo> io);
  LinkWorker& Worker() { return *m_worker; }
  const LinkWorker& Worker() const { return *m_worker; }

private:
  void RestartKeepAlive();

  const std::uint64_t m_generation;
  const int m_keepAliveTimeout;
  std::unique_ptr<LinkWorker> m_worker;
  std::unique_ptr<TTimer> m_keepAliveTimer;
  bool m_keepAliveSuppressed = false;
  int m_unitId;
};
