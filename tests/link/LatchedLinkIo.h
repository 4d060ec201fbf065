#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "link/LinkInbox.h"
#include "link/LinkIo.h"
#include "tests/support/TestLatch.h"

/// What a LatchedLinkIo saw, shared with the test: the frames written, and
/// a latch that, while closed, holds every write halfway (after the first
/// half of the frame was taken). Any thread.
class LinkIoRecord {
public:
  /// Received bytes for the worker, as if the unit had sent them.
  void Receive(std::span<const std::uint8_t> bytes) { inbox->Put(bytes); }
  std::vector<std::vector<std::uint8_t>> Written() const;
  std::size_t WrittenCount() const;

  const std::shared_ptr<LinkInbox> inbox = std::make_shared<LinkInbox>();
  TestLatch latch;

private:
  friend class LatchedLinkIo;
  void Record(std::vector<std::uint8_t> frame);

  mutable std::mutex m_mutex;
  std::vector<std::vector<std::uint8_t>> m_written;  // guards: m_mutex
};

/// A link for the worker whose bytes come from the record's inbox and whose
/// writes the record keeps. A write reads its frame in two halves with the
/// latch in between, so a frame changed under a write shows up torn.
class LatchedLinkIo : public LinkIo {
public:
  explicit LatchedLinkIo(std::shared_ptr<LinkIoRecord> record) : m_record(std::move(record)) {}

  int ReadFd() const override { return m_record->inbox->Fd(); }
  bool ReadAvailable(std::vector<std::uint8_t>& bytes) override;
  void Write(std::span<const std::uint8_t> frame, int wakeFd) override;

private:
  std::shared_ptr<LinkIoRecord> m_record;
};
