#pragma once

#include "platform/TColor.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/trackbar/TTrackBarPart.h"
#include "widgets/trackbar/TrackBarDrawing.h"

enum class TTrackButtonShape { bsRound, bsRectangle };

/// The minimum and maximum step buttons: visibility, size, shape, colours
/// and pictures by state, the repeat timing of a held button and the step.
/// A minimum or maximum picture sets Size from its size; while one is set,
/// writing Size does nothing. Owned by its track bar. GUI thread only.
class TTrackBarButtons : public TTrackBarPart {
public:
  using TGDIPGradient = AdvTrackBar::TGDIPGradient;
  TTrackBarButtons();

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
  // The mirror colours are stored without a repaint.
  TColor ColorMirror() const { return m_colorMirror; }
  void SetColorMirror(TColor v) { m_colorMirror = v; }
  TColor ColorMirrorTo() const { return m_colorMirrorTo; }
  void SetColorMirrorTo(TColor v) { m_colorMirrorTo = v; }
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
  TGDIPPicture& MinPicture() { return m_minPicture; }
  TGDIPPicture& MinPictureHot() { return m_minPictureHot; }
  TGDIPPicture& MinPictureDown() { return m_minPictureDown; }
  TGDIPPicture& MaxPicture() { return m_maxPicture; }
  TGDIPPicture& MaxPictureHot() { return m_maxPictureHot; }
  TGDIPPicture& MaxPictureDown() { return m_maxPictureDown; }
  int InitRepeatPause() const { return m_initRepeatPause; }
  void SetInitRepeatPause(int v) { m_initRepeatPause = v; }
  int RepeatPause() const { return m_repeatPause; }
  void SetRepeatPause(int v) { m_repeatPause = v; }
  bool RepeatClick() const { return m_repeatClick; }
  void SetRepeatClick(bool v) { m_repeatClick = v; }
  bool RotateText() const { return m_rotateText; }
  void SetRotateText(bool v) { Set(m_rotateText, v); }
  bool Visible() const { return m_visible; }
  void SetVisible(bool v) { Set(m_visible, v); }
  int Size() const { return m_size; }
  void SetSize(int v);
  TTrackButtonShape Shape() const { return m_shape; }
  void SetShape(TTrackButtonShape v) { Set(m_shape, v); }
  int Spacing() const { return m_spacing; }
  void SetSpacing(int v) { Set(m_spacing, v); }
  int Step() const { return m_step; }
  void SetStep(int v) { m_step = v; }

  /// Takes Size from the minimum (or else maximum) picture; notifies.
  void ButtonsPictureChanged();
  void Assign(const TObject* source);

private:
  bool m_visible = false;
  TColor m_colorHot = 15465983;
  TColor m_color = 15653832;
  TColor m_colorTo = 16178633;
  TColor m_colorHotTo = 11332863;
  TColor m_colorDownTo = 4296947;
  TColor m_colorDown = 7778289;
  TColor m_borderColorDown = 4548219;
  TColor m_borderColorHot = 10079963;
  TColor m_borderColor = 9262895;
  TGDIPPicture m_maxPictureHot;
  TGDIPPicture m_maxPictureDown;
  TGDIPPicture m_minPicture;
  TGDIPPicture m_maxPicture;
  TGDIPPicture m_minPictureHot;
  TGDIPPicture m_minPictureDown;
  TTrackButtonShape m_shape = TTrackButtonShape::bsRound;
  TColor m_colorMirror = 15586496;
  TColor m_colorMirrorTo = 16245200;
  TColor m_colorMirrorHot = 5888767;
  TColor m_colorMirrorDownTo = 5021693;
  TColor m_colorMirrorHotTo = 10807807;
  TColor m_colorMirrorDown = 946929;
  TGDIPGradient m_gradientMirror = TGDIPGradient::ggVertical;
  TGDIPGradient m_gradient = TGDIPGradient::ggVertical;
  bool m_repeatClick = true;
  int m_initRepeatPause = 400;
  int m_repeatPause = 100;
  int m_size = 20;
  int m_spacing = 2;
  int m_step = 1;
  bool m_rotateText = true;
};
