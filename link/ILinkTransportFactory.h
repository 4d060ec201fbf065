#pragma once

#include <memory>

#include "link/ILinkTransport.h"

class QObject;
class QString;

/// Makes closed transports for the session. The real factory builds the
/// serial, USB and network transports; tests hand in fakes. GUI thread.
class ILinkTransportFactory {
public:
  virtual ~ILinkTransportFactory() = default;

  /// A closed transport of `kind` whose events go to `owner` and whose
  /// keep-alive is addressed to `unitId`; `portName` is the serial port
  /// (unused by the other kinds). Null when the kind is not available on
  /// this system.
  virtual std::unique_ptr<ILinkTransport> Create(LinkKind kind, const QString& portName, int unitId,
                                                 QObject& owner) = 0;

protected:
  ILinkTransportFactory() = default;
  ILinkTransportFactory(const ILinkTransportFactory&) = default;
  ILinkTransportFactory& operator=(const ILinkTransportFactory&) = default;
};
