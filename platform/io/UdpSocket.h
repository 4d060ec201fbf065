#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>

class QSocketNotifier;

/// The main window's UDP socket (`IdUDPServer`): bound to any address and
/// a port the system chooses (or a given one), allowed to broadcast; each
/// datagram that arrives is handed whole to OnDatagram on the GUI thread,
/// a bounded number per wake-up, so that a flood leaves the event loop
/// running.
/// SendTo may be called from any thread. Open, Close and the event on the
/// GUI thread.
class UdpSocket {
public:
  /// A datagram and its sender (address with the first octet in bits 24-31).
  using TDatagramEvent = std::function<void(std::span<const std::uint8_t> data, std::uint32_t sender,
                                            std::uint16_t senderPort)>;

  UdpSocket();
  ~UdpSocket();
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  /// Binds to any address and `port` (0: the system chooses); false when
  /// the system refuses. Opening an open socket closes it first.
  bool Open(std::uint16_t port = 0);
  void Close();
  bool IsOpen() const;
  /// The port bound, 0 when closed.
  std::uint16_t LocalPort() const;

  /// Sends one datagram; false when closed or refused. Any thread.
  bool SendTo(std::uint32_t address, std::uint16_t port, std::span<const std::uint8_t> bytes);

  TDatagramEvent OnDatagram;

private:
  void OnReadable();

  std::unique_ptr<QSocketNotifier> m_notifier;
  mutable std::mutex m_mutex;
  int m_fd = -1;  // guards: m_mutex (written on the GUI thread only)
};
