#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "tools/unitsim/SimFd.h"
#include "tools/unitsim/SimFrameAssembler.h"

/// The TCP front end: a listening socket and its connections (TCP_NODELAY,
/// so that each reply leaves as one segment). Each connection has its own
/// frame assembler and id. Used on the simulator's thread once it runs.
class SimTcpServer {
 public:
  struct Connection {
    int id = 0;
    SimFd fd;
    SimFrameAssembler assembler;
  };

  /// Listens on address:port (port 0 picks a free one); false with a reason.
  bool Listen(const std::string& address, std::uint16_t port, std::string& error);
  void Close();
  bool IsOpen() const { return m_listen.IsOpen(); }
  int ListenFd() const { return m_listen.Get(); }
  std::uint16_t Port() const { return m_port; }

  /// Accepts every pending connection.
  void Accept();
  std::list<Connection>& Connections() { return m_connections; }

  /// Reads what a connection has and returns the frames it completes and the
  /// number of broken ones; false when the peer closed or the connection failed.
  bool Read(Connection& connection, std::vector<std::vector<std::uint8_t>>& frames, std::size_t& rejected);
  /// Writes bytes to connection `id`; false when it is gone or failed.
  bool Send(int id, const std::uint8_t* data, std::size_t size);
  void CloseConnection(int id);
  void CloseConnections() { m_connections.clear(); }

 private:
  SimFd m_listen;
  std::uint16_t m_port = 0;
  std::list<Connection> m_connections;
  int m_nextId = 1;
};
