#include "link/NetworkPort.h"

#include <algorithm>
#include <utility>

#include "link/FrameSpan.h"
#include "platform/io/TcpClientSocket.h"
#include "platform/io/UdpSocket.h"

namespace {

}  // namespace

NetworkPort::NetworkPort(NetworkEndpoints endpoints, LinkLogSink log)
    : m_endpoints(endpoints),
      m_log(std::move(log)),
      m_client(std::make_unique<TcpClientSocket>()),
      m_udp(std::make_unique<UdpSocket>()) {
  m_client->SetPort(m_endpoints.tcpPort);
  m_client->SetAddress(m_endpoints.defaultUnitAddress);
}

NetworkPort::~NetworkPort() = default;

void NetworkPort::Shutdown() {
  m_client->Close();
  m_udp->Close();
}

void NetworkPort::Attach(LNet* transport) {
  std::scoped_lock lock(m_mutex);
  m_transport = transport;
}

void NetworkPort::Detach(const LNet* transport) {
  std::scoped_lock lock(m_mutex);
  if (m_transport == transport) {
    m_transport = nullptr;
  }
}

LNet* NetworkPort::Transport() const {
  std::scoped_lock lock(m_mutex);
  return m_transport;
}

void NetworkPort::SetUdpDestination(std::optional<std::uint32_t> address) {
  std::scoped_lock lock(m_mutex);
  m_udpDestination = address;
}

std::optional<std::uint32_t> NetworkPort::UdpDestination() const {
  std::scoped_lock lock(m_mutex);
  return m_udpDestination;
}

void NetworkPort::ActivateClient() {
  if (m_client->Active() && m_client->RemoteAddress() != m_client->Address()) {
    m_client->Close();
  }
  m_client->SetActive(true);
}

void NetworkPort::DeactivateClient() {
  if (m_client->Active()) {
    m_client->SetActive(false);
  }
}

void NetworkPort::WriteNetworkFrame(const LNet* from, std::span<const std::uint8_t> frame) {
  std::optional<std::uint32_t> destination;
  {
    std::scoped_lock lock(m_mutex);
    if (m_transport != from || frame.empty()) {
      return;
    }
    m_lastNetFrame.assign(frame.begin(), frame.end());
    destination = m_udpDestination;
  }
  if (destination) {
    m_udp->SendTo(*destination, m_endpoints.framePort, frame);
  }
  m_client->Send(frame);
  if (m_log) {
    QString line = QStringLiteral("NET W 10");
    const std::size_t logged = FrameLayout::FrameSpan(frame);
    for (std::size_t i = 1; i < logged; ++i) {
      line += QString::asprintf(" %02X", frame[i]);
    }
    m_log(line);
  }
}

std::vector<std::uint8_t> NetworkPort::LastNetFrame() const {
  std::scoped_lock lock(m_mutex);
  return m_lastNetFrame;
}

void NetworkPort::ResendLastFrame() {
  const std::vector<std::uint8_t> frame = LastNetFrame();
  if (frame.empty()) {
    return;
  }
  m_client->Send(frame);
  LogWhileOpen(FormatLinkLogLine(QStringLiteral("NET RW "), std::vector<std::uint8_t>(frame.begin() + 1, frame.end())));
}

void NetworkPort::LogWhileOpen(const QString& line) const {
  if (m_log && Transport() != nullptr) {
    m_log(line);
  }
}
