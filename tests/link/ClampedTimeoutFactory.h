#pragma once

#include <memory>

#include "link/ILinkTransportFactory.h"

/// Wraps the real transport factory so that every reply time-out a
/// transport is given is at most `limitMs`: an exchange that waits 50 s per
/// resend on the unit then gives up within seconds against the simulator,
/// which answers at once. Everything else passes through. GUI thread.
class ClampedTimeoutFactory : public ILinkTransportFactory {
public:
  ClampedTimeoutFactory(ILinkTransportFactory& inner, int limitMs) : m_inner(inner), m_limitMs(limitMs) {}

  std::unique_ptr<ILinkTransport> Create(LinkKind kind, const QString& portName, int unitId,
                                         QObject& owner) override;

private:
  ILinkTransportFactory& m_inner;
  int m_limitMs;
};
