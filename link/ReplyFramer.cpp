#include "link/ReplyFramer.h"

#include <cstddef>

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
  if (!Step(byte, complete)) {
    return;
  }
  // A false start: drop it and take everything after it again, ahead of
  // what is still to come. Only here does a byte cost an allocation.
  std::vector<std::uint8_t> pending(m_buffer.begin() + 1, m_buffer.end());
  m_buffer.clear();
  for (std::size_t next = 0; next < pending.size(); ++next) {
    if (Step(pending[next], complete)) {
      pending.insert(pending.begin() + static_cast<std::ptrdiff_t>(next) + 1, m_buffer.begin() + 1, m_buffer.end());
      m_buffer.clear();
    }
  }
}
