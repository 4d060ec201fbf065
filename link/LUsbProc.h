#pragma once

#include <memory>

#include "link/LUsb.h"

/// The USB transport the main window opens: LUsb with the USB forms of the
/// transport rules: replies complete from 9 bytes on, four silent reply
/// time-outs after the last resend before the link error "no reply", and
/// the keep-alive reply time-out of 5000 ms. The traffic lines come from the
/// HID port ("USB W") and the glue ("USB R"), not from here. GUI thread only.
class LUsbProc : public LUsb {
public:
  /// `unitId`: the unit the keep-alive is addressed to.
  LUsbProc(QObject* owner, int unitId, std::shared_ptr<UsbHidPort> port);
};
