#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "link/ILinkTransport.h"
#include "link/ILinkTransportFactory.h"

/// What one fake transport was asked to do, kept after the session dropped
/// the transport.
struct FakeLinkRecord {
  struct Frame {
    std::vector<std::uint8_t> bytes;
    bool forceAppend = false;
  };
  LinkKind kind = LinkKind::Serial;
  QString portName;
  bool opened = false;
  bool closed = false;
  bool destroyed = false;
  std::vector<Frame> frames;
  /// Every call in order ("Queue 11", "IsIdle", "Close", "Timeout 100",
  /// "SpareResends 1" ...).
  std::vector<std::string> calls;
  int timeout = 0;
  int retries = 0;
  bool keepAliveSuppressed = false;
  int keepAliveUnitId = 0;  ///< as created, then as set
};

/// A transport that records instead of talking to a unit. GUI thread.
class FakeLinkTransport : public ILinkTransport {
public:
  FakeLinkTransport(std::shared_ptr<FakeLinkRecord> record, bool opens, std::uint64_t generation);
  ~FakeLinkTransport() override;

  bool Open() override;
  void Close() override;
  void QueueFrame(std::vector<std::uint8_t> frame, bool forceAppend) override;
  bool IsIdle() const override;
  /// Every frame counts as answered at once.
  LinkFrameCount FrameCount() const override;
  void LetFramesOut(std::chrono::milliseconds limit) override;
  void SetTimeout(int milliseconds) override;
  void SetRetryCount(int count) override;
  void SetKeepAliveSuppressed(bool suppressed) override;
  void SetSpareResends(int count) override;
  void SetKeepAliveUnitId(int unitId) override;
  std::uint64_t Generation() const override { return m_generation; }

private:
  std::shared_ptr<FakeLinkRecord> m_record;
  bool m_opens;
  std::uint64_t m_generation;
};

/// Creates fake transports and keeps the record of each.
class FakeLinkTransportFactory : public ILinkTransportFactory {
public:
  std::unique_ptr<ILinkTransport> Create(LinkKind kind, const QString& portName, int unitId, QObject& owner) override;

  /// Whether the next transports open (default true).
  bool opens = true;
  std::vector<std::shared_ptr<FakeLinkRecord>> created;

  /// The record of the last transport created of `kind`, or null.
  FakeLinkRecord* Last(LinkKind kind) const;
};
