#pragma once

#include <memory>

#include "link/InboxTransport.h"

class NetworkPort;

/// The network link to the unit: frames go out through the network port's
/// write routine (by UDP to a selected unit, and by TCP) on the worker
/// thread, and the bytes of TCP reads and of unit frames received by UDP
/// come in through PutReceived on the GUI thread, any number of bytes a
/// hand-over. It owns no socket: Open starts the worker and then connects
/// the port's TCP client. It is the port's `NetTransport` from creation
/// until Close. The main window creates the LNetProc form. GUI thread only.
class LNet : public InboxTransport {
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
  /// Ends the TCP connection, when there is one.
  void DropConnection() override;

protected:
  LNet(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<NetworkPort> port);

private:
  std::shared_ptr<NetworkPort> m_port;
};
