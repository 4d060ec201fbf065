#include "link/NetworkGlue.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QLoggingCategory>
#include <QStringList>

#include "link/FrameSpan.h"
#include "link/INetworkView.h"
#include "link/LNet.h"
#include "link/NetworkPort.h"
#include "platform/io/HostAddresses.h"
#include "platform/io/TcpClientSocket.h"
#include "platform/io/UdpSocket.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"

Q_LOGGING_CATEGORY(lcNetwork, "krv71.link.network")

namespace {

constexpr int kDiscoveryUnitId = 1;
constexpr int kTcpReadLimit = 100;
/// A TCP read of this many bytes or fewer is no reply: the last frame goes again.
constexpr int kShortRead = 5;
constexpr char kDiscoveryText[] = "Discovery: Who is out there?";

/// The bytes a frame's length byte covers, at most those there are.
std::span<const std::uint8_t> FramePart(std::span<const std::uint8_t> bytes) {
  return bytes.first(FrameLayout::FrameSpan(bytes));
}

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

/// The order of the list: the address read with its first octet lowest, so
/// the last octet weighs most.
std::uint32_t ListKey(std::uint32_t address) {
  return ((address & 0xFF) << 24) | ((address & 0xFF00) << 8) | ((address >> 8) & 0xFF00) | (address >> 24);
}

}  // namespace

NetworkGlue::NetworkGlue(const NetworkEndpoints& endpoints, INetworkView& view, LinkLogSink log)
    : m_view(view),
      m_port(std::make_shared<NetworkPort>(endpoints, std::move(log))) {
  TcpClientSocket& client = m_port->ClientSocket();
  client.OnConnecting = [this] { ClientSocketConnecting(); };
  client.OnConnect = [this] { ClientSocketConnect(); };
  client.OnRead = [this] { ClientSocketRead(); };
  client.OnError = [this](int& code) { ClientSocketError(code); };
  // The link notices a lost connection by its missing replies.
  client.OnDisconnect = [] { qCDebug(lcNetwork) << "the unit closed the TCP connection"; };
  UdpSocket& udp = m_port->UdpServer();
  udp.OnDatagram = [this](std::span<const std::uint8_t> data, std::uint32_t sender, std::uint16_t) {
    IdUDPServerUDPRead(data, sender);
  };
  if (!udp.Open()) {
    qCWarning(lcNetwork) << "the UDP socket cannot be opened; units are not found";
  }
}

NetworkGlue::~NetworkGlue() {
  // The port may outlive the glue in a transport or the factory: its
  // sockets close (a worker's writes fail from now on) and call no handler
  // of this glue any more.
  m_port->Shutdown();
  TcpClientSocket& client = m_port->ClientSocket();
  client.OnConnecting = nullptr;
  client.OnConnect = nullptr;
  client.OnRead = nullptr;
  client.OnError = nullptr;
  client.OnDisconnect = nullptr;
  m_port->UdpServer().OnDatagram = nullptr;
}

QString NetworkGlue::AddressText(std::uint32_t address) {
  return QString::asprintf("%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF, (address >> 8) & 0xFF,
                           address & 0xFF);
}

std::optional<std::uint32_t> NetworkGlue::ParseAddress(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  if (parts.size() != 4) {
    return std::nullopt;
  }
  std::uint32_t address = 0;
  for (const QString& part : parts) {
    bool ok = false;
    const uint octet = part.toUInt(&ok);
    if (!ok || octet > 255) {
      return std::nullopt;
    }
    address = (address << 8) | octet;
  }
  return address;
}

QString NetworkGlue::BroadcastText(std::uint32_t address) { return AddressText(address | 0xFF); }

void NetworkGlue::MakeHostBroadcastAddress() {
  const std::vector<std::uint32_t> addresses = HostAddresses::List();
  if (m_hostBroadcastList.empty()) {
    m_hostBroadcastList.emplace_back();
  }
  m_hostBroadcastList[0] = addresses.empty() ? QString() : BroadcastText(addresses.front());
  if (!addresses.empty()) {
    m_view.AddTrafficLogLine(m_hostBroadcastList[0]);
  }
}

void NetworkGlue::BuildHostBroadcastList() {
  const std::vector<std::uint32_t> addresses = HostAddresses::List();
  m_hostBroadcastList.resize(1);
  m_hostScanCursor = 0;
  for (const std::uint32_t address : addresses) {
    m_hostBroadcastList.push_back(BroadcastText(address));
    m_view.AddTrafficLogLine(m_hostBroadcastList.back());
  }
  m_hostScanCount = static_cast<int>(addresses.size()) + 1;
}

void NetworkGlue::SendDiscovery() {
  const NetworkEndpoints& endpoints = m_port->Endpoints();
  const std::vector<std::uint8_t> probe =
      SerializeCommand(CM_MCS_CMD(kDiscoveryUnitId, CMD_DISCOVERY), SERIALIZE_FRAME);
  if (!m_port->UdpServer().SendTo(endpoints.group, endpoints.framePort, probe)) {
    qCDebug(lcNetwork) << "the discovery probe could not be sent";
  }
  const QString entry = m_hostScanCursor < static_cast<int>(m_hostBroadcastList.size())
                            ? m_hostBroadcastList[m_hostScanCursor]
                            : QString();
  m_view.AddTrafficLogLine(QString::asprintf("Scan Host %d/%d: %s, ListIndex = %d", m_hostScanCursor,
                                             m_hostScanCount, qPrintable(entry), m_view.SelectedAddressIndex()));
  // A host without an address of its own is probed by the group only.
  if (const std::optional<std::uint32_t> broadcast = ParseAddress(entry)) {
    const auto* text = reinterpret_cast<const std::uint8_t*>(kDiscoveryText);
    m_port->UdpServer().SendTo(*broadcast, endpoints.broadcastPort, std::span(text, sizeof kDiscoveryText));
  }
}

void NetworkGlue::tmHostCheckTimer() {
  if (m_hostScanCursor >= m_hostScanCount - 1) {
    m_view.SetHostCheckEnabled(false);
    return;
  }
  ++m_hostScanCursor;
  SendDiscovery();
}

void NetworkGlue::sbIpScanClick() {
  m_view.ClearAddresses();
  m_port->SetUdpDestination(std::nullopt);
  BuildHostBroadcastList();
  SendDiscovery();
  m_view.SetHostCheckEnabled(true);
}

void NetworkGlue::IdUDPServerUDPRead(std::span<const std::uint8_t> data, std::uint32_t sender) {
  const QString text = AddressText(sender);
  const int listed = ListedIndex(text);
  if (m_view.SelectedAddressIndex() < 0 && m_port->Transport() == nullptr) {
    // A sender that joined unselected while a link was open is listed
    // already: an address is listed once.
    const int index = listed >= 0 ? listed : m_view.AddressCount();
    if (listed < 0) {
      m_view.InsertAddress(index, text);
    }
    m_view.SelectAddress(index);
    SetUnitAddress(sender);
    m_view.ShowAddressList();
  } else {
    if (listed >= 0) {
      m_view.SelectAddress(listed);
    } else {
      InsertSender(sender);
    }
  }
  HandFrameOver(data);
}

int NetworkGlue::ListedIndex(const QString& text) const {
  for (int i = 0; i < m_view.AddressCount(); ++i) {
    if (m_view.AddressAt(i).compare(text, Qt::CaseInsensitive) == 0) {
      return i;
    }
  }
  return -1;
}

void NetworkGlue::InsertSender(std::uint32_t sender) {
  int index = 0;
  while (index < m_view.AddressCount() &&
         ListKey(ParseAddress(m_view.AddressAt(index)).value_or(0)) < ListKey(sender)) {
    ++index;
  }
  const int selected = m_view.SelectedAddressIndex();
  m_view.InsertAddress(index, AddressText(sender));
  if (m_port->Transport() != nullptr) {
    // The linked unit stays the unit address: frames must not reach a second unit.
    if (selected >= 0) {
      m_view.SelectAddress(selected >= index ? selected + 1 : selected);
    }
    m_view.ShowAddressList();
    return;
  }
  m_view.SelectAddress(0);
  SetUnitAddress(ParseAddress(m_view.AddressAt(0)).value_or(sender));
}

void NetworkGlue::SetUnitAddress(std::uint32_t address) {
  m_view.SetSelectedUnitAddress(address);
  MakeUnitAddressCurrent();
}

void NetworkGlue::MakeUnitAddressCurrent() {
  const std::uint32_t address = m_view.GetSelectedUnitAddress();
  m_port->SetUdpDestination(m_view.SelectedAddressIndex() >= 0 ? std::optional(address) : std::nullopt);
  m_port->ClientSocket().SetAddress(address);
  m_view.ShowAddress(address);
}

void NetworkGlue::HandFrameOver(std::span<const std::uint8_t> data) {
  const std::span<const std::uint8_t> logged = FramePart(data);
  m_view.AddTrafficLogLine(FormatLinkLogLine(QStringLiteral("UDP R "), Bytes(logged)));
  // Only a datagram of exactly the size its length byte states is a frame:
  // a shorter one would be completed with the start of the next reply.
  if (data.size() <= FrameLayout::kLengthByte ||
      data.size() != data[FrameLayout::kLengthByte] + FrameLayout::kOverhead) {
    return;
  }
  if (LNet* transport = m_port->Transport()) {
    transport->PutReceived(data.data(), static_cast<int>(data.size()));
  }
}

void NetworkGlue::rzcIpAddressChange() {
  const int index = m_view.SelectedAddressIndex();
  if (index < 0) {
    return;
  }
  const std::optional<std::uint32_t> address = ParseAddress(m_view.AddressAt(index));
  if (!address) {
    return;
  }
  m_view.SetSelectedUnitAddress(*address);
  m_view.ShowAddress(*address);
  m_port->ClientSocket().SetAddress(*address);
  m_port->SetUdpDestination(*address);
}

void NetworkGlue::ClientSocketConnecting() { m_view.SetSearchStatus(QStringLiteral("Network Connecting")); }

void NetworkGlue::ClientSocketConnect() {
  m_view.SetSearchStatus(QStringLiteral("Connecting IP:") + m_port->ClientSocket().RemoteAddressText());
}

void NetworkGlue::ClientSocketRead() {
  std::array<std::uint8_t, kTcpReadLimit> buffer{};
  const int n = m_port->ClientSocket().ReceiveBuf(buffer.data(), kTcpReadLimit);
  if (n <= 0) {
    // A failed read closed the connection: the link fails by its missing replies.
    return;
  }
  const std::span<const std::uint8_t> bytes(buffer.data(), static_cast<std::size_t>(n));
  m_port->LogWhileOpen(FormatLinkLogLine(QStringLiteral("NET R "), Bytes(FramePart(bytes))));
  LNet* transport = m_port->Transport();
  if (transport == nullptr) {
    // No frame is awaited: an answer to it must never draw another frame.
    return;
  }
  if (n > kShortRead) {
    transport->PutReceived(bytes.data(), n);
  } else if (!transport->IsIdle()) {
    m_port->ResendLastFrame();
  }
}

void NetworkGlue::ClientSocketError(int& ErrorCode) {
  qCDebug(lcNetwork) << "TCP client error" << ErrorCode;
  ErrorCode = 0;
}
