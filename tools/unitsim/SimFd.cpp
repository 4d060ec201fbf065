#include "tools/unitsim/SimFd.h"

#include <unistd.h>

SimFd& SimFd::operator=(SimFd&& other) noexcept {
  if (this != &other) {
    Reset(other.Release());
  }
  return *this;
}

int SimFd::Release() {
  const int fd = m_fd;
  m_fd = -1;
  return fd;
}

void SimFd::Reset(int fd) {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
  m_fd = fd;
}
