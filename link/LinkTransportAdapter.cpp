#include "link/LinkTransportAdapter.h"

#include <utility>

#include "link/LComm.h"
#include "link/LinkTransport.h"

LinkTransportAdapter::LinkTransportAdapter(std::unique_ptr<LinkTransport> transport, OpenRoutine open)
    : m_transport(std::move(transport)), m_open(std::move(open)) {}

LinkTransportAdapter::~LinkTransportAdapter() = default;

bool LinkTransportAdapter::Open() { return m_open(*m_transport); }

void LinkTransportAdapter::Close() { m_transport->Close(); }

void LinkTransportAdapter::DropConnection() { m_transport->DropConnection(); }

void LinkTransportAdapter::QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) {
  m_transport->QueueFrame(std::move(frame), forceAppend);
}

bool LinkTransportAdapter::IsIdle() const { return m_transport->IsIdle(); }

LinkFrameCount LinkTransportAdapter::FrameCount() const { return m_transport->FrameCount(); }

void LinkTransportAdapter::LetFramesOut(std::chrono::milliseconds limit) { m_transport->LetFramesOut(limit); }

void LinkTransportAdapter::SetTimeout(int milliseconds) { m_transport->SetTimeout(milliseconds); }

void LinkTransportAdapter::SetRetryCount(int count) { m_transport->SetRetryCount(count); }

void LinkTransportAdapter::SetKeepAliveSuppressed(bool suppressed) { m_transport->SetKeepAliveSuppressed(suppressed); }

void LinkTransportAdapter::SetSpareResends(int count) {
  if (auto* serial = dynamic_cast<LComm*>(m_transport.get())) {
    serial->SetSpareResends(count);
  }
}

void LinkTransportAdapter::SetKeepAliveUnitId(int unitId) { m_transport->SetKeepAliveUnitId(unitId); }

std::uint64_t LinkTransportAdapter::Generation() const { return m_transport->Generation(); }
