#pragma once

#include "platform/drawing/TColor.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/trackbar/TTrackBarPart.h"
#include "widgets/trackbar/TrackBarDrawing.h"

/// The groove's appearance: thickness (Size), distance from the inner edge
/// (Offset), colours and pictures (the part on the Min side of the thumb
/// may have its own "completed" ones), border, rounding. A picture sets
/// Size from its size and removes the border. Owned by its track bar.
/// GUI thread only.
class TTrackBarSlider : public TTrackBarPart {
public:
  using TGradientDirection = AdvTrackBar::TGradientDirection;
  TTrackBarSlider();

  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor v) { Set(m_borderColor, v); }
  TColor BorderColorDisabled() const { return m_borderColorDisabled; }
  void SetBorderColorDisabled(TColor v) { Set(m_borderColorDisabled, v); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Set(m_color, v); }
  TColor ColorTo() const { return m_colorTo; }
  void SetColorTo(TColor v) { Set(m_colorTo, v); }
  TColor ColorDisabled() const { return m_colorDisabled; }
  void SetColorDisabled(TColor v) { Set(m_colorDisabled, v); }
  TColor ColorDisabledTo() const { return m_colorDisabledTo; }
  void SetColorDisabledTo(TColor v) { Set(m_colorDisabledTo, v); }
  TColor ColorCompleted() const { return m_colorCompleted; }
  void SetColorCompleted(TColor v) { Set(m_colorCompleted, v); }
  TColor ColorCompletedTo() const { return m_colorCompletedTo; }
  void SetColorCompletedTo(TColor v) { Set(m_colorCompletedTo, v); }
  TColor ColorCompletedDisabled() const { return m_colorCompletedDisabled; }
  void SetColorCompletedDisabled(TColor v) { Set(m_colorCompletedDisabled, v); }
  TColor ColorCompletedDisabledTo() const { return m_colorCompletedDisabledTo; }
  void SetColorCompletedDisabledTo(TColor v) { Set(m_colorCompletedDisabledTo, v); }
  TGradientDirection Direction() const { return m_direction; }
  void SetDirection(TGradientDirection v) { Set(m_direction, v); }
  TGDIPPicture& Picture() { return m_picture; }
  void SetPicture(const TGDIPPicture& p) { m_picture.Assign(&p); }
  TGDIPPicture& PictureDisabled() { return m_pictureDisabled; }
  void SetPictureDisabled(const TGDIPPicture& p) { m_pictureDisabled.Assign(&p); }
  TGDIPPicture& PictureCompleted() { return m_pictureCompleted; }
  void SetPictureCompleted(const TGDIPPicture& p) { m_pictureCompleted.Assign(&p); }
  TGDIPPicture& PictureCompletedDisabled() { return m_pictureCompletedDisabled; }
  void SetPictureCompletedDisabled(const TGDIPPicture& p) { m_pictureCompletedDisabled.Assign(&p); }
  bool PictureStretched() const { return m_pictureStretched; }
  void SetPictureStretched(bool v) { Set(m_pictureStretched, v); }
  int Size() const { return m_size; }
  void SetSize(int v) { Set(m_size, v); }
  bool Border3D() const { return m_border3D; }
  void SetBorder3D(bool v) { Set(m_border3D, v); }
  bool Rounded() const { return m_rounded; }
  void SetRounded(bool v) { Set(m_rounded, v); }
  bool Visible() const { return m_visible; }
  void SetVisible(bool v) { Set(m_visible, v); }
  int Offset() const { return m_offset; }
  void SetOffset(int v) { Set(m_offset, v); }
  int Steps() const { return m_steps; }

  /// Takes Size from a set picture and removes the border; notifies.
  void SliderPictureChanged();
  /// Copies colours (not Direction), Size, Rounded, PictureStretched and
  /// pictures, then Border3D, Visible and Offset; other sources are ignored.
  void Assign(const TObject* source);

private:
  int m_steps = 20;
  TColor m_color = clWhite;
  TColor m_colorTo = clBlack;
  TGradientDirection m_direction = TGradientDirection::gdHorizontal;
  TColor m_borderColor = 12752500;
  bool m_rounded = false;
  bool m_border3D = true;
  TGDIPPicture m_picture;
  TColor m_colorDisabledTo = 0;
  TColor m_borderColorDisabled = 0;
  TColor m_colorDisabled = 0;
  TGDIPPicture m_pictureDisabled;
  int m_size = 2;
  bool m_visible = true;
  bool m_pictureStretched = false;
  TColor m_colorCompletedDisabledTo = clNone;
  TColor m_colorCompletedTo = clNone;
  TColor m_colorCompleted = clNone;
  TColor m_colorCompletedDisabled = clNone;
  TGDIPPicture m_pictureCompletedDisabled;
  TGDIPPicture m_pictureCompleted;
  int m_offset = 10;
};
