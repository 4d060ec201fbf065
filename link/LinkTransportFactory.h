#pragma once

#include "link/ILinkTransportFactory.h"
#include "link/LinkProfile.h"

/// Builds the editor's transports for the unit session: the serial
/// transport LCommProc, opened on the port's device path at 115200 baud,
/// 8 data bits, no parity, one stop bit. Kinds whose transport this build
/// does not have give null. GUI thread only.
class LinkTransportFactory : public ILinkTransportFactory {
public:
  /// `log` receives the traffic lines of every transport made.
  explicit LinkTransportFactory(LinkLogSink log = {});

  std::unique_ptr<ILinkTransport> Create(LinkKind kind, const QString& portName, int unitId,
                                         QObject& owner) override;

private:
  LinkLogSink m_log;
};
