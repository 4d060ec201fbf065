#include "link/LNetProc.h"

#include <utility>

namespace {

LinkProfile NetworkProfile() {
  LinkProfile profile;
  profile.replyCompleteFrom = 9;
  profile.keepAliveTimeout = 5000;
  return profile;
}

}  // namespace

LNetProc::LNetProc(QObject* owner, int unitId, std::shared_ptr<NetworkPort> port)
    : LNet(owner, unitId, NetworkProfile(), std::move(port)) {}
