#include "plot/core/iHandlerChecks.h"

#include "plot/base/EPlotError.h"

void CheckPlotHandlers(const void* owner, const QString& ownerMessage, const TNotifyEvent& onChange,
                       const TNotifyEvent& onInsert, const TNotifyEvent& onRemove, const TNotifyEvent& onRename) {
  if (owner == nullptr) {
    throw EPlotError(ownerMessage);
  }
  if (!onChange) {
    throw EPlotError(QStringLiteral("OnChange event handler can not be null"));
  }
  if (!onInsert) {
    throw EPlotError(QStringLiteral("OnInsert event handler can not be null"));
  }
  if (!onRemove) {
    throw EPlotError(QStringLiteral("OnRemove event handler can not be null"));
  }
  if (!onRename) {
    throw EPlotError(QStringLiteral("AOnRename event handler can not be null"));
  }
}
