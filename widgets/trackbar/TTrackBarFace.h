#pragma once

#include "platform/drawing/TColor.h"
#include "widgets/trackbar/TTrackBarPart.h"
#include "widgets/trackbar/TrackBarDrawing.h"

/// The state colours the thumb and the step buttons share: a two-half face
/// (colour pair and mirror pair with their gradient kinds) and a border,
/// each for the normal, hot and pressed look. Writers store and repaint,
/// except the hot and pressed mirror colours (and, for the buttons, the
/// normal mirror colours), which are only stored. GUI thread only.
class TTrackBarFace : public TTrackBarPart {
public:
  using TGDIPGradient = AdvTrackBar::TGDIPGradient;

  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor v) { Set(m_borderColor, v); }
  TColor BorderColorHot() const { return m_borderColorHot; }
  void SetBorderColorHot(TColor v) { Set(m_borderColorHot, v); }
  TColor BorderColorDown() const { return m_borderColorDown; }
  void SetBorderColorDown(TColor v) { Set(m_borderColorDown, v); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Set(m_color, v); }
  TColor ColorTo() const { return m_colorTo; }
  void SetColorTo(TColor v) { Set(m_colorTo, v); }
  TColor ColorHot() const { return m_colorHot; }
  void SetColorHot(TColor v) { Set(m_colorHot, v); }
  TColor ColorHotTo() const { return m_colorHotTo; }
  void SetColorHotTo(TColor v) { Set(m_colorHotTo, v); }
  TColor ColorDown() const { return m_colorDown; }
  void SetColorDown(TColor v) { Set(m_colorDown, v); }
  TColor ColorDownTo() const { return m_colorDownTo; }
  void SetColorDownTo(TColor v) { Set(m_colorDownTo, v); }
  TColor ColorMirror() const { return m_colorMirror; }
  void SetColorMirror(TColor v) { StoreMirror(m_colorMirror, v); }
  TColor ColorMirrorTo() const { return m_colorMirrorTo; }
  void SetColorMirrorTo(TColor v) { StoreMirror(m_colorMirrorTo, v); }
  TColor ColorMirrorHot() const { return m_colorMirrorHot; }
  void SetColorMirrorHot(TColor v) { m_colorMirrorHot = v; }
  TColor ColorMirrorHotTo() const { return m_colorMirrorHotTo; }
  void SetColorMirrorHotTo(TColor v) { m_colorMirrorHotTo = v; }
  TColor ColorMirrorDown() const { return m_colorMirrorDown; }
  void SetColorMirrorDown(TColor v) { m_colorMirrorDown = v; }
  TColor ColorMirrorDownTo() const { return m_colorMirrorDownTo; }
  void SetColorMirrorDownTo(TColor v) { m_colorMirrorDownTo = v; }
  TGDIPGradient Gradient() const { return m_gradient; }
  void SetGradient(TGDIPGradient v) { Set(m_gradient, v); }
  TGDIPGradient GradientMirror() const { return m_gradientMirror; }
  void SetGradientMirror(TGDIPGradient v) { Set(m_gradientMirror, v); }

protected:
  TTrackBarFace(TColor borderColor, TGDIPGradient gradientMirror, bool mirrorRepaints)
      : m_borderColor(borderColor), m_gradientMirror(gradientMirror), m_mirrorRepaints(mirrorRepaints) {}
  /// Copies every state colour and both gradient kinds, without notifying.
  void AssignFace(const TTrackBarFace& source);

private:
  void StoreMirror(TColor& field, TColor v) {
    if (m_mirrorRepaints) {
      Set(field, v);
    } else {
      field = v;
    }
  }

  TColor m_borderColor;
  TColor m_borderColorHot = 10079963;
  TColor m_borderColorDown = 4548219;
  TColor m_color = 15653832;
  TColor m_colorTo = 16178633;
  TColor m_colorHot = 15465983;
  TColor m_colorHotTo = 11332863;
  TColor m_colorDown = 7778289;
  TColor m_colorDownTo = 4296947;
  TColor m_colorMirror = 15586496;
  TColor m_colorMirrorTo = 16245200;
  TColor m_colorMirrorHot = 5888767;
  TColor m_colorMirrorHotTo = 10807807;
  TColor m_colorMirrorDown = 946929;
  TColor m_colorMirrorDownTo = 5021693;
  TGDIPGradient m_gradient = TGDIPGradient::ggVertical;
  TGDIPGradient m_gradientMirror;
  bool m_mirrorRepaints;
};
