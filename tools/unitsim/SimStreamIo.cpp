#include "tools/unitsim/SimStreamIo.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tools/unitsim/SimFrameAssembler.h"

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

bool ReadFrames(int fd, SimFrameAssembler& assembler, std::vector<std::vector<std::uint8_t>>& frames,
                std::size_t& rejected) {
  std::uint8_t buffer[512];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      for (auto& frame : assembler.Feed(buffer, static_cast<std::size_t>(n))) {
        frames.push_back(std::move(frame));
      }
      rejected += assembler.TakeRejected();
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}
