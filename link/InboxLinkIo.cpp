#include "link/InboxLinkIo.h"

#include <utility>

#include "link/LinkInbox.h"

InboxLinkIo::InboxLinkIo(std::shared_ptr<LinkInbox> inbox, Writer writer)
    : m_inbox(std::move(inbox)), m_writer(std::move(writer)) {}

int InboxLinkIo::ReadFd() const { return m_inbox->Fd(); }

bool InboxLinkIo::ReadAvailable(std::vector<std::uint8_t>& bytes) {
  const std::vector<std::uint8_t> taken = m_inbox->Take();
  bytes.insert(bytes.end(), taken.begin(), taken.end());
  return true;
}

void InboxLinkIo::Write(std::span<const std::uint8_t> frame, int /*wakeFd*/) {
  if (m_writer) {
    m_writer(frame);
  }
}
