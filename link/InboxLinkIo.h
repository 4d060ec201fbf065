#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "link/LinkIo.h"

class LinkInbox;

/// The worker's side of a link that owns no device of its own (USB, the
/// network): received bytes come from a LinkInbox that the transport fills
/// on the GUI thread, and frames go to the owner's write routine, called on
/// the worker thread. Such a link never fails on its own. Worker thread.
class InboxLinkIo : public LinkIo {
public:
  using Writer = std::function<void(std::span<const std::uint8_t> frame)>;

  InboxLinkIo(std::shared_ptr<LinkInbox> inbox, Writer writer);

  int ReadFd() const override;
  bool ReadAvailable(std::vector<std::uint8_t>& bytes) override;
  void Write(std::span<const std::uint8_t> frame, int wakeFd) override;

private:
  std::shared_ptr<LinkInbox> m_inbox;
  Writer m_writer;
};
