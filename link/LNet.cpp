#include "link/LNet.h"

#include <span>
#include <utility>

#include "link/InboxLinkIo.h"
#include "link/LinkInbox.h"
#include "link/NetworkPort.h"

LNet::LNet(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<NetworkPort> port)
    : LinkTransport(owner, unitId, std::move(profile), {}),
      m_port(std::move(port)),
      m_inbox(std::make_shared<LinkInbox>()) {
  m_port->Attach(this);
}

LNet::~LNet() { LNet::Close(); }

bool LNet::Open() {
  if (IsOpen() || !m_inbox->IsValid()) {
    return false;
  }
  // The worker may outlive this object by a stop that timed out; it holds
  // the port, and the port writes only for its current transport.
  auto write = [port = m_port, self = this](std::span<const std::uint8_t> frame) {
    port->WriteNetworkFrame(self, frame);
  };
  if (!Start(std::make_unique<InboxLinkIo>(m_inbox, std::move(write)))) {
    return false;
  }
  m_port->ActivateClient();
  return true;
}

void LNet::Close() {
  m_port->Detach(this);
  LinkTransport::Close();
}

void LNet::PutReceived(const std::uint8_t* bytes, int count) {
  if (count > 0) {
    m_inbox->Put(std::span(bytes, static_cast<std::size_t>(count)));
  }
}

void LNet::DropConnection() { m_port->DeactivateClient(); }
