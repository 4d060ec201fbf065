#pragma once

#include <memory>

#include "link/LinkTransport.h"

class LinkInbox;
class NetworkPort;

/// The network link to the unit: frames go out through the network port's
/// write routine (by UDP to a selected unit, and by TCP) on the worker
/// thread, and the bytes of TCP reads and of unit frames received by UDP
/// come in through PutReceived on the GUI thread. It owns no socket: Open
/// starts the worker and then connects the port's TCP client. It is the
/// port's `NetTransport` from creation until Close. The main window creates
/// the LNetProc form. GUI thread only.
class LNet : public LinkTransport {
public:
  ~LNet() override;
  LNet(const LNet&) = delete;
  LNet& operator=(const LNet&) = delete;

  /// Starts the worker, then makes the TCP client active (nothing when it
  /// is connected to the unit address already; a changed address
  /// reconnects). False when opened before or the worker cannot start.
  bool Open();
  /// Stops being `NetTransport`, then closes as every transport does. The
  /// TCP connection stays: only the session's Disconnect ends it.
  void Close() override;
  /// Hands received bytes to the worker. Hand-overs the worker has not
  /// taken yet are kept in order, never overwritten.
  void PutReceived(const std::uint8_t* bytes, int count);
  /// Ends the TCP connection, when there is one.
  void DropConnection() override;

protected:
  LNet(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<NetworkPort> port);

private:
  std::shared_ptr<NetworkPort> m_port;
  std::shared_ptr<LinkInbox> m_inbox;
};
