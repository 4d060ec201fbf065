#pragma once

#include <cstdint>
#include <vector>

#include "protocol/IUnitHost.h"
#include "protocol/LCmd.h"

/// Test host of the unit model: records every frame sent with its
/// forceAppend flag and every channel marked for a curve redraw.
class RecordingUnitHost : public IUnitHost {
public:
  struct Sent {
    std::vector<std::uint8_t> frame;
    bool forceAppend;
  };

  bool IsRefreshingControls() const override { return refreshing; }
  void SendCommand(const LCmd& command, bool forceAppend, int mode) override {
    sent.push_back({SerializeCommand(command, mode), forceAppend});
  }
  void MarkCurveOverlayDirty(int channel) override { dirtyChannels.push_back(channel); }
  int GetUnitId() const override { return unitId; }

  bool refreshing = false;
  int unitId = 1;
  std::vector<Sent> sent;
  std::vector<int> dirtyChannels;
};
