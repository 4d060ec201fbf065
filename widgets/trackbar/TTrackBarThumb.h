#pragma once

#include "platform/drawing/TColor.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/trackbar/TTrackBarFace.h"

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
class TTrackBarThumb : public TTrackBarFace {
public:
  TTrackBarThumb();

  TColor BorderColorDisabled() const { return m_borderColorDisabled; }
  void SetBorderColorDisabled(TColor v) { Set(m_borderColorDisabled, v); }
  TColor ColorDisabled() const { return m_colorDisabled; }
  void SetColorDisabled(TColor v) { Set(m_colorDisabled, v); }
  TColor ColorDisabledTo() const { return m_colorDisabledTo; }
  void SetColorDisabledTo(TColor v) { Set(m_colorDisabledTo, v); }
  TColor ColorMirrorDisabled() const { return m_colorMirrorDisabled; }
  void SetColorMirrorDisabled(TColor v) { Set(m_colorMirrorDisabled, v); }
  TColor ColorMirrorDisabledTo() const { return m_colorMirrorDisabledTo; }
  void SetColorMirrorDisabledTo(TColor v) { Set(m_colorMirrorDisabledTo, v); }
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
  int m_width = 10;
  TColor m_colorDisabledTo = 0;
  TColor m_borderColorDisabled = 0;
  TColor m_colorDisabled = 0;
  TGDIPPicture m_picture;
  TThumbShape m_shape = TThumbShape::tsPointer;
  TThumbStyle m_style = TThumbStyle::tstOffice2007;
  TGDIPPicture m_pictureDisabled;
  TGDIPPicture m_pictureDown;
  TGDIPPicture m_pictureHot;
  TColor m_colorMirrorDisabledTo = 0;
  TColor m_colorMirrorDisabled = 0;
  int m_size = 15;
  bool m_showAtMinMax = true;
  TThumbPointer m_thumbPointer = TThumbPointer::tpCenter;
};
