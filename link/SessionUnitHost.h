#pragma once

#include "link/LUnitSession.h"
#include "protocol/IUnitHost.h"

/// The unit model's host where no window is: edits go to the session as
/// the main window sends them, nothing is being refreshed and no curve is
/// drawn. For the tools and tests that drive a session on its own.
class SessionUnitHost : public IUnitHost {
public:
  bool IsRefreshingControls() const override { return false; }
  void SendCommand(const LCmd& command, bool forceAppend, int mode) override {
    if (session != nullptr) {
      session->SendCommand(command, forceAppend, mode);
    }
  }
  void MarkCurveOverlayDirty(int) override {}
  int GetUnitId() const override { return 1; }

  LUnitSession* session = nullptr;
};
