#include "link/LUsb.h"

#include <algorithm>
#include <span>
#include <utility>

#include "link/InboxLinkIo.h"
#include "link/LinkInbox.h"
#include "link/UsbHidPort.h"

namespace {

constexpr int kReceiveBufferSize = 128;

}  // namespace

LUsb::LUsb(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<UsbHidPort> port)
    : LinkTransport(owner, unitId, std::move(profile), {}),
      m_port(std::move(port)),
      m_inbox(std::make_shared<LinkInbox>()) {
  m_port->Attach(this);
}

LUsb::~LUsb() { LUsb::Close(); }

bool LUsb::Open() {
  if (IsOpen() || !m_inbox->IsValid()) {
    return false;
  }
  // The worker may outlive this object by a stop that timed out; it holds
  // the port, and the port writes only for its current transport.
  auto write = [port = m_port, self = this](std::span<const std::uint8_t> frame) {
    port->WriteHidReport(self, frame.data(), frame.size());
  };
  return Start(std::make_unique<InboxLinkIo>(m_inbox, std::move(write)));
}

void LUsb::Close() {
  m_port->Detach(this);
  LinkTransport::Close();
}

void LUsb::PutReceived(const std::uint8_t* bytes, int count) {
  if (count <= 0) {
    return;
  }
  m_inbox->Put(std::span(bytes, static_cast<std::size_t>(std::min(count, kReceiveBufferSize))));
}
