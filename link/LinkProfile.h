#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

/// Receives the traffic lines of a transport ("COM W 10 02 ..."). Called on
/// the GUI thread and on the worker thread; the sink marshals to the
/// monitor window and decides whether the line is shown.
using LinkLogSink = std::function<void(const QString& line)>;

/// What tells one kind of transport from another to the shared link engine.
struct LinkProfile {
  /// Size from which the reply framer tests for a complete frame.
  std::size_t replyCompleteFrom = 5;
  /// Time-outs waited in silence after the last resend before "no reply".
  int silentTimeouts = 0;
  /// Reply time-out the keep-alive sets, in milliseconds.
  int keepAliveTimeout = 2000;
  /// Prefix of the line logged for each frame handed to the worker; none when empty.
  QString writeLogPrefix;
  /// Prefix of the line logged for each delivered reply; none when empty.
  QString readLogPrefix;
  /// Link error posted when the link fails; none: the worker ends silently.
  std::optional<int> readFailureError;
  /// Link error posted when the worker's wait fails; none: it ends silently.
  std::optional<int> waitFailureError;
};

/// A traffic line: the prefix, then "%02X " for each byte.
QString FormatLinkLogLine(const QString& prefix, const std::vector<std::uint8_t>& bytes);
