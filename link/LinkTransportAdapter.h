#pragma once

#include <functional>
#include <memory>

#include "link/ILinkTransport.h"

class LinkTransport;

/// Presents a LinkTransport (serial, USB or network) to the unit session:
/// owns it and knows how to open it. GUI thread only.
class LinkTransportAdapter : public ILinkTransport {
public:
  using OpenRoutine = std::function<bool(LinkTransport&)>;

  LinkTransportAdapter(std::unique_ptr<LinkTransport> transport, OpenRoutine open);
  ~LinkTransportAdapter() override;
  LinkTransportAdapter(const LinkTransportAdapter&) = delete;
  LinkTransportAdapter& operator=(const LinkTransportAdapter&) = delete;

  bool Open() override;
  void Close() override;
  void DropConnection() override;
  void QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) override;
  bool IsIdle() const override;
  LinkFrameCount FrameCount() const override;
  void LetFramesOut(std::chrono::milliseconds limit) override;
  void SetTimeout(int milliseconds) override;
  void SetRetryCount(int count) override;
  void SetKeepAliveSuppressed(bool suppressed) override;
  void SetSpareResends(int count) override;
  void SetKeepAliveUnitId(int unitId) override;
  std::uint64_t Generation() const override;

private:
  std::unique_ptr<LinkTransport> m_transport;
  OpenRoutine m_open;
};
