#pragma once

#include "platform/TColor.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/trackbar/TTrackBarPart.h"
#include "widgets/trackbar/TrackBarDrawing.h"

enum class TThumbShape {
  tsPointer, tsRectangle, tsRoundRect, tsRound, tsLine, tsPointerLeftUp, tsPointerRightUp, tsTriangle,
  tsTriangleLeft, tsTriangleRight
};
enum class TThumbStyle { tstOffice2007, tstCustom };
enum class TThumbPointer { tpLeft, tpCenter, tpRight };

/// The thumb's appearance: colours by state (normal, hot, down, disabled)
/// for the two halves of its face, pictures by state, shape, length along
/// the track (Width) and thickness across it (Size). A normal picture sets
/// Width and Size from its size (a vertical bar takes its height as the
/// length); while it is set, writing them does nothing. Owned by its track
/// bar. GUI thread only.
class TTrackBarThumb : public TTrackBarPart {
public:
  using TGDIPGradient = AdvTrackBar::TGDIPGradient;
  TTrackBarThumb();

  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor v) { Set(m_borderColor, v); }
  TColor BorderColorHot() const { return m_borderColorHot; }
  void SetBorderColorHot(TColor v) { Set(m_borderColorHot, v); }
  TColor BorderColorDown() const { return m_borderColorDown; }
  void SetBorderColorDown(TColor v) { Set(m_borderColorDown, v); }
  TColor BorderColorDisabled() const { return m_borderColorDisabled; }
  void SetBorderColorDisabled(TColor v) { Set(m_borderColorDisabled, v); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Set(m_color, v); }
  TColor ColorTo() const { return m_colorTo; }
  void SetColorTo(TColor v) { Set(m_colorTo, v); }
  TColor ColorDown() const { return m_colorDown; }
  void SetColorDown(TColor v) { Set(m_colorDown, v); }
  TColor ColorDownTo() const { return m_colorDownTo; }
  void SetColorDownTo(TColor v) { Set(m_colorDownTo, v); }
  TColor ColorHot() const { return m_colorHot; }
  void SetColorHot(TColor v) { Set(m_colorHot, v); }
  TColor ColorHotTo() const { return m_colorHotTo; }
  void SetColorHotTo(TColor v) { Set(m_colorHotTo, v); }
  TColor ColorDisabled() const { return m_colorDisabled; }
  void SetColorDisabled(TColor v) { Set(m_colorDisabled, v); }
  TColor ColorDisabledTo() const { return m_colorDisabledTo; }
  void SetColorDisabledTo(TColor v) { Set(m_colorDisabledTo, v); }
  TColor ColorMirror() const { return m_colorMirror; }
  void SetColorMirror(TColor v) { Set(m_colorMirror, v); }
  TColor ColorMirrorTo() const { return m_colorMirrorTo; }
  void SetColorMirrorTo(TColor v) { Set(m_colorMirrorTo, v); }
  // The hot and down mirror colours are stored without a repaint.
  TColor ColorMirrorHot() const { return m_colorMirrorHot; }
  void SetColorMirrorHot(TColor v) { m_colorMirrorHot = v; }
  TColor ColorMirrorHotTo() const { return m_colorMirrorHotTo; }
  void SetColorMirrorHotTo(TColor v) { m_colorMirrorHotTo = v; }
  TColor ColorMirrorDown() const { return m_colorMirrorDown; }
  void SetColorMirrorDown(TColor v) { m_colorMirrorDown = v; }
  TColor ColorMirrorDownTo() const { return m_colorMirrorDownTo; }
  void SetColorMirrorDownTo(TColor v) { m_colorMirrorDownTo = v; }
  TColor ColorMirrorDisabled() const { return m_colorMirrorDisabled; }
  void SetColorMirrorDisabled(TColor v) { Set(m_colorMirrorDisabled, v); }
  TColor ColorMirrorDisabledTo() const { return m_colorMirrorDisabledTo; }
  void SetColorMirrorDisabledTo(TColor v) { Set(m_colorMirrorDisabledTo, v); }
  TGDIPGradient Gradient() const { return m_gradient; }
  void SetGradient(TGDIPGradient v) { Set(m_gradient, v); }
  TGDIPGradient GradientMirror() const { return m_gradientMirror; }
  void SetGradientMirror(TGDIPGradient v) { Set(m_gradientMirror, v); }
  TGDIPPicture& Picture() { return m_picture; }
  void SetPicture(const TGDIPPicture& p) { m_picture.Assign(&p); }
  TGDIPPicture& PictureHot() { return m_pictureHot; }
  void SetPictureHot(const TGDIPPicture& p) { m_pictureHot.Assign(&p); }
  TGDIPPicture& PictureDown() { return m_pictureDown; }
  void SetPictureDown(const TGDIPPicture& p) { m_pictureDown.Assign(&p); }
  TGDIPPicture& PictureDisabled() { return m_pictureDisabled; }
  void SetPictureDisabled(const TGDIPPicture& p) { m_pictureDisabled.Assign(&p); }
  bool ShowAtMinMax() const { return m_showAtMinMax; }
  void SetShowAtMinMax(bool v) { Set(m_showAtMinMax, v); }
  int Size() const { return m_size; }
  void SetSize(int v);
  int Width() const { return m_width; }
  void SetWidth(int v);
  TThumbShape Shape() const { return m_shape; }
  void SetShape(TThumbShape v) { Set(m_shape, v); }
  TThumbStyle Style() const { return m_style; }
  void SetStyle(TThumbStyle v) { Set(m_style, v); }
  int Steps() const { return m_steps; }
  TThumbPointer ThumbPointer() const { return m_thumbPointer; }
  /// Only for a thumb of a track bar that allows it.
  void SetThumbPointer(TThumbPointer v);

  /// Takes Width and Size from a normal picture and notifies.
  void ThumbPictureChanged();
  /// Copies the colours, steps, gradients and pictures, then Width, Shape,
  /// style, Size and ThumbPointer; other sources change nothing.
  void Assign(const TObject* source);

private:
  int m_steps = 64;
  TColor m_color = 15653832;
  TColor m_colorTo = 16178633;
  TColor m_borderColor = 10317632;
  TColor m_colorHotTo = 11332863;
  TColor m_colorHot = 15465983;
  TColor m_borderColorHot = 10079963;
  int m_width = 10;
  TColor m_colorDisabledTo = 0;
  TColor m_borderColorDown = 4548219;
  TColor m_borderColorDisabled = 0;
  TColor m_colorDown = 7778289;
  TColor m_colorDownTo = 4296947;
  TColor m_colorDisabled = 0;
  TGDIPPicture m_picture;
  TThumbShape m_shape = TThumbShape::tsPointer;
  TThumbStyle m_style = TThumbStyle::tstOffice2007;
  TGDIPPicture m_pictureDisabled;
  TGDIPPicture m_pictureDown;
  TGDIPPicture m_pictureHot;
  TColor m_colorMirrorHot = 5888767;
  TColor m_colorMirror = 15586496;
  TColor m_colorMirrorTo = 16245200;
  TColor m_colorMirrorDisabledTo = 0;
  TColor m_colorMirrorDisabled = 0;
  TColor m_colorMirrorHotTo = 10807807;
  TColor m_colorMirrorDown = 946929;
  TColor m_colorMirrorDownTo = 5021693;
  TGDIPGradient m_gradient = TGDIPGradient::ggVertical;
  TGDIPGradient m_gradientMirror = TGDIPGradient::ggRadial;
  int m_size = 15;
  bool m_showAtMinMax = true;
  TThumbPointer m_thumbPointer = TThumbPointer::tpCenter;
};
