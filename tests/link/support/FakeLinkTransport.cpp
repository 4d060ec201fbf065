#include "tests/link/support/FakeLinkTransport.h"

#include <QObject>

FakeLinkTransport::FakeLinkTransport(std::shared_ptr<FakeLinkRecord> record, bool opens, std::uint64_t generation)
    : m_record(std::move(record)), m_opens(opens), m_generation(generation) {}

FakeLinkTransport::~FakeLinkTransport() { m_record->destroyed = true; }

bool FakeLinkTransport::Open() {
  m_record->calls.push_back("Open");
  m_record->opened = m_opens;
  return m_opens;
}

void FakeLinkTransport::Close() {
  m_record->calls.push_back("Close");
  m_record->closed = true;
}

void FakeLinkTransport::QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) {
  m_record->calls.push_back("Queue " + std::to_string(frame.size() > 5 ? frame[5] : 0));
  m_record->frames.push_back({std::move(frame), forceAppend});
}

bool FakeLinkTransport::IsIdle() const {
  m_record->calls.push_back("IsIdle");
  return true;
}

LinkFrameCount FakeLinkTransport::FrameCount() const {
  return {m_record->frames.size(), m_record->frames.size()};
}

void FakeLinkTransport::LetFramesOut(std::chrono::milliseconds /*limit*/) { m_record->calls.push_back("LetFramesOut"); }

void FakeLinkTransport::SetTimeout(int milliseconds) {
  m_record->calls.push_back("Timeout " + std::to_string(milliseconds));
  m_record->timeout = milliseconds;
}

void FakeLinkTransport::SetRetryCount(int count) { m_record->retries = count; }

void FakeLinkTransport::SetKeepAliveSuppressed(bool suppressed) { m_record->keepAliveSuppressed = suppressed; }

void FakeLinkTransport::SetSpareResends(int count) { m_record->calls.push_back("SpareResends " + std::to_string(count)); }

void FakeLinkTransport::SetKeepAliveUnitId(int unitId) { m_record->keepAliveUnitId = unitId; }

std::unique_ptr<ILinkTransport> FakeLinkTransportFactory::Create(LinkKind kind, const QString& portName, int unitId,
                                                                 QObject&) {
  auto record = std::make_shared<FakeLinkRecord>();
  record->kind = kind;
  record->portName = portName;
  record->keepAliveUnitId = unitId;
  created.push_back(record);
  return std::make_unique<FakeLinkTransport>(record, opens, created.size());
}

FakeLinkRecord* FakeLinkTransportFactory::Last(LinkKind kind) const {
  for (auto it = created.rbegin(); it != created.rend(); ++it) {
    if ((*it)->kind == kind) {
      return it->get();
    }
  }
  return nullptr;
}
