#pragma once

#include <QString>

#include "platform/core/TObject.h"

/// Checks the arguments every managed plot object and every object manager
/// is created with, in their order, and throws EPlotError with the first
/// failure: ownerMessage when there is no owner, then "OnChange event
/// handler can not be null", "OnInsert ...", "OnRemove ..." and "AOnRename
/// event handler can not be null".
void CheckPlotHandlers(const void* owner, const QString& ownerMessage, const TNotifyEvent& onChange,
                       const TNotifyEvent& onInsert, const TNotifyEvent& onRemove, const TNotifyEvent& onRename);
