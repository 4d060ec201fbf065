#include "tools/unitsim/SimUdpPorts.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>

namespace {

SimFd BindUdp(std::uint16_t port, std::uint16_t& bound, std::string& error) {
  SimFd fd(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  const int on = 1;
  ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_ANY);
  if (!fd.IsOpen() || ::bind(fd.Get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    error = "UDP bind to port " + std::to_string(port) + " failed: " + std::strerror(errno);
    return SimFd();
  }
  socklen_t length = sizeof addr;
  ::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&addr), &length);
  bound = ntohs(addr.sin_port);
  return fd;
}

}  // namespace

bool SimUdpPorts::Open(std::uint16_t framePort, std::uint16_t discoveryPort, const std::string& group,
                       const std::string& sourceAddress, std::string& error) {
  Close();
  m_source.s_addr = htonl(INADDR_ANY);
  if (!sourceAddress.empty() && ::inet_pton(AF_INET, sourceAddress.c_str(), &m_source) != 1) {
    error = "invalid UDP source address: " + sourceAddress;
    return false;
  }
  SimFd frame = BindUdp(framePort, m_framePort, error);
  if (!frame.IsOpen()) {
    return false;
  }
  SimFd discovery = BindUdp(discoveryPort, m_discoveryPort, error);
  if (!discovery.IsOpen()) {
    return false;
  }
  ip_mreq membership{};
  if (::inet_pton(AF_INET, group.c_str(), &membership.imr_multiaddr) != 1) {
    error = "invalid multicast group: " + group;
    return false;
  }
  membership.imr_interface.s_addr = htonl(INADDR_LOOPBACK);
  if (::setsockopt(frame.Get(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) != 0) {
    error = "joining " + group + " on loopback failed: " + std::strerror(errno);
    return false;
  }
  m_frame = std::move(frame);
  m_discovery = std::move(discovery);
  return true;
}

void SimUdpPorts::Close() {
  m_frame.Reset();
  m_discovery.Reset();
}

bool SimUdpPorts::Receive(int fd, std::vector<std::uint8_t>& data, sockaddr_in& from) {
  std::uint8_t buffer[2048];
  socklen_t length = sizeof from;
  const ssize_t n = ::recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
  if (n < 0) {
    return false;
  }
  data.assign(buffer, buffer + n);
  return true;
}

bool SimUdpPorts::SendTo(int fd, const std::vector<std::uint8_t>& data, const sockaddr_in& to) const {
  iovec iov{const_cast<std::uint8_t*>(data.data()), data.size()};
  msghdr message{};
  message.msg_name = const_cast<sockaddr_in*>(&to);
  message.msg_namelen = sizeof to;
  message.msg_iov = &iov;
  message.msg_iovlen = 1;
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
  if (m_source.s_addr != htonl(INADDR_ANY)) {
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    cmsghdr* header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = IPPROTO_IP;
    header->cmsg_type = IP_PKTINFO;
    header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst = m_source;
    std::memcpy(CMSG_DATA(header), &info, sizeof info);
  }
  return ::sendmsg(fd, &message, MSG_NOSIGNAL) == static_cast<ssize_t>(data.size());
}
