#include "widgets/trackbar/TTrackBarSlider.h"

#include "widgets/trackbar/TCustomTrackBar.h"

TTrackBarSlider::TTrackBarSlider() {
  const auto changed = [this](TObject*) { SliderPictureChanged(); };
  m_picture.OnChange = changed;
  m_pictureDisabled.OnChange = changed;
  m_pictureCompleted.OnChange = changed;
  m_pictureCompletedDisabled.OnChange = changed;
}

void TTrackBarSlider::SliderPictureChanged() {
  if (!m_picture.Empty()) {
    m_picture.GetImageSizes();
    const bool vertical = Owner() && Owner()->Orientation() == TTrackBarOrientation::trVertical;
    m_size = vertical ? m_picture.Width() : m_picture.Height();
    SetBorderColor(clNone);
  }
  Notify();
}

void TTrackBarSlider::Assign(const TObject* source) {
  const auto* s = dynamic_cast<const TTrackBarSlider*>(source);
  if (!s) {
    return;
  }
  m_color = s->m_color;
  m_colorTo = s->m_colorTo;
  m_borderColor = s->m_borderColor;
  m_borderColorDisabled = s->m_borderColorDisabled;
  m_colorDisabled = s->m_colorDisabled;
  m_colorDisabledTo = s->m_colorDisabledTo;
  m_colorCompleted = s->m_colorCompleted;
  m_colorCompletedTo = s->m_colorCompletedTo;
  m_colorCompletedDisabled = s->m_colorCompletedDisabled;
  m_colorCompletedDisabledTo = s->m_colorCompletedDisabledTo;
  m_size = s->m_size;
  m_rounded = s->m_rounded;
  m_pictureStretched = s->m_pictureStretched;
  m_picture.Assign(&s->m_picture);
  m_pictureDisabled.Assign(&s->m_pictureDisabled);
  m_pictureCompleted.Assign(&s->m_pictureCompleted);
  m_pictureCompletedDisabled.Assign(&s->m_pictureCompletedDisabled);
  SetBorder3D(s->m_border3D);
  SetVisible(s->m_visible);
  SetOffset(s->m_offset);
}
