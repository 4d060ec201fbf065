#pragma once

#include <chrono>
#include <functional>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

/// Processes the GUI thread's events until `condition` holds (true) or
/// `timeout` passed (false): the bounded wait of tests whose results arrive
/// through the event loop. It sleeps while no event is due, so a test waiting
/// out a unit's time-out leaves the processor to the tests beside it; the
/// tick wakes it for conditions that change off the event loop (another
/// thread, another process).
inline bool ProcessEventsUntil(const std::function<bool()>& condition,
                               std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
  const QDeadlineTimer deadline(timeout);
  QTimer tick;
  tick.start(5);
  while (!condition()) {
    if (deadline.hasExpired()) {
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}
