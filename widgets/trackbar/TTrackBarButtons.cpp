#include "widgets/trackbar/TTrackBarButtons.h"

#include "widgets/trackbar/TCustomTrackBar.h"

TTrackBarButtons::TTrackBarButtons() : TTrackBarFace(9262895, TGDIPGradient::ggVertical, false) {
  const auto changed = [this](TObject*) { ButtonsPictureChanged(); };
  m_minPicture.OnChange = changed;
  m_maxPicture.OnChange = changed;
}

void TTrackBarButtons::SetSize(int v) {
  if (m_minPicture.Empty() && m_maxPicture.Empty()) {
    Set(m_size, v);
  }
}

void TTrackBarButtons::ButtonsPictureChanged() {
  if ((!m_minPicture.Empty() || !m_maxPicture.Empty()) && Owner()) {
    TGDIPPicture& used = m_minPicture.Empty() ? m_maxPicture : m_minPicture;
    used.GetImageSizes();
    m_size = Owner()->Orientation() == TTrackBarOrientation::trVertical ? used.Height() : used.Width();
  }
  Notify();
}

void TTrackBarButtons::Assign(const TObject* source) {
  const auto* s = dynamic_cast<const TTrackBarButtons*>(source);
  if (!s) {
    return;
  }
  AssignFace(*s);
  SetVisible(s->m_visible);
  SetSize(s->m_size);
  SetShape(s->m_shape);
  SetRotateText(s->m_rotateText);
  SetSpacing(s->m_spacing);
  Notify();
  m_minPicture.Assign(&s->m_minPicture);
  m_minPictureHot.Assign(&s->m_minPictureHot);
  m_minPictureDown.Assign(&s->m_minPictureDown);
  m_maxPicture.Assign(&s->m_maxPicture);
  m_maxPictureHot.Assign(&s->m_maxPictureHot);
  m_maxPictureDown.Assign(&s->m_maxPictureDown);
  m_repeatClick = s->m_repeatClick;
  m_repeatPause = s->m_repeatPause;
  m_initRepeatPause = s->m_initRepeatPause;
  m_step = s->m_step;
}
