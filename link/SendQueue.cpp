#include "link/SendQueue.h"

#include <algorithm>
#include <span>
#include <utility>

#include "link/FrameSpan.h"
#include "protocol/CommandLayout.h"

namespace {

constexpr std::size_t kPayloadStart = 6;

/// The payload of a frame: its length byte counts the code and the payload.
std::span<const std::uint8_t> PayloadOf(const SendQueue::Frame& frame) {
  if (frame.size() <= kPayloadStart) {
    return {};
  }
  const std::size_t stated = frame[FrameLayout::kLengthByte] > 0 ? frame[FrameLayout::kLengthByte] - 1u : 0u;
  return std::span(frame).subspan(kPayloadStart, std::min(stated, frame.size() - kPayloadStart));
}

}  // namespace

std::uint8_t SendQueue::CodeOf(const Frame& frame) { return frame.size() > 5 ? frame[5] : 0; }

bool SendQueue::SameParameter(const Frame& a, const Frame& b) {
  if (CodeOf(a) != CodeOf(b)) {
    return false;
  }
  const std::span<const std::uint8_t> first = PayloadOf(a);
  const std::span<const std::uint8_t> second = PayloadOf(b);
  const std::optional<std::size_t> address = ParameterAddressBytes(CodeOf(a));
  if (!address) {
    return std::ranges::equal(first, second);
  }
  return first.size() >= *address && second.size() >= *address &&
         std::equal(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(*address), second.begin());
}

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
  // the frame at LastQueued sets the same parameter. A force-appended frame of another code
  // in between must not make this one overwrite a frame of a third code.
  if (m_lastQueued && code == previousCode && SameParameter(m_frames[*m_lastQueued], frame)) {
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
