#include "platform/io/UdpSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include <QSocketNotifier>

namespace {

constexpr std::size_t kLargestDatagram = 65536;
/// Datagrams taken per wake-up: a flood must not hold the event loop; the
/// notifier wakes again for the rest.
constexpr int kDatagramsPerWake = 64;

}  // namespace

UdpSocket::UdpSocket() = default;

UdpSocket::~UdpSocket() { Close(); }

bool UdpSocket::Open(std::uint16_t port) {
  Close();
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    return false;
  }
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    ::close(fd);
    return false;
  }
  {
    std::scoped_lock lock(m_mutex);
    m_fd = fd;
  }
  m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
  return true;
}

void UdpSocket::Close() {
  m_notifier.reset();
  int fd = -1;
  {
    std::scoped_lock lock(m_mutex);
    fd = m_fd;
    m_fd = -1;
  }
  if (fd >= 0) {
    ::close(fd);
  }
}

bool UdpSocket::IsOpen() const {
  std::scoped_lock lock(m_mutex);
  return m_fd >= 0;
}

std::uint16_t UdpSocket::LocalPort() const {
  std::scoped_lock lock(m_mutex);
  sockaddr_in local{};
  socklen_t length = sizeof local;
  if (m_fd < 0 || ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    return 0;
  }
  return ntohs(local.sin_port);
}

bool UdpSocket::SendTo(std::uint32_t address, std::uint16_t port, std::span<const std::uint8_t> bytes) {
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  peer.sin_addr.s_addr = htonl(address);
  std::scoped_lock lock(m_mutex);
  if (m_fd < 0) {
    return false;
  }
  const ssize_t n = ::sendto(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT,
                             reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
  return n == static_cast<ssize_t>(bytes.size());
}

void UdpSocket::OnReadable() {
  // Each datagram is taken whole, whatever its length.
  std::vector<std::uint8_t> buffer(kLargestDatagram);
  for (int taken = 0; taken < kDatagramsPerWake && m_notifier; ++taken) {
    sockaddr_in from{};
    socklen_t length = sizeof from;
    ssize_t n = 0;
    {
      std::scoped_lock lock(m_mutex);
      n = ::recvfrom(m_fd, buffer.data(), buffer.size(), MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &length);
    }
    if (n < 0) {
      return;
    }
    if (OnDatagram) {
      OnDatagram(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(n)),
                 ntohl(from.sin_addr.s_addr), ntohs(from.sin_port));
    }
  }
}
