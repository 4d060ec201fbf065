#include "plot/core/TiPlotManagerObject.h"

#include "plot/base/EPlotError.h"

namespace {

/// Checks the constructor's arguments in their order and passes the owner on.
TiPlotComponent* Checked(TiPlotComponent* owner, const TNotifyEvent& onChange, const TNotifyEvent& onInsert,
                         const TNotifyEvent& onRemove, const TNotifyEvent& onRename) {
  if (owner == nullptr) {
    throw EPlotError(QStringLiteral("Owner must be assigned"));
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
  return owner;
}

}  // namespace

TiPlotManagerObject::TiPlotManagerObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    // Copies, not moves: the check reads the same arguments and the order
    // in which arguments are evaluated is unspecified.
    : TiPlotObject(Checked(owner, onChange, onInsert, onRemove, onRename), onChange, onInsert, onRemove, onRename) {}
