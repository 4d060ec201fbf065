#include "link/LUsb.h"

#include <span>
#include <utility>

#include "link/UsbHidPort.h"

namespace {

constexpr std::size_t kReceiveBufferSize = 128;

}  // namespace

LUsb::LUsb(QObject* owner, int unitId, LinkProfile profile, std::shared_ptr<UsbHidPort> port)
    : InboxTransport(owner, unitId, std::move(profile), kReceiveBufferSize), m_port(std::move(port)) {
  m_port->Attach(this);
}

LUsb::~LUsb() { LUsb::Close(); }

bool LUsb::Open() {
  // The worker may outlive this object by a stop that timed out; it holds
  // the port, and the port writes only for its current transport.
  return StartWriting([port = m_port, self = this](std::span<const std::uint8_t> frame) {
    port->WriteHidReport(self, frame.data(), frame.size());
  });
}

void LUsb::Close() {
  m_port->Detach(this);
  LinkTransport::Close();
}
