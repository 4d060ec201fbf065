#include "tests/link/LatchedLinkIo.h"

#include <chrono>

std::vector<std::vector<std::uint8_t>> LinkIoRecord::Written() const {
  std::scoped_lock lock(m_mutex);
  return m_written;
}

std::size_t LinkIoRecord::WrittenCount() const {
  std::scoped_lock lock(m_mutex);
  return m_written.size();
}

void LinkIoRecord::CloseLatch() {
  std::scoped_lock lock(m_mutex);
  m_latchClosed = true;
}

void LinkIoRecord::OpenLatch() {
  {
    std::scoped_lock lock(m_mutex);
    m_latchClosed = false;
  }
  m_changed.notify_all();
}

bool LinkIoRecord::WaitUntilHeld() {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, std::chrono::seconds(5), [this] { return m_held; });
}

void LinkIoRecord::Record(std::span<const std::uint8_t> frame) {
  const std::size_t half = frame.size() / 2;
  std::vector<std::uint8_t> written(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(half));
  {
    std::unique_lock lock(m_mutex);
    m_held = m_latchClosed;
    m_changed.notify_all();
    m_changed.wait_for(lock, std::chrono::seconds(5), [this] { return !m_latchClosed; });
    m_held = false;
  }
  written.insert(written.end(), frame.begin() + static_cast<std::ptrdiff_t>(half), frame.end());
  std::scoped_lock lock(m_mutex);
  m_written.push_back(std::move(written));
  m_changed.notify_all();
}

bool LatchedLinkIo::ReadAvailable(std::vector<std::uint8_t>& bytes) {
  const std::vector<std::uint8_t> taken = m_record->inbox->Take();
  bytes.insert(bytes.end(), taken.begin(), taken.end());
  return true;
}

void LatchedLinkIo::Write(std::span<const std::uint8_t> frame, int /*wakeFd*/) { m_record->Record(frame); }
