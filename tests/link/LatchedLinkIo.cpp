#include "tests/link/LatchedLinkIo.h"

std::vector<std::vector<std::uint8_t>> LinkIoRecord::Written() const {
  std::scoped_lock lock(m_mutex);
  return m_written;
}

std::size_t LinkIoRecord::WrittenCount() const {
  std::scoped_lock lock(m_mutex);
  return m_written.size();
}

void LinkIoRecord::Record(std::vector<std::uint8_t> frame) {
  std::scoped_lock lock(m_mutex);
  m_written.push_back(std::move(frame));
}

bool LatchedLinkIo::ReadAvailable(std::vector<std::uint8_t>& bytes) {
  const std::vector<std::uint8_t> taken = m_record->inbox->Take();
  bytes.insert(bytes.end(), taken.begin(), taken.end());
  return true;
}

void LatchedLinkIo::Write(std::span<const std::uint8_t> frame, int /*wakeFd*/) {
  const auto half = static_cast<std::ptrdiff_t>(frame.size() / 2);
  std::vector<std::uint8_t> written(frame.begin(), frame.begin() + half);
  m_record->latch.Pass();
  written.insert(written.end(), frame.begin() + half, frame.end());
  m_record->Record(std::move(written));
}
