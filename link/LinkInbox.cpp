#include "link/LinkInbox.h"

#include <utility>

void LinkInbox::Put(std::span<const std::uint8_t> bytes) {
  {
    std::scoped_lock lock(m_mutex);
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
  }
  m_event.Signal();
}

std::vector<std::uint8_t> LinkInbox::Take() {
  m_event.Consume();
  std::scoped_lock lock(m_mutex);
  return std::exchange(m_bytes, {});
}
