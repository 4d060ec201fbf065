#include "link/LNet.h"

#include <limits>
#include <span>
#include <utility>

#include "link/NetworkPort.h"

LNet::LNet(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<NetworkPort> port)
    : InboxTransport(owner, unitId, std::move(profile), std::numeric_limits<std::size_t>::max()),
      m_port(std::move(port)) {
  m_port->Attach(this);
}

LNet::~LNet() { LNet::Close(); }

bool LNet::Open() {
  // The worker may outlive this object by a stop that timed out; it holds
  // the port, and the port writes only for its current transport.
  const bool started = StartWriting([port = m_port, self = this](std::span<const std::uint8_t> frame) {
    port->WriteNetworkFrame(self, frame);
  });
  if (started) {
    m_port->ActivateClient();
  }
  return started;
}

void LNet::Close() {
  m_port->Detach(this);
  LinkTransport::Close();
}

void LNet::DropConnection() { m_port->DeactivateClient(); }
