#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

/// The send rule of a transport: one frame in flight, frames handed in
/// while its reply is pending wait in order, and a frame handed in without
/// the append request replaces the last frame queued that way when both
/// set the same parameter: the same command code (frame byte 5) and the
/// same addressing bytes (ParameterAddressBytes), so a burst of one control
/// collapses to its latest value while an edit of another channel or band
/// is never lost. A plain state machine; the transport guards it with its
/// queue mutex.
class SendQueue {
public:
  using Frame = std::vector<std::uint8_t>;

  /// Hands a frame in. With no reply pending the frame is to be sent now:
  /// it is returned and the reply counts as pending. Otherwise the frame is
  /// queued (or replaces the frame at `LastQueued`) and nothing is returned.
  std::optional<Frame> Offer(Frame frame, bool forceAppend);
  /// After a reply was delivered: the next frame to send, taken off the
  /// queue (the reply stays pending), or nothing when the queue is empty
  /// (no reply is pending any more).
  std::optional<Frame> Next();
  /// Empties the queue; a pending reply stays pending.
  void Clear();

  bool ReplyPending() const { return m_replyPending; }
  /// No reply pending and nothing queued.
  bool IsIdle() const { return !m_replyPending && m_frames.empty(); }
  const std::deque<Frame>& Frames() const { return m_frames; }
  /// Command code of the last frame handed in.
  std::uint8_t LastCode() const { return m_lastCode; }

  /// The command code of a frame (byte 5), 0 for a frame too short to hold one.
  static std::uint8_t CodeOf(const Frame& frame);
  /// Both frames set the same parameter of the unit (see above).
  static bool SameParameter(const Frame& a, const Frame& b);

private:
  std::deque<Frame> m_frames;
  std::optional<std::size_t> m_lastQueued;  ///< index into m_frames
  std::uint8_t m_lastCode = 0;
  bool m_replyPending = false;
};
