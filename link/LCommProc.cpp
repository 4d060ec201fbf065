#include "link/LCommProc.h"

#include <utility>

#include "link/LinkMessages.h"

namespace {

LinkProfile SerialProfile() {
  LinkProfile profile;
  profile.replyCompleteFrom = 5;
  profile.keepAliveTimeout = 2000;
  profile.writeLogPrefix = QStringLiteral("COM W ");
  profile.readLogPrefix = QStringLiteral("COM R ");
  profile.readFailureError = LINK_ERROR_PORT_FAILED;
  profile.waitFailureError = LINK_ERROR_WAIT_FAILED;
  return profile;
}

}  // namespace

LCommProc::LCommProc(QObject* owner, int unitId, LinkLogSink log)
    : LComm(owner, unitId, SerialProfile(), std::move(log)) {}
