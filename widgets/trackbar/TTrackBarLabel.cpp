#include "widgets/trackbar/TTrackBarLabel.h"

TTrackBarLabel::TTrackBarLabel() {
  m_font.SetName(QStringLiteral("Tahoma"));
  m_font.OnChange = [this](TObject*) { Notify(); };
}

void TTrackBarLabel::Assign(const TObject* source) {
  const auto* s = dynamic_cast<const TTrackBarLabel*>(source);
  if (!s) {
    return;
  }
  m_visible = s->m_visible;
  m_format = s->m_format;
  m_font.Assign(s->m_font);
  SetPosition(s->m_position);
}
