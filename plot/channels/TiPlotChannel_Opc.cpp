#include "plot/channels/TiPlotChannel.h"

#include "plot/core/TiPlotComponent.h"
#include "plot/opc/OpcValue.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"

void TiPlotChannel::BindOPCHandlers() {
  OPCItemManager().OnNewData = [this](TObject* sender) { OPCNewData(static_cast<TiOPCItem&>(*sender)); };
  OPCManager().OnAfterGroupUpdate = [this](TObject*, const QString&) { OPCAfterGroupUpdate(); };
}

void TiPlotChannel::OPCActivate() {
  if (OPCDesigning()) {
    return;
  }
  TiOPCItem& first = OPCItem(0);
  TiOPCItem& second = OPCItem(1);
  first.Deactivate();
  second.Deactivate();
  if (m_opcXValueSource != TiOPCXValueSourceStyle::iopcxvsOPCItem) {
    first.Activate();
    return;
  }
  TiOPCManager& manager = OPCManager();
  manager.GroupClear();
  if (manager.GetGroupIndex(first.GroupName()) == -1 && !first.ServerName().trimmed().isEmpty()) {
    const int index =
        manager.GroupAdd(OPCUniqueGroupName(), first.ComputerName(), first.ServerName(), first.UpdateRate());
    first.SetGroupName(manager.Groups(index).Name());
  }
  second.SetGroupName(first.GroupName());
  first.Activate();
  second.Activate();
}

void TiPlotChannel::OPCActivateSuspend() { OPCItem(0).ActivateSuspend(); }
void TiPlotChannel::OPCDeactivate() { OPCItem(0).Deactivate(); }
void TiPlotChannel::OPCUpdateSuspend() { OPCItem(0).UpdateSuspend(); }
void TiPlotChannel::OPCUpdateResume() { OPCItem(0).UpdateResume(); }
QString TiPlotChannel::OPCGroupName() const { return OPCItem(0).GroupName(); }
void TiPlotChannel::SetOPCGroupName(const QString& value) { OPCItem(0).SetGroupName(value); }

void TiPlotChannel::OPCNewData(TiOPCItem& item) {
  double y = 0;
  if (!OpcValueToDouble(item.Data(), y)) {
    return;
  }
  switch (m_opcXValueSource) {
    case TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp:
      AddPoint(item.TimeStamp(), y, false, false);
      break;
    case TiOPCXValueSourceStyle::iopcxvsSystemTimeStamp:
      AddPoint(TiPlotComponent::GetNow(), y, false, false);
      break;
    case TiOPCXValueSourceStyle::iopcxvsElapsedTime:
      AddYElapsedTime(y);
      break;
    case TiOPCXValueSourceStyle::iopcxvsElapsedSeconds:
      AddYElapsedSeconds(y);
      break;
    case TiOPCXValueSourceStyle::iopcxvsOPCItem:
      break;
  }
}

void TiPlotChannel::OPCAfterGroupUpdate() {
  double x = 0;
  double y = 0;
  if (OPCGroupValues(x, y)) {
    AddXY(x, y);
  }
}
