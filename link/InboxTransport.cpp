#include "link/InboxTransport.h"

#include <algorithm>
#include <span>
#include <utility>

#include "link/LinkInbox.h"

InboxTransport::InboxTransport(QObject* owner, int unitId, LinkProfile profile, std::size_t receiveLimit)
    : LinkTransport(owner, unitId, std::move(profile), {}),
      m_inbox(std::make_shared<LinkInbox>()),
      m_receiveLimit(receiveLimit) {}

InboxTransport::~InboxTransport() = default;

bool InboxTransport::StartWriting(InboxLinkIo::Writer write) {
  if (IsOpen() || !m_inbox->IsValid()) {
    return false;
  }
  return Start(std::make_unique<InboxLinkIo>(m_inbox, std::move(write)));
}

void InboxTransport::PutReceived(const std::uint8_t* bytes, int count) {
  if (count <= 0) {
    return;
  }
  m_inbox->Put(std::span(bytes, std::min(static_cast<std::size_t>(count), m_receiveLimit)));
}
