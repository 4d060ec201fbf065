#include "tools/unitsim/SimTcpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tools/unitsim/SimStreamIo.h"

bool SimTcpServer::Listen(const std::string& address, std::uint16_t port, std::string& error) {
  Close();
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1) {
    error = "invalid TCP address: " + address;
    return false;
  }
  SimFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  const int on = 1;
  ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (!fd.IsOpen() || ::bind(fd.Get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(fd.Get(), 8) != 0) {
    error = "TCP listen on " + address + ":" + std::to_string(port) + " failed: " + std::strerror(errno);
    return false;
  }
  socklen_t length = sizeof addr;
  ::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&addr), &length);
  m_port = ntohs(addr.sin_port);
  m_listen = std::move(fd);
  return true;
}

void SimTcpServer::Close() {
  m_connections.clear();
  m_listen.Reset();
}

void SimTcpServer::Accept() {
  while (true) {
    const int fd = ::accept4(m_listen.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      return;
    }
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    Connection& connection = m_connections.emplace_back();
    connection.id = m_nextId++;
    connection.fd.Reset(fd);
  }
}

bool SimTcpServer::Read(Connection& connection, std::vector<std::vector<std::uint8_t>>& frames,
                        std::size_t& rejected) {
  return ReadFrames(connection.fd.Get(), connection.assembler, frames, rejected);
}

bool SimTcpServer::Send(int id, const std::uint8_t* data, std::size_t size) {
  for (Connection& connection : m_connections) {
    if (connection.id == id) {
      return WriteAll(connection.fd.Get(), data, size);
    }
  }
  return false;
}

void SimTcpServer::CloseConnection(int id) {
  m_connections.remove_if([id](const Connection& c) { return c.id == id; });
}
