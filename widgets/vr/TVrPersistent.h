#pragma once

#include "platform/core/TObject.h"

/// Base of the LED button set's helper objects: raises OnChange on every
/// change, or once when the last open update closes. Owned by its control;
/// GUI thread.
class TVrPersistent : public TObject {
public:
  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();

  TNotifyEvent OnChange;

protected:
  /// Raises OnChange unless an update is open.
  void Changed();

private:
  int m_updateCount = 0;
};
