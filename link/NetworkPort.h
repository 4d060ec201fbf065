#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "link/LinkProfile.h"
#include "link/NetworkEndpoints.h"

class LNet;
class TcpClientSocket;
class UdpSocket;

/// What the network transports and the network glue share: the main
/// window's TCP client (`ClientSocket`) and UDP socket (`IdUDPServer`), the
/// network transport that is open (`NetTransport`), the destination of
/// frames sent by UDP (none while no unit address is selected in the list),
/// `LastNetFrame`, and the write routine `WriteNetworkFrame` through which
/// the open transport's worker sends each frame. One small mutex guards the
/// transport, the destination and the last frame; it is never held across a
/// send. Held by shared ownership by the glue and every network transport.
/// The sockets' events, Attach, Detach, the destination, the client and
/// Shutdown on the GUI thread; WriteNetworkFrame on a transport's worker.
class NetworkPort {
public:
  /// `log` receives the "NET W", "NET R" and "NET RW" lines; either thread.
  NetworkPort(NetworkEndpoints endpoints, LinkLogSink log = {});
  ~NetworkPort();
  NetworkPort(const NetworkPort&) = delete;
  NetworkPort& operator=(const NetworkPort&) = delete;

  const NetworkEndpoints& Endpoints() const { return m_endpoints; }
  TcpClientSocket& ClientSocket() { return *m_client; }
  UdpSocket& UdpServer() { return *m_udp; }
  /// Closes both sockets for good (the glue's end); later sends fail.
  void Shutdown();

  /// The transport becomes `NetTransport`.
  void Attach(LNet* transport);
  /// `NetTransport` is null again, if it was `transport`.
  void Detach(const LNet* transport);
  LNet* Transport() const;

  /// Destination of the frames sent by UDP: the unit address at the frame
  /// port, or none.
  void SetUdpDestination(std::optional<std::uint32_t> address);
  std::optional<std::uint32_t> UdpDestination() const;

  /// Connects the client to `address` unless it is connecting or connected
  /// there already; a client active on another address reconnects.
  void ActivateClient();
  /// Closes the client's connection when it is active.
  void DeactivateClient();

  /// The network write: keeps a copy as LastNetFrame, sends it as one
  /// datagram to the UDP destination when there is one, then over TCP, and
  /// logs "NET W 10" and " %02X" for each further byte. Nothing happens
  /// unless `from` is `NetTransport`. Worker thread.
  void WriteNetworkFrame(const LNet* from, std::span<const std::uint8_t> frame);
  std::vector<std::uint8_t> LastNetFrame() const;
  /// Sends LastNetFrame again over TCP and logs "NET RW " with its bytes
  /// after the first while a transport is open. GUI thread.
  void ResendLastFrame();
  /// Logs a traffic line while a transport is open.
  void LogWhileOpen(const QString& line) const;

private:
  const NetworkEndpoints m_endpoints;
  LinkLogSink m_log;
  std::unique_ptr<TcpClientSocket> m_client;
  std::unique_ptr<UdpSocket> m_udp;
  mutable std::mutex m_mutex;
  LNet* m_transport = nullptr;                      // guards: m_mutex
  std::optional<std::uint32_t> m_udpDestination;    // guards: m_mutex
  std::vector<std::uint8_t> m_lastNetFrame;         // guards: m_mutex
};
