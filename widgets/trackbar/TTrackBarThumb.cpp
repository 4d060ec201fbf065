#include "widgets/trackbar/TTrackBarThumb.h"

#include "widgets/trackbar/TCustomTrackBar.h"

TTrackBarThumb::TTrackBarThumb() : TTrackBarFace(10317632, TGDIPGradient::ggRadial, true) {
  const auto changed = [this](TObject*) { ThumbPictureChanged(); };
  m_picture.OnChange = changed;
  m_pictureHot.OnChange = changed;
  m_pictureDown.OnChange = changed;
  m_pictureDisabled.OnChange = changed;
}

void TTrackBarThumb::SetSize(int v) {
  if (m_picture.Empty()) {
    Set(m_size, v);
  }
}

void TTrackBarThumb::SetWidth(int v) {
  if (m_picture.Empty()) {
    Set(m_width, v);
  }
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer v) {
  if (Owner() && Owner()->CanSetThumbPointer()) {
    Set(m_thumbPointer, v);
  }
}

void TTrackBarThumb::ThumbPictureChanged() {
  if (!m_picture.Empty() && Owner()) {
    m_picture.GetImageSizes();
    if (Owner()->Orientation() == TTrackBarOrientation::trVertical) {
      m_width = m_picture.Height();
      m_size = m_picture.Width();
    } else {
      m_size = m_picture.Height();
      m_width = m_picture.Width();
    }
  }
  Notify();
}

void TTrackBarThumb::Assign(const TObject* source) {
  const auto* s = dynamic_cast<const TTrackBarThumb*>(source);
  if (!s) {
    return;
  }
  AssignFace(*s);
  m_colorDisabled = s->m_colorDisabled;
  m_colorDisabledTo = s->m_colorDisabledTo;
  m_borderColorDisabled = s->m_borderColorDisabled;
  m_colorMirrorDisabled = s->m_colorMirrorDisabled;
  m_colorMirrorDisabledTo = s->m_colorMirrorDisabledTo;
  m_steps = s->m_steps;
  m_picture.Assign(&s->m_picture);
  m_pictureHot.Assign(&s->m_pictureHot);
  m_pictureDown.Assign(&s->m_pictureDown);
  m_pictureDisabled.Assign(&s->m_pictureDisabled);
  SetWidth(s->m_width);
  SetShape(s->m_shape);
  SetStyle(s->m_style);
  SetSize(s->m_size);
  SetThumbPointer(s->m_thumbPointer);
}
