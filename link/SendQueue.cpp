#include "link/SendQueue.h"

#include <utility>

std::uint8_t SendQueue::CodeOf(const Frame& frame) { return frame.size() > 5 ? frame[5] : 0; }

std::optional<SendQueue::Frame> SendQueue::Offer(Frame frame, bool forceAppend) {
  const std::uint8_t code = CodeOf(frame);
  const std::uint8_t previousCode = std::exchange(m_lastCode, code);
  if (!m_replyPending) {
    m_replyPending = true;
    return frame;
  }
  if (forceAppend) {
    m_frames.push_back(std::move(frame));
    return std::nullopt;
  }
  // Replacing needs both: the frame handed in before carried this code, and
  // so does the frame at LastQueued. A force-appended frame of another code
  // in between must not make this one overwrite a frame of a third code.
  if (m_lastQueued && code == previousCode && CodeOf(m_frames[*m_lastQueued]) == code) {
    m_frames[*m_lastQueued] = std::move(frame);
    return std::nullopt;
  }
  m_frames.push_back(std::move(frame));
  m_lastQueued = m_frames.size() - 1;
  return std::nullopt;
}

std::optional<SendQueue::Frame> SendQueue::Next() {
  if (m_frames.empty()) {
    m_replyPending = false;
    return std::nullopt;
  }
  Frame next = std::move(m_frames.front());
  m_frames.pop_front();
  if (m_lastQueued) {
    m_lastQueued = *m_lastQueued == 0 ? std::nullopt : std::optional<std::size_t>(*m_lastQueued - 1);
  }
  return next;
}

void SendQueue::Clear() {
  m_frames.clear();
  m_lastQueued.reset();
}
