#pragma once

#include <memory>

#include "link/LNet.h"

/// The network transport the main window opens: LNet with the network
/// forms of the transport rules: replies complete from 9 bytes on, the
/// keep-alive reply time-out of 5000 ms, no traffic lines of its own (the
/// network port logs "NET W", the glue "NET R") and no link errors but "no
/// reply". GUI thread only.
class LNetProc : public LNet {
public:
  /// `unitId`: the unit the keep-alive is addressed to.
  LNetProc(QObject* owner, int unitId, std::shared_ptr<NetworkPort> port);
};
