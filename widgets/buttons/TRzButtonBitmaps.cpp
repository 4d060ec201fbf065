#include "widgets/buttons/TRzButtonBitmaps.h"

TRzButtonBitmaps::TRzButtonBitmaps() {
  for (TBitmap* face : {&m_up, &m_upAndFocused, &m_disabled, &m_down, &m_stayDown, &m_hot}) {
    face->OnChange = [this](TObject*) { Changed(); };
  }
}

TRzButtonBitmaps::~TRzButtonBitmaps() {
  for (TBitmap* face : {&m_up, &m_upAndFocused, &m_disabled, &m_down, &m_stayDown, &m_hot}) {
    face->OnChange = nullptr;
  }
}

void TRzButtonBitmaps::Changed() { Raise(OnChange, this); }

void TRzButtonBitmaps::SetUp(const TBitmap& value) { m_up.Assign(value); }
void TRzButtonBitmaps::SetUpAndFocused(const TBitmap& value) { m_upAndFocused.Assign(value); }
void TRzButtonBitmaps::SetDisabled(const TBitmap& value) { m_disabled.Assign(value); }
void TRzButtonBitmaps::SetDown(const TBitmap& value) { m_down.Assign(value); }
void TRzButtonBitmaps::SetStayDown(const TBitmap& value) { m_stayDown.Assign(value); }
void TRzButtonBitmaps::SetHot(const TBitmap& value) { m_hot.Assign(value); }

void TRzButtonBitmaps::SetTransparentColor(TColor value) {
  if (value != m_transparentColor) {
    m_transparentColor = value;
    Changed();
  }
}
