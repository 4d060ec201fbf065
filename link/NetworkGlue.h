#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <QString>

#include "link/LinkProfile.h"
#include "link/NetworkEndpoints.h"

class INetworkView;
class NetworkPort;

/// The main window's network glue: the handlers of the TCP client
/// `ClientSocket` and of the UDP socket `IdUDPServer`, and discovery, which
/// probes for units (a command frame to the multicast group, a text to the
/// broadcast address of each local subnet, one pass every 500 ms) and keeps
/// every unit that answers in the address list, sorted with the last octet
/// weighing most; the selected entry is the unit address, to which frames
/// also go by UDP. While a network transport exists a new sender only
/// joins the list, so the link's frames never reach a second unit. The
/// sockets and the write routine live in the shared NetworkPort, which the
/// transport factory hands to every network transport. The main window
/// owns it for the whole run. GUI thread only.
class NetworkGlue {
public:
  /// Opens the UDP socket and sets the unit address of UDP sends and of the
  /// TCP client to the default unit address. `log` receives the "NET"
  /// lines of the link.
  NetworkGlue(const NetworkEndpoints& endpoints, INetworkView& view, LinkLogSink log = {});
  ~NetworkGlue();
  NetworkGlue(const NetworkGlue&) = delete;
  NetworkGlue& operator=(const NetworkGlue&) = delete;

  const std::shared_ptr<NetworkPort>& Port() const { return m_port; }

  // Discovery.
  /// Entry 0 of HostBroadcastList: the broadcast address of the host's
  /// first address ("" when it has none).
  void MakeHostBroadcastAddress();
  /// Entries 1 to n: one for each local address; starts a scan's count.
  void BuildHostBroadcastList();
  /// One probe pass for the entry at HostScanCursor: the probe frame to the
  /// group, then the broadcast text to the entry, if it names one.
  void SendDiscovery();
  void tmHostCheckTimer();
  void sbIpScanClick();
  /// One received datagram and its sender.
  void IdUDPServerUDPRead(std::span<const std::uint8_t> data, std::uint32_t sender);
  void rzcIpAddressChange();

  const std::vector<QString>& HostBroadcastList() const { return m_hostBroadcastList; }
  int HostScanCursor() const { return m_hostScanCursor; }
  int HostScanCount() const { return m_hostScanCount; }

  // The TCP client's handlers.
  void ClientSocketConnecting();
  void ClientSocketConnect();
  void ClientSocketRead();
  void ClientSocketError(int& ErrorCode);

  /// "%d.%d.%d.%d", first octet first.
  static QString AddressText(std::uint32_t address);
  /// The address of a text "a.b.c.d", or none.
  static std::optional<std::uint32_t> ParseAddress(const QString& text);
  /// The address with its last octet 255, as text.
  static QString BroadcastText(std::uint32_t address);

private:
  /// The entry of the address list holding the text, or -1.
  int ListedIndex(const QString& text) const;
  void InsertSender(std::uint32_t sender);
  void MakeUnitAddressCurrent();
  void SetUnitAddress(std::uint32_t address);
  void HandFrameOver(std::span<const std::uint8_t> data);

  INetworkView& m_view;
  std::shared_ptr<NetworkPort> m_port;
  std::vector<QString> m_hostBroadcastList;
  int m_hostScanCursor = 0;
  int m_hostScanCount = 1;
};
