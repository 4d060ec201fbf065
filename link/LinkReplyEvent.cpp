#include "link/LinkReplyEvent.h"

#include <utility>

#include "link/LinkMessages.h"
#include "platform/threads/CancellableHandOver.h"

LinkReplyEvent::LinkReplyEvent(std::vector<std::uint8_t> frame, std::uint32_t elapsedMs, std::uint64_t generation,
                               std::optional<std::uint8_t> answeredCode,
                               std::shared_ptr<CancellableHandOver> handOver)
    : QEvent(WM_LINK_REPLY),
      m_frame(std::move(frame)),
      m_elapsedMs(elapsedMs),
      m_generation(generation),
      m_answeredCode(answeredCode),
      m_handOver(std::move(handOver)) {}

// Handled or discarded unhandled: either way the worker may go on.
LinkReplyEvent::~LinkReplyEvent() { m_handOver->Finish(); }

bool LinkReplyEvent::Claim() { return m_handOver->Claim(); }
