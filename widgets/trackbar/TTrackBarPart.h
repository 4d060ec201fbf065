#pragma once

#include "platform/core/TObject.h"

class TCustomTrackBar;

/// Base of the track bar's appearance parts: the change event its owner
/// sets (the owner repaints) and the owning track bar. GUI thread only.
class TTrackBarPart : public TObject {
public:
  TNotifyEvent OnChange;
  TCustomTrackBar* Owner() const { return m_owner; }
  void SetOwner(TCustomTrackBar* owner) { m_owner = owner; }

protected:
  void Notify() { Raise(OnChange, this); }
  /// Stores a changed value and notifies.
  template <typename T>
  void Set(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      Notify();
    }
  }

private:
  TCustomTrackBar* m_owner = nullptr;  ///< not owned
};
