#include "link/LUnitSession.h"

#include "link/LinkErrorEvent.h"
#include "link/LinkMessages.h"
#include "link/LinkReplyEvent.h"
#include "platform/threads/EventGuard.h"

bool LUnitSession::IsInSlot(std::uint64_t generation) const {
  for (const Slot* slot : {&m_serial, &m_usb, &m_net}) {
    if (*slot && (*slot)->Generation() == generation) {
      return true;
    }
  }
  return false;
}

bool LUnitSession::event(QEvent* event) {
  if (event->type() == WM_LINK_REPLY) {
    auto* reply = static_cast<LinkReplyEvent*>(event);
    if (reply->Claim() && IsInSlot(reply->Generation())) {
      const ReplyOrigin origin{reply->AnsweredCode().has_value(), reply->AnsweredCode().value_or(0)};
      RunGuarded("WM_LINK_REPLY", [&] { HandleReply(reply->Frame(), origin); });
    }
    return true;
  }
  if (event->type() == WM_LINK_ERROR) {
    const auto* error = static_cast<LinkErrorEvent*>(event);
    if (IsInSlot(error->Generation())) {
      RunGuarded("WM_LINK_ERROR", [&] { HandleLinkError(error->Code()); });
    }
    return true;
  }
  return QObject::event(event);
}
