#include "widgets/trackbar/TTrackBarFace.h"

void TTrackBarFace::AssignFace(const TTrackBarFace& s) {
  m_borderColor = s.m_borderColor;
  m_borderColorHot = s.m_borderColorHot;
  m_borderColorDown = s.m_borderColorDown;
  m_color = s.m_color;
  m_colorTo = s.m_colorTo;
  m_colorHot = s.m_colorHot;
  m_colorHotTo = s.m_colorHotTo;
  m_colorDown = s.m_colorDown;
  m_colorDownTo = s.m_colorDownTo;
  m_colorMirror = s.m_colorMirror;
  m_colorMirrorTo = s.m_colorMirrorTo;
  m_colorMirrorHot = s.m_colorMirrorHot;
  m_colorMirrorHotTo = s.m_colorMirrorHotTo;
  m_colorMirrorDown = s.m_colorMirrorDown;
  m_colorMirrorDownTo = s.m_colorMirrorDownTo;
  m_gradient = s.m_gradient;
  m_gradientMirror = s.m_gradientMirror;
}
