#pragma once

#include <chrono>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>

/// Processes the GUI thread's events until `condition` holds (true) or
/// `timeout` passed (false): the bounded wait of tests whose results arrive
/// through the event loop.
inline bool ProcessEventsUntil(const std::function<bool()>& condition,
                               std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeout.count()) {
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}
