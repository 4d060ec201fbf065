#pragma once

#include <memory>

#include "link/ILinkTransportFactory.h"
#include "link/LinkProfile.h"

class NetworkPort;
class UsbHidPort;

/// Builds the editor's transports for the unit session: the serial
/// transport LCommProc, opened on the port's device path at 115200 baud,
/// 8 data bits, no parity, one stop bit; the USB transport LUsbProc, which
/// writes through the HID port once one is set; the network transport
/// LNetProc, which writes through the network port once one is set. Kinds whose transport this
/// build does not have give null. GUI thread only.
class LinkTransportFactory : public ILinkTransportFactory {
public:
  /// `log` receives the traffic lines of every transport made.
  explicit LinkTransportFactory(LinkLogSink log = {});

  std::unique_ptr<ILinkTransport> Create(LinkKind kind, const QString& portName, int unitId,
                                         QObject& owner) override;

  /// The HID glue's port, through which USB transports write.
  void SetUsbHidPort(std::shared_ptr<UsbHidPort> port) { m_usbPort = std::move(port); }
  /// The network glue's port, through which network transports write.
  void SetNetworkPort(std::shared_ptr<NetworkPort> port) { m_netPort = std::move(port); }

private:
  LinkLogSink m_log;
  std::shared_ptr<UsbHidPort> m_usbPort;
  std::shared_ptr<NetworkPort> m_netPort;
};
