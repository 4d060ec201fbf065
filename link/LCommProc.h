#pragma once

#include "link/LComm.h"

/// The serial transport the main window opens: LComm with the serial
/// forms of reply framing (complete from 5 bytes on), the keep-alive reply
/// time-out of 2000 ms, and the traffic lines "COM W " for every frame handed
/// to the worker and "COM R " for every delivered reply (resends are not
/// logged). GUI thread only.
class LCommProc : public LComm {
public:
  /// `unitId`: the unit the keep-alive is addressed to; `log` receives the
  /// traffic lines on either thread.
  LCommProc(QObject* owner, int unitId, LinkLogSink log = {});
};
