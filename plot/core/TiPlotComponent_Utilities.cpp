#include <vector>

#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/base/EPlotError.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotTable.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

namespace {

template <typename T>
T* ByName(const TiPlotKindManager& manager, const QString& value) {
  return dynamic_cast<T*>(manager.GetObjectByName(value));
}

}  // namespace

TiPlotChannelCustom* TiPlotComponent::GetChannelByName(const QString& value) const {
  return ByName<TiPlotChannelCustom>(Master().ChannelManager(), value);
}

TiPlotXAxis* TiPlotComponent::GetXAxisByName(const QString& value) const {
  return ByName<TiPlotXAxis>(Master().XAxisManager(), value);
}

TiPlotYAxis* TiPlotComponent::GetYAxisByName(const QString& value) const {
  return ByName<TiPlotYAxis>(Master().YAxisManager(), value);
}

TiPlotDataView* TiPlotComponent::GetDataViewByName(const QString& value) const {
  return ByName<TiPlotDataView>(Master().DataViewManager(), value);
}

TiPlotDataCursor* TiPlotComponent::GetDataCursorByName(const QString& value) const {
  return ByName<TiPlotDataCursor>(Master().DataCursorManager(), value);
}

TiPlotLegend* TiPlotComponent::GetLegendByName(const QString& value) const {
  return ByName<TiPlotLegend>(Master().LegendManager(), value);
}

TiPlotLabel* TiPlotComponent::GetLabelByName(const QString& value) const {
  return ByName<TiPlotLabel>(Master().LabelManager(), value);
}

TiPlotLimit* TiPlotComponent::GetLimitByName(const QString& value) const {
  return ByName<TiPlotLimit>(Master().LimitManager(), value);
}

TiPlotTable* TiPlotComponent::GetTableByName(const QString& value) const {
  return ByName<TiPlotTable>(Master().TableManager(), value);
}

TiPlotToolBar* TiPlotComponent::GetToolBarByName(const QString& value) const {
  return ByName<TiPlotToolBar>(Master().ToolBarManager(), value);
}

TiPlotAnnotation* TiPlotComponent::GetAnnotationByName(const QString& value) const {
  return ByName<TiPlotAnnotation>(Master().AnnotationManager(), value);
}

void TiPlotComponent::SetSelectModeActive(bool value) {
  TiPlotKindManager& toolBars = Master().ToolBarManager();
  if (toolBars.Count() > 0 && value != SelectModeActive()) {
    toolBars.ItemAs<TiPlotToolBar>(0)->DoButtonClick(TiPlotToolBarButtonType::iptbbtSelect);
  }
}

void TiPlotComponent::TransferChannelData(int sourceChannelIndex, int destinationChannelIndex, int startIndex,
                                          int stopIndex) {
  TiPlotKindManager& channels = Master().ChannelManager();
  const TiPlotChannelCustom& source = *channels.ItemAs<TiPlotChannelCustom>(sourceChannelIndex);
  TiPlotChannelCustom& destination = *channels.ItemAs<TiPlotChannelCustom>(destinationChannelIndex);
  if (startIndex < 0) {
    throw EPlotError(QStringLiteral("Start Index Must be 0 or Greater"));
  }
  if (stopIndex > source.Count() - 1) {
    throw EPlotError(QStringLiteral("StopIndex Must Out Of Range"));
  }
  struct TPoint {
    double X, Y;
    bool Empty, Null;
  };
  std::vector<TPoint> points;
  for (int k = startIndex; k <= stopIndex; ++k) {
    TPoint& p = points.emplace_back();
    source.GetXYEmptyNull(k, p.X, p.Y, p.Empty, p.Null);
  }
  for (const TPoint& p : points) {
    const int index = destination.AddXY(p.X, p.Y);
    destination.SetNull(index, p.Null);
    destination.SetEmpty(index, p.Empty);
  }
}
