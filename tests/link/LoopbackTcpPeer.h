#pragma once

#include <cstdint>
#include <vector>

/// The unit's end of a TCP link in a test: listens on 127.0.0.1 at a port
/// the system chooses, accepts one connection and reads and writes raw
/// bytes on it. Test thread.
class LoopbackTcpPeer {
public:
  LoopbackTcpPeer();
  ~LoopbackTcpPeer();
  LoopbackTcpPeer(const LoopbackTcpPeer&) = delete;
  LoopbackTcpPeer& operator=(const LoopbackTcpPeer&) = delete;

  bool IsListening() const { return m_listen >= 0; }
  std::uint16_t Port() const { return m_port; }
  /// Takes a waiting connection; false when none waits.
  bool Accept();
  bool IsConnected() const { return m_peer >= 0; }
  /// Writes all bytes in one send.
  bool Write(const std::vector<std::uint8_t>& bytes);
  /// Every byte that waits.
  std::vector<std::uint8_t> ReadAvailable();
  /// Bytes waiting in this end's receive queue, unread.
  int Pending() const;
  void CloseConnection();

private:
  int m_listen = -1;
  int m_peer = -1;
  std::uint16_t m_port = 0;
};
