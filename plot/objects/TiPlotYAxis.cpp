#include "plot/objects/TiPlotYAxis.h"

TiPlotYAxis::TiPlotYAxis(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotAxis(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsNone);
}
