#include "widgets/vr/TVrCustomControl.h"

TVrCustomControl::TVrCustomControl(QWidget* parent) : TCustomControl(parent) {}

void TVrCustomControl::EndUpdate() {
  if (m_updateCount > 0) {
    --m_updateCount;
  }
  UpdateControl();
}

void TVrCustomControl::UpdateControl() {
  if (m_updateCount == 0) {
    Invalidate();
  }
}

void TVrCustomControl::FontChanged() {
  TCustomControl::FontChanged();
  DoFontChanged();
}

void TVrCustomControl::TextChanged() {
  TCustomControl::TextChanged();
  DoTextChanged();
}
