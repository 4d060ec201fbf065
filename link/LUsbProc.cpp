#include "link/LUsbProc.h"

#include <utility>

namespace {

LinkProfile UsbProfile() {
  LinkProfile profile;
  profile.replyCompleteFrom = 9;
  profile.silentTimeouts = 4;
  profile.keepAliveTimeout = 5000;
  return profile;
}

}  // namespace

LUsbProc::LUsbProc(QObject* owner, int unitId, std::shared_ptr<UsbHidPort> port)
    : LUsb(owner, unitId, UsbProfile(), std::move(port)) {}
