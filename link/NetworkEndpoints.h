#pragma once

#include <cstdint>

/// Where the editor finds and reaches units on the network. The program
/// uses the unit's own ports and factory address; tests hand in the ports
/// of a simulated unit and a loopback address. Addresses have the first
/// octet in bits 24-31.
struct NetworkEndpoints {
  /// The unit's factory address, 192.168.1.100.
  static constexpr std::uint32_t kFactoryUnitAddress = 0xC0A80164;

  /// TCP port of the unit's frame link.
  std::uint16_t tcpPort = 9761;
  /// UDP port of unit frames and of the multicast probe.
  std::uint16_t framePort = 39030;
  /// UDP port of the broadcast discovery text.
  std::uint16_t broadcastPort = 30303;
  /// Multicast group of the probe, 239.254.50.123.
  std::uint32_t group = 0xEFFE327B;
  /// The unit address before any unit has been found.
  std::uint32_t defaultUnitAddress = kFactoryUnitAddress;
};
