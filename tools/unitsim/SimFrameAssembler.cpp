#include "tools/unitsim/SimFrameAssembler.h"

#include "tools/unitsim/SimFrame.h"

std::vector<std::vector<std::uint8_t>> SimFrameAssembler::Feed(const std::uint8_t* data, std::size_t size) {
  using namespace SimFrameLayout;
  m_buffer.insert(m_buffer.end(), data, data + size);
  std::vector<std::vector<std::uint8_t>> frames;
  std::size_t start = 0;
  while (true) {
    while (start < m_buffer.size() &&
           !(m_buffer[start] == kDle && (start + 1 == m_buffer.size() || m_buffer[start + 1] == kStx))) {
      ++start;
    }
    if (m_buffer.size() - start <= kLengthOffset) {
      break;
    }
    const std::size_t total = m_buffer[start + kLengthOffset] + kOverhead;
    if (m_buffer.size() - start < total) {
      break;
    }
    std::vector<std::uint8_t> candidate(m_buffer.begin() + start, m_buffer.begin() + start + total);
    if (ParseFrame(candidate, SimFrameSender::Editor)) {
      frames.push_back(std::move(candidate));
      start += total;
    } else {
      ++m_rejected;
      ++start;
    }
  }
  m_buffer.erase(m_buffer.begin(), m_buffer.begin() + start);
  return frames;
}
