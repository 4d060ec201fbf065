#include "tools/unitsim/SimHidDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>

#include "tools/unitsim/SimFrame.h"

bool SimHidDevice::Create(std::size_t inputReportLength, int& peer, std::string& error) {
  Close();
  int fds[2] = {-1, -1};
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0) {
    error = std::string("socketpair failed: ") + std::strerror(errno);
    return false;
  }
  m_device.Reset(fds[0]);
  peer = fds[1];
  m_inputReportLength = inputReportLength;
  return true;
}

void SimHidDevice::Close() { m_device.Reset(); }

bool SimHidDevice::Receive(std::vector<std::uint8_t>& frame, std::size_t& reportLength) {
  reportLength = 0;
  frame.clear();
  std::uint8_t report[1024];
  ssize_t n = 0;
  do {
    n = ::recv(m_device.Get(), report, sizeof report, MSG_DONTWAIT);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) {
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
  reportLength = static_cast<std::size_t>(n);
  frame.clear();
  const std::size_t frameOffset = 1;
  if (n > static_cast<ssize_t>(frameOffset + SimFrameLayout::kLengthOffset) && report[0] == 0) {
    const std::size_t total = report[frameOffset + SimFrameLayout::kLengthOffset] + SimFrameLayout::kOverhead;
    if (frameOffset + total <= reportLength) {
      frame.assign(report + frameOffset, report + frameOffset + total);
    }
  }
  return true;
}

bool SimHidDevice::Send(const std::vector<std::uint8_t>& frame) {
  std::vector<std::uint8_t> report(std::max(m_inputReportLength, frame.size()), 0);
  std::copy(frame.begin(), frame.end(), report.begin());
  return ::send(m_device.Get(), report.data(), report.size(), MSG_NOSIGNAL | MSG_DONTWAIT) ==
         static_cast<ssize_t>(report.size());
}
