#pragma once

#include <cstdint>
#include <netinet/in.h>
#include <string>
#include <vector>

#include "tools/unitsim/SimFd.h"

/// The UDP front end: the frame port (unit frames and the multicast
/// discovery probe; the socket joins the discovery group on loopback) and the
/// broadcast port that hears the discovery text. Both are bound to every
/// local address, since a socket bound to one address does not receive
/// multicast or broadcast datagrams. Used on the simulator's thread once it runs.
class SimUdpPorts {
 public:
  /// Port 0 picks a free one. A non-empty `sourceAddress` is the sender
  /// address of every datagram the unit sends (a loopback address other than
  /// 127.0.0.1 lets several simulators be told apart).
  bool Open(std::uint16_t framePort, std::uint16_t discoveryPort, const std::string& group,
            const std::string& sourceAddress, std::string& error);
  void Close();
  bool IsOpen() const { return m_frame.IsOpen(); }
  int FrameFd() const { return m_frame.Get(); }
  int DiscoveryFd() const { return m_discovery.Get(); }
  std::uint16_t FramePort() const { return m_framePort; }
  std::uint16_t DiscoveryPort() const { return m_discoveryPort; }

  /// One datagram from `fd`; false when none is waiting.
  static bool Receive(int fd, std::vector<std::uint8_t>& data, sockaddr_in& from);
  bool SendTo(int fd, const std::vector<std::uint8_t>& data, const sockaddr_in& to) const;

 private:
  SimFd m_frame;
  SimFd m_discovery;
  std::uint16_t m_framePort = 0;
  std::uint16_t m_discoveryPort = 0;
  in_addr m_source{};  ///< INADDR_ANY: the system chooses
};
