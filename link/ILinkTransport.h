#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

/// The kinds of link, in the order the session prefers an open one.
enum class LinkKind : int {
  Serial = 0,
  Usb = 1,
  Network = 2,
};

/// How many frames a transport was handed and how many of them a reply
/// answered, counted from its opening. Frames go out one at a time in the
/// order handed in, so the k-th frame handed in has been answered once
/// `answered` reaches k. A frame that replaced a queued one is not counted
/// again.
struct LinkFrameCount {
  std::uint64_t handedIn = 0;
  std::uint64_t answered = 0;
};

/// One transport as the unit session drives it: opened once, handed frames,
/// tuned, closed. A transport delivers its replies (`WM_LINK_REPLY`) and
/// errors (`WM_LINK_ERROR`) as events to the owner it was created for,
/// stamped with its `Generation`. Created, used and destroyed on the GUI
/// thread; owned by the session's slot of its kind.
class ILinkTransport {
public:
  virtual ~ILinkTransport() = default;

  /// Opens the link (for the network also its client socket); false when it
  /// cannot be opened.
  virtual bool Open() = 0;
  /// Closes the link; idempotent, bounded.
  virtual void Close() = 0;
  /// Ends a connection the link keeps apart from the transport (the
  /// network's TCP client, which outlives a transport discarded after a
  /// failed probe); the other links have none.
  virtual void DropConnection() {}
  /// Hands a CommandFrame to the send queue (see the transport's send rule).
  virtual void QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) = 0;
  /// No reply pending and nothing queued: every frame handed in has been
  /// answered (or given up on).
  virtual bool IsIdle() const = 0;
  /// The frames handed in so far and how many of them were answered.
  virtual LinkFrameCount FrameCount() const = 0;
  /// Before Close: stops handing replies to the owner and waits at most
  /// `limit` until every frame handed in has been written, or at once when
  /// the link can write no more.
  virtual void LetFramesOut(std::chrono::milliseconds limit) = 0;
  virtual void SetTimeout(int milliseconds) = 0;
  virtual void SetRetryCount(int count) = 0;
  virtual void SetKeepAliveSuppressed(bool suppressed) = 0;
  /// Writes the transport's last frame `count` more times on reply time-out
  /// without counting them as retries; only the serial link has them.
  virtual void SetSpareResends(int /*count*/) {}
  /// Unit id the keep-alive frames carry.
  virtual void SetKeepAliveUnitId(int unitId) = 0;
  /// Stamp of the events this transport posts; unique per transport.
  virtual std::uint64_t Generation() const = 0;

protected:
  ILinkTransport() = default;
  ILinkTransport(const ILinkTransport&) = default;
  ILinkTransport& operator=(const ILinkTransport&) = default;
};
