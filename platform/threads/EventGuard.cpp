#include "platform/threads/EventGuard.h"

#include <exception>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcEvents, "krv71.platform.events")

bool RunGuarded(const char* where, const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    qCWarning(lcEvents) << where << "handler failed:" << error.what();
  } catch (...) {
    qCWarning(lcEvents) << where << "handler failed";
  }
  return false;
}
