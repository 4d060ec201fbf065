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
  // A list of its own, not one sharing the worker's array: detaching a shared
  // array on two threads is invisible to ThreadSanitizer's view of Qt.
  std::scoped_lock lock(m_mutex);
  QStringList lines;
  lines.reserve(m_lines.size());
  for (const QString& line : m_lines) {
    lines.append(line);
  }
  return lines;
}
