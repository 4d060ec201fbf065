#include "tests/link/ClampedTimeoutFactory.h"

#include <algorithm>
#include <utility>

#include "link/ILinkTransport.h"

namespace {

/// Passes every call to the real transport, the time-out clamped.
class ClampedTimeoutTransport : public ILinkTransport {
public:
  ClampedTimeoutTransport(std::unique_ptr<ILinkTransport> inner, int limitMs)
      : m_inner(std::move(inner)), m_limitMs(limitMs) {}

  bool Open() override { return m_inner->Open(); }
  void Close() override { m_inner->Close(); }
  void DropConnection() override { m_inner->DropConnection(); }
  void QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) override {
    m_inner->QueueFrame(std::move(frame), forceAppend);
  }
  bool IsIdle() const override { return m_inner->IsIdle(); }
  LinkFrameCount FrameCount() const override { return m_inner->FrameCount(); }
  void LetFramesOut(std::chrono::milliseconds limit) override { m_inner->LetFramesOut(limit); }
  void SetTimeout(int milliseconds) override { m_inner->SetTimeout(std::min(milliseconds, m_limitMs)); }
  void SetRetryCount(int count) override { m_inner->SetRetryCount(count); }
  void SetKeepAliveSuppressed(bool suppressed) override { m_inner->SetKeepAliveSuppressed(suppressed); }
  void SetSpareResends(int count) override { m_inner->SetSpareResends(count); }
  void SetKeepAliveUnitId(int unitId) override { m_inner->SetKeepAliveUnitId(unitId); }
  std::uint64_t Generation() const override { return m_inner->Generation(); }

private:
  std::unique_ptr<ILinkTransport> m_inner;
  int m_limitMs;
};

}  // namespace

std::unique_ptr<ILinkTransport> ClampedTimeoutFactory::Create(LinkKind kind, const QString& portName, int unitId,
                                                              QObject& owner) {
  std::unique_ptr<ILinkTransport> transport = m_inner.Create(kind, portName, unitId, owner);
  if (!transport) {
    return nullptr;
  }
  return std::make_unique<ClampedTimeoutTransport>(std::move(transport), m_limitMs);
}
