#include "tools/unitsim/SimWrite.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  int waited = 0;
  while (size > 0) {
    ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n < 0 && errno == ENOTSOCK) {
      n = ::write(fd, data, size);
    }
    if (n > 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waited < 1000) {
      pollfd p{fd, POLLOUT, 0};
      ::poll(&p, 1, 50);
      waited += 50;
      continue;
    }
    return false;
  }
  return true;
}
