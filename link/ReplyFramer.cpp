#include "link/ReplyFramer.h"

#include <deque>

bool ReplyFramer::Step(std::uint8_t byte, std::vector<Frame>& complete) {
  if (m_buffer.empty() && byte != 0x10) {
    return false;
  }
  if (m_buffer.size() == 1 && byte != 0x02) {
    // Not a start after all; the byte may begin the next one.
    m_buffer.clear();
    if (byte == 0x10) {
      m_buffer.push_back(byte);
    }
    return false;
  }
  m_buffer.push_back(byte);
  if (m_buffer.size() < m_completeFrom || m_buffer.size() < 5) {
    return false;
  }
  const std::size_t length = static_cast<std::size_t>(m_buffer[4]) + 8;
  if (m_buffer.size() == length) {
    complete.push_back(std::move(m_buffer));
    m_buffer.clear();
    return false;
  }
  return m_buffer.size() > length;
}

void ReplyFramer::Push(std::uint8_t byte, std::vector<Frame>& complete) {
  std::deque<std::uint8_t> pending{byte};
  while (!pending.empty()) {
    const std::uint8_t next = pending.front();
    pending.pop_front();
    if (Step(next, complete)) {
      // Drop the false start and take everything after it again.
      pending.insert(pending.begin(), m_buffer.begin() + 1, m_buffer.end());
      m_buffer.clear();
    }
  }
}
