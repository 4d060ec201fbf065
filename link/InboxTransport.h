#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/InboxLinkIo.h"
#include "link/LinkTransport.h"

class LinkInbox;

/// A transport whose link holds no device of its own (USB, the network):
/// the owner's handlers hand received bytes in with PutReceived on the GUI
/// thread, and the worker writes each frame through a write routine of the
/// owner's. GUI thread only.
class InboxTransport : public LinkTransport {
public:
  ~InboxTransport() override;
  InboxTransport(const InboxTransport&) = delete;
  InboxTransport& operator=(const InboxTransport&) = delete;

  /// Hands received bytes to the worker. Hand-overs the worker has not
  /// taken yet are kept in order, never overwritten; one hand-over takes at
  /// most the transport's receive limit.
  void PutReceived(const std::uint8_t* bytes, int count);

protected:
  /// `receiveLimit`: the most bytes one hand-over takes.
  InboxTransport(QObject* owner, int unitId, LinkProfile profile, std::size_t receiveLimit);

  /// Starts the worker writing through `write`; false when opened before
  /// or when it cannot start.
  bool StartWriting(InboxLinkIo::Writer write);

private:
  std::shared_ptr<LinkInbox> m_inbox;
  const std::size_t m_receiveLimit;
};
