#include "tests/link/RecordingOwner.h"

#include <algorithm>


#include "link/LinkErrorEvent.h"
#include "link/LinkMessages.h"
#include "link/LinkReplyEvent.h"
#include "tests/support/ProcessEventsUntil.h"

bool RecordingOwner::HasError(int code) const {
  return std::any_of(errors.begin(), errors.end(), [code](const Error& error) { return error.code == code; });
}

bool RecordingOwner::event(QEvent* event) {
  if (event->type() == WM_LINK_REPLY) {
    auto* reply = static_cast<LinkReplyEvent*>(event);
    if (!reply->Claim()) {
      return true;
    }
    replies.push_back({reply->Frame(), reply->ElapsedMs(), reply->Generation()});
    if (onReply) {
      onReply(replies.back());
    }
    return true;
  }
  if (event->type() == WM_LINK_ERROR) {
    const auto* error = static_cast<const LinkErrorEvent*>(event);
    errors.push_back({error->Code(), error->Argument(), error->Generation()});
    return true;
  }
  return QObject::event(event);
}

void RecordingLog::Add(const QString& line) {
  std::scoped_lock lock(m_mutex);
  m_lines.append(line);
}

QStringList RecordingLog::Lines() const {
  std::scoped_lock lock(m_mutex);
  return m_lines;
}
