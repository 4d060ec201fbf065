#include "plot/channels/TiXYPlotChannel.h"

#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"

void TiXYPlotChannel::BindOPCHandlers() {
  OPCManager().OnAfterGroupUpdate = [this](TObject*, const QString&) {
    double x = 0;
    double y = 0;
    if (OPCGroupValues(x, y)) {
      TiPlotChannelCustom::AddXY(x, y);
    }
  };
}

void TiXYPlotChannel::OPCActivate() {
  if (OPCDesigning()) {
    return;
  }
  TiOPCItem& first = OPCItem(0);
  TiOPCItem& second = OPCItem(1);
  first.Deactivate();
  second.Deactivate();
  TiOPCManager& manager = OPCManager();
  manager.GroupClear();
  manager.GroupAdd(OPCUniqueGroupName(), first.ComputerName(), first.ServerName(), first.UpdateRate());
  first.SetGroupName(manager.Groups(0).Name());
  second.SetGroupName(manager.Groups(0).Name());
  first.Activate();
  second.Activate();
}

void TiXYPlotChannel::OPCActivateSuspend() {
  OPCActivate();
  OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate() {
  OPCItem(0).Deactivate();
  OPCItem(1).Deactivate();
}

void TiXYPlotChannel::OPCUpdateSuspend() {
  if (OPCManager().GroupCount() > 0) {
    OPCManager().Groups(0).Suspend();
  }
}

void TiXYPlotChannel::OPCUpdateResume() {
  if (OPCManager().GroupCount() > 0) {
    OPCManager().Groups(0).Resume();
  }
}
