#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "platform/threads/EventFd.h"

/// Bytes handed to a transport on the GUI thread (USB input reports,
/// network reads) until its worker takes them. Hand-overs add up: bytes the
/// worker has not taken yet are never overwritten. Any thread.
class LinkInbox {
public:
  bool IsValid() const { return m_event.IsValid(); }
  /// Polls readable while bytes wait.
  int Fd() const { return m_event.Fd(); }
  void Put(std::span<const std::uint8_t> bytes);
  /// Every byte that waits, oldest first.
  std::vector<std::uint8_t> Take();

private:
  EventFd m_event;
  std::mutex m_mutex;
  std::vector<std::uint8_t> m_bytes;  // guards: m_mutex
};
