#include "plot/core/TiPlotManagerObject.h"

#include "plot/core/iHandlerChecks.h"

namespace {

/// Checks the constructor's arguments and passes the owner on.
TiPlotComponent* Checked(TiPlotComponent* owner, const TNotifyEvent& onChange, const TNotifyEvent& onInsert,
                         const TNotifyEvent& onRemove, const TNotifyEvent& onRename) {
  CheckPlotHandlers(owner, QStringLiteral("Owner must be assigned"), onChange, onInsert, onRemove, onRename);
  return owner;
}

}  // namespace

TiPlotManagerObject::TiPlotManagerObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    // Copies, not moves: the check reads the same arguments and the order
    // in which arguments are evaluated is unspecified.
    : TiPlotObject(Checked(owner, onChange, onInsert, onRemove, onRename), onChange, onInsert, onRemove, onRename) {}
