#include "platform/threads/EventFd.h"

#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

EventFd::EventFd() : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

EventFd::~EventFd() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

void EventFd::Signal() {
  const std::uint64_t one = 1;
  ssize_t n = 0;
  do {
    n = ::write(m_fd, &one, sizeof one);
  } while (n < 0 && errno == EINTR);
}

bool EventFd::Consume() {
  std::uint64_t count = 0;
  ssize_t n = 0;
  do {
    n = ::read(m_fd, &count, sizeof count);
  } while (n < 0 && errno == EINTR);
  return n == static_cast<ssize_t>(sizeof count) && count > 0;
}
