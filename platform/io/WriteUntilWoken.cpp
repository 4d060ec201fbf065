#include "platform/io/WriteUntilWoken.h"

#include <cerrno>
#include <poll.h>

bool WriteUntilWoken(int fd, std::span<const std::uint8_t> bytes, int wakeFd, int limitMs, PutBytes put) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = put(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      return false;
    }
    pollfd fds[2] = {{fd, POLLOUT, 0}, {wakeFd, POLLIN, 0}};
    const int ready = ::poll(fds, wakeFd >= 0 ? 2 : 1, limitMs);
    if (ready < 0 && errno == EINTR) {
      continue;
    }
    if (ready <= 0 || (fds[1].revents & POLLIN) != 0 || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
      return false;
    }
  }
  return true;
}
