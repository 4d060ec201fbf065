#include "tests/link/LoopbackTcpPeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

LoopbackTcpPeer::LoopbackTcpPeer() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (fd >= 0) {
      ::close(fd);
    }
    return;
  }
  m_listen = fd;
  m_port = ntohs(address.sin_port);
}

LoopbackTcpPeer::~LoopbackTcpPeer() {
  CloseConnection();
  if (m_listen >= 0) {
    ::close(m_listen);
  }
}

bool LoopbackTcpPeer::Accept() {
  if (m_peer >= 0) {
    return true;
  }
  m_peer = ::accept4(m_listen, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (m_peer >= 0) {
    const int on = 1;
    ::setsockopt(m_peer, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  }
  return m_peer >= 0;
}

bool LoopbackTcpPeer::Write(const std::vector<std::uint8_t>& bytes) {
  return ::send(m_peer, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

std::vector<std::uint8_t> LoopbackTcpPeer::ReadAvailable() {
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[4096];
  ssize_t n = 0;
  while (m_peer >= 0 && (n = ::recv(m_peer, buffer, sizeof buffer, MSG_DONTWAIT)) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  return bytes;
}

int LoopbackTcpPeer::Pending() const {
  int count = 0;
  return m_peer >= 0 && ::ioctl(m_peer, FIONREAD, &count) == 0 ? count : 0;
}

void LoopbackTcpPeer::CloseConnection() {
  if (m_peer >= 0) {
    ::close(m_peer);
    m_peer = -1;
  }
}
