#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QEvent>

class CancellableHandOver;

/// WM_LINK_REPLY: one complete reply frame, the milliseconds since its
/// command was handed to the worker, the generation of the transport that
/// received it, and the command code of the frame it answers (none for a
/// second answer to a resent frame or a late one). The worker waits until the event has been handled
/// (destroyed), so frames the handler sends are queued behind the reply.
/// Created on the worker thread, handled on the owner's thread: the handler
/// calls Claim first and ignores the reply when it fails (the transport was
/// closed meanwhile) or when the generation is not that of its transport.
class LinkReplyEvent : public QEvent {
public:
  LinkReplyEvent(std::vector<std::uint8_t> frame, std::uint32_t elapsedMs, std::uint64_t generation,
                 std::optional<std::uint8_t> answeredCode, std::shared_ptr<CancellableHandOver> handOver);
  ~LinkReplyEvent() override;
  LinkReplyEvent(const LinkReplyEvent&) = delete;
  LinkReplyEvent& operator=(const LinkReplyEvent&) = delete;

  /// False when the reply is stale: its transport stopped waiting for it.
  bool Claim();
  const std::vector<std::uint8_t>& Frame() const { return m_frame; }
  std::uint32_t ElapsedMs() const { return m_elapsedMs; }
  std::uint64_t Generation() const { return m_generation; }
  std::optional<std::uint8_t> AnsweredCode() const { return m_answeredCode; }

private:
  std::vector<std::uint8_t> m_frame;
  std::uint32_t m_elapsedMs;
  std::uint64_t m_generation;
  std::optional<std::uint8_t> m_answeredCode;
  std::shared_ptr<CancellableHandOver> m_handOver;
};
