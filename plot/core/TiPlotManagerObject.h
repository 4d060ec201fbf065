#pragma once

#include "plot/core/TiPlotObject.h"

/// Base of every plot object held by an object manager: its constructor
/// insists on an owner and a complete set of notification handlers.
/// Throws EPlotError, before anything is set, with the first of "Owner must
/// be assigned", "OnChange event handler can not be null", "OnInsert event
/// handler can not be null", "OnRemove event handler can not be null",
/// "AOnRename event handler can not be null". GUI thread only.
class TiPlotManagerObject : public TiPlotObject {
public:
  TiPlotManagerObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                      TNotifyEvent onRename);
};
