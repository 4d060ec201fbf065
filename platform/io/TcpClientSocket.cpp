#include "platform/io/TcpClientSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "platform/io/WriteUntilWoken.h"

TcpClientSocket::TcpClientSocket() = default;

TcpClientSocket::~TcpClientSocket() { Close(); }

QString TcpClientSocket::RemoteAddressText() const {
  return QString::asprintf("%u.%u.%u.%u", m_remote >> 24, (m_remote >> 16) & 0xFF, (m_remote >> 8) & 0xFF,
                           m_remote & 0xFF);
}

void TcpClientSocket::SetActive(bool active) {
  if (!active) {
    Close();
    return;
  }
  if (Active()) {
    return;
  }
  if (OnConnecting) {
    OnConnecting();
  }
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    int code = errno;
    if (OnError) {
      OnError(code);
    }
    return;
  }
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(m_port);
  peer.sin_addr.s_addr = htonl(m_address);
  {
    std::scoped_lock lock(m_sendMutex);
    m_fd = fd;
  }
  m_remote = m_address;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0 && errno != EINPROGRESS) {
    Fail(errno);
    return;
  }
  // Connected or not yet: writability tells which.
  m_writeNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
  QObject::connect(m_writeNotifier.get(), &QSocketNotifier::activated, [this] { OnWritable(); });
}

void TcpClientSocket::OnWritable() {
  m_writeNotifier->setEnabled(false);
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
    error = errno;
  }
  if (error != 0) {
    Fail(error);
    return;
  }
  m_writeNotifier.reset();
  m_readNotifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
  QObject::connect(m_readNotifier.get(), &QSocketNotifier::activated, [this] { OnReadable(); });
  if (OnConnect) {
    OnConnect();
  }
}

void TcpClientSocket::OnReadable() {
  std::uint8_t probe = 0;
  const ssize_t n = ::recv(m_fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
  if (n > 0) {
    if (OnRead) {
      OnRead();
    }
    return;
  }
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
    return;
  }
  if (n < 0) {
    Fail(errno);
    return;
  }
  // End of stream: close our end so the notifier stops firing.
  Close();
  if (OnDisconnect) {
    OnDisconnect();
  }
}

int TcpClientSocket::ReceiveBuf(std::uint8_t* buffer, int capacity) {
  if (m_fd < 0 || capacity <= 0) {
    return m_fd < 0 ? -1 : 0;
  }
  while (true) {
    const ssize_t n = ::recv(m_fd, buffer, static_cast<std::size_t>(capacity), MSG_DONTWAIT);
    if (n > 0) {
      return static_cast<int>(n);
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return 0;
    }
    Close();
    return -1;
  }
}

bool TcpClientSocket::Send(std::span<const std::uint8_t> bytes) {
  std::scoped_lock lock(m_sendMutex);
  return m_fd >= 0 && WriteUntilWoken(m_fd, bytes, m_wake.Fd(), kSendWaitMs,
                                      [](int fd, const std::uint8_t* data, std::size_t count) {
                                        return ::send(fd, data, count, MSG_NOSIGNAL | MSG_DONTWAIT);
                                      });
}

void TcpClientSocket::Fail(int errorCode) {
  int code = errorCode;
  if (OnError) {
    OnError(code);
  }
  Close();
}

void TcpClientSocket::StopWatching() {
  m_readNotifier.reset();
  m_writeNotifier.reset();
}

void TcpClientSocket::Close() {
  if (m_fd < 0) {
    return;
  }
  StopWatching();
  // A send waiting for room lets go of the mutex once woken.
  m_wake.Signal();
  int fd = -1;
  {
    std::scoped_lock lock(m_sendMutex);
    fd = m_fd;
    m_fd = -1;
  }
  m_wake.Consume();
  ::close(fd);
}
