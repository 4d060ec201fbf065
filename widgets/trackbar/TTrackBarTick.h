#pragma once

#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/trackbar/TTrackBarPart.h"

enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

/// The tick marks' appearance: rows (Position), style, length (Size),
/// spacing from the slider, colour, optional value texts in their own font.
/// Owned by its track bar. GUI thread only.
class TTrackBarTick : public TTrackBarPart {
public:
  TTrackBarTick();

  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Set(m_color, v); }
  TColor ColorDisabled() const { return m_colorDisabled; }
  void SetColorDisabled(TColor v) { Set(m_colorDisabled, v); }
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& font) { m_font.Assign(font); }
  bool Line3D() const { return m_line3D; }
  void SetLine3D(bool v) { Set(m_line3D, v); }
  TGDIPPicture& Picture() { return m_picture; }
  TGDIPPicture& PictureDisabled() { return m_pictureDisabled; }
  TTickMark Position() const { return m_position; }
  void SetPosition(TTickMark v) { Set(m_position, v); }
  bool RotateFontVert() const { return m_rotateFontVert; }
  void SetRotateFontVert(bool v) { Set(m_rotateFontVert, v); }
  TTickStyle Style() const { return m_style; }
  void SetStyle(TTickStyle v) { Set(m_style, v); }
  bool ShowText() const { return m_showText; }
  void SetShowText(bool v) { Set(m_showText, v); }
  bool ShowImageAtThumbOnly() const { return m_showImageAtThumbOnly; }
  void SetShowImageAtThumbOnly(bool v) { Set(m_showImageAtThumbOnly, v); }
  int ShowImageAtSteps() const { return m_showImageAtSteps; }
  void SetShowImageAtSteps(int v) { Set(m_showImageAtSteps, v); }
  int Spacing() const { return m_spacing; }
  void SetSpacing(int v) { Set(m_spacing, v); }
  int Size() const { return m_size; }
  void SetSize(int v) { Set(m_size, v); }

  void Assign(const TObject* source);

private:
  TColor m_color = clBlack;
  TGDIPPicture m_picture;
  TColor m_colorDisabled = 0;
  TGDIPPicture m_pictureDisabled;
  TTickMark m_position = TTickMark::tmBottomRight;
  TTickStyle m_style = TTickStyle::tsAuto;
  bool m_showText = false;
  TFont m_font;
  bool m_line3D = false;
  bool m_showImageAtThumbOnly = false;
  int m_showImageAtSteps = 1;
  int m_spacing = 8;
  int m_size = 4;
  bool m_rotateFontVert = true;
};
