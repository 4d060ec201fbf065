#include "widgets/trackbar/TTrackBarTick.h"

TTrackBarTick::TTrackBarTick() {
  m_font.SetName(QStringLiteral("Tahoma"));
  m_font.OnChange = [this](TObject*) { Notify(); };
}

void TTrackBarTick::Assign(const TObject* source) {
  const auto* s = dynamic_cast<const TTrackBarTick*>(source);
  if (!s) {
    return;
  }
  SetColor(s->m_color);
  SetColorDisabled(s->m_colorDisabled);
  SetSize(s->m_size);
  SetPosition(s->m_position);
  SetStyle(s->m_style);
  m_picture.Assign(&s->m_picture);
  m_pictureDisabled.Assign(&s->m_pictureDisabled);
  SetFont(s->m_font);
  SetShowText(s->m_showText);
  SetLine3D(s->m_line3D);
  m_showImageAtThumbOnly = s->m_showImageAtThumbOnly;
  m_showImageAtSteps = s->m_showImageAtSteps;
  SetSpacing(s->m_spacing);
}
