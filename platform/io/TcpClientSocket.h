#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>

#include <QString>

#include "platform/threads/EventFd.h"

class QSocketNotifier;

/// The main window's TCP client (`ClientSocket`): a non-blocking IPv4
/// connection to `Address`:`Port` whose events (connecting, connected, data
/// readable, error, closed by the peer) are raised on the GUI thread through
/// socket notifiers. Send may be called from any thread: it writes under a
/// mutex of its own with MSG_NOSIGNAL and waits for room at most a bounded
/// time, which Close cuts short. Everything else is for the GUI thread.
class TcpClientSocket {
public:
  using TErrorEvent = std::function<void(int& errorCode)>;

  TcpClientSocket();
  ~TcpClientSocket();
  TcpClientSocket(const TcpClientSocket&) = delete;
  TcpClientSocket& operator=(const TcpClientSocket&) = delete;

  /// IPv4 address, first octet in bits 24-31; used by the next connect.
  void SetAddress(std::uint32_t address) { m_address = address; }
  std::uint32_t Address() const { return m_address; }
  void SetPort(std::uint16_t port) { m_port = port; }
  std::uint16_t Port() const { return m_port; }

  /// Connecting or connected.
  bool Active() const { return m_fd >= 0; }
  /// True: connects to Address:Port (nothing when already active);
  /// false: Close.
  void SetActive(bool active);
  /// The address the socket is connecting or connected to.
  std::uint32_t RemoteAddress() const { return m_remote; }
  /// RemoteAddress as "%d.%d.%d.%d".
  QString RemoteAddressText() const;
  /// Closes our end and stops watching it; a send under way gives up.
  void Close();

  /// Writes all bytes; false when not connected, on an error (a peer that
  /// closed gives EPIPE, never SIGPIPE), after the wait limit without room,
  /// or when Close ends the wait. Any thread.
  bool Send(std::span<const std::uint8_t> bytes);
  /// Reads at most `capacity` bytes that wait; the count, 0 when none wait,
  /// -1 when the connection failed (our end is then closed).
  int ReceiveBuf(std::uint8_t* buffer, int capacity);

  std::function<void()> OnConnecting;
  std::function<void()> OnConnect;
  /// Bytes wait; the handler reads them with ReceiveBuf. Raised again while
  /// bytes remain.
  std::function<void()> OnRead;
  /// A failed connect or connection, before our end is closed.
  TErrorEvent OnError;
  /// The peer closed the connection; our end is closed already. Raised once.
  std::function<void()> OnDisconnect;

  /// How long Send waits for room before giving up.
  static constexpr int kSendWaitMs = 2000;

private:
  void OnWritable();
  void OnReadable();
  void Fail(int errorCode);
  void StopWatching();

  std::uint32_t m_address = 0;
  std::uint16_t m_port = 0;
  std::uint32_t m_remote = 0;
  int m_fd = -1;  ///< written on the GUI thread under m_sendMutex
  std::unique_ptr<QSocketNotifier> m_readNotifier;
  std::unique_ptr<QSocketNotifier> m_writeNotifier;
  EventFd m_wake;  ///< ends a send's wait for room when the socket closes
  std::mutex m_sendMutex;  // guards: m_fd for the sending threads, one send at a time
};
