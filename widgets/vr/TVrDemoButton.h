#pragma once

#include "platform/pictures/TBitmap.h"
#include "platform/text/TFont.h"
#include "widgets/vr/TVrCustomButton.h"
#include "widgets/vr/TVrFont3D.h"

enum class TVrTextAlignment : unsigned char {
  vtaLeft,
  vtaCenter,
  vtaRight,
  vtaTopLeft,
  vtaTop,
  vtaTopRight,
  vtaBottomLeft,
  vtaBottom,
  vtaBottomRight,
};

/// A push button with a bevel, an optional tiled background picture, a
/// font that changes while the mouse is over it and 3D text effects. A
/// press released over the button (or Space released) fires OnClick.
/// Owned by its Qt parent; GUI thread.
class TVrDemoButton : public TVrCustomButton {
public:
  explicit TVrDemoButton(QWidget* parent = nullptr);
  ~TVrDemoButton() override;

  TFont& FontEnter() { return m_fontEnter; }
  void SetFontEnter(const TFont& value) { m_fontEnter.Assign(value); }
  TFont& FontLeave() { return m_fontLeave; }
  void SetFontLeave(const TFont& value) { m_fontLeave.Assign(value); }
  TBitmap& Bitmap() { return m_bitmap; }
  void SetBitmap(const TBitmap& value) { m_bitmap.Assign(value); }
  TVrFont3D& Font3D() { return m_font3D; }
  void SetFont3D(const TVrFont3D& value) { m_font3D.Assign(value); }
  TColor OutlineColor() const { return m_outlineColor; }
  void SetOutlineColor(TColor value);
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor value);
  TColor HighlightColor() const { return m_highlightColor; }
  void SetHighlightColor(TColor value);
  int BevelWidth() const { return m_bevelWidth; }
  void SetBevelWidth(int value);
  int OutlineWidth() const { return m_outlineWidth; }
  void SetOutlineWidth(int value);
  TVrTextAlignment TextAlignment() const { return m_textAlignment; }
  void SetTextAlignment(TVrTextAlignment value);
  TColor DisabledTextColor() const { return m_disabledTextColor; }
  void SetDisabledTextColor(TColor value);
  TColor FocusColor() const { return m_focusColor; }
  void SetFocusColor(TColor value);
  bool Flat() const { return m_flat; }
  void SetFlat(bool value);
  /// The button is held down (pressed with the pointer over it).
  bool Down() const { return m_isDown; }


protected:
  void PaintImage() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;

private:
  void SetDownState(bool value);
  void Press();

  TBitmap m_bitmap;
  TFont m_fontEnter;
  TFont m_fontLeave;
  int m_bevelWidth = 2;
  int m_outlineWidth = 1;
  TColor m_outlineColor = clBlack;
  TColor m_shadowColor = clBtnShadow;
  TColor m_highlightColor = clBtnHighlight;
  TColor m_focusColor = clBlue;
  TVrTextAlignment m_textAlignment = TVrTextAlignment::vtaCenter;
  TColor m_disabledTextColor = clInactiveCaption;
  TVrFont3D m_font3D;
  bool m_flat = false;
  bool m_hasMouse = false;
  bool m_isDown = false;
  bool m_pressed = false;
};
