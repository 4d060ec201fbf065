#include "widgets/vr/TVrPersistent.h"

void TVrPersistent::EndUpdate() {
  if (m_updateCount > 0) {
    --m_updateCount;
  }
  Changed();
}

void TVrPersistent::Changed() {
  if (m_updateCount == 0) {
    Raise(OnChange, this);
  }
}
