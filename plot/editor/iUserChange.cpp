#include "plot/editor/iUserChange.h"

#include "plot/base/TiComponent.h"

void AnnounceChange(TiComponent& sender, const QString& propName, const TNotifyEvent& onChange,
                    const TNotifyEvent& onChangeUser, bool userChange) {
  if (sender.IsLoading()) {
    return;
  }
  if (sender.OnChangeProtected) {
    sender.OnChangeProtected(&sender, propName);
  }
  Raise(onChange, &sender);
  if (userChange) {
    Raise(onChangeUser, &sender);
  }
}
