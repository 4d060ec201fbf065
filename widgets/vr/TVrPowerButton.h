#pragma once

#include "widgets/vr/TVrCustomButton.h"
#include "widgets/vr/TVrPalette.h"

enum class TVrImageTextLayout : unsigned char { ImageLeft, ImageRight, ImageTop, ImageBottom };

/// A toggle button with a square LED beside its caption: a click (mouse
/// released over it, or Space released) inverts Active and then fires
/// OnClick, so the handler reads the new state; the LED shows the palette's
/// high colour while Active and its low colour otherwise. SetActive raises
/// no event. Owned by its Qt parent; GUI thread.
class TVrPowerButton : public TVrCustomButton {
public:
  explicit TVrPowerButton(QWidget* parent = nullptr);
  ~TVrPowerButton() override;

  bool Active() const { return m_active; }
  virtual void SetActive(bool value);
  int LedWidth() const { return m_ledWidth; }
  void SetLedWidth(int value);
  int LedHeight() const { return m_ledHeight; }
  void SetLedHeight(int value);
  TVrImageTextLayout Layout() const { return m_layout; }
  void SetLayout(TVrImageTextLayout value);
  int Margin() const { return m_margin; }
  void SetMargin(int value);
  int Spacing() const { return m_spacing; }
  void SetSpacing(int value);
  TVrPalette& Palette() { return m_palette; }
  void SetPalette(const TVrPalette& value) { m_palette.Assign(value); }
  TColor FocusColor() const { return m_focusColor; }
  void SetFocusColor(TColor value);
  TColor OutlineColor() const { return m_outlineColor; }
  void SetOutlineColor(TColor value);
  int OutlineWidth() const { return m_outlineWidth; }
  void SetOutlineWidth(int value);
  TColor HighlightColor() const { return m_highlightColor; }
  void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor value);
  int BevelWidth() const { return m_bevelWidth; }
  void SetBevelWidth(int value);

  /// Where the LED and the caption go (updated by every re-layout).
  TRect ImageRect() const { return m_imageRect; }
  TRect TextBounds() const { return m_textBounds; }
  /// The press still counts (the pointer is over the button).
  bool Pressed() const { return m_pressed; }

  void SetBounds(int left, int top, int width, int height) override;

protected:
  void PaintImage() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void FontChanged() override;
  void TextChanged() override;

private:
  void CalcLayout();
  void SetPressed(bool value);
  void Toggle();
  template <typename T>
  void StoreAndLayout(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      CalcLayout();
      UpdateControl();
    }
  }

  bool m_active = false;
  int m_ledWidth = 12;
  int m_ledHeight = 12;
  TVrPalette m_palette;
  int m_bevelWidth = 2;
  TColor m_highlightColor = clBtnHighlight;
  TColor m_shadowColor = clBtnShadow;
  TColor m_outlineColor = clBlack;
  int m_outlineWidth = 1;
  int m_spacing = 5;
  int m_margin = -1;
  TVrImageTextLayout m_layout = TVrImageTextLayout::ImageLeft;
  TColor m_focusColor = clBlue;
  bool m_down = false;
  bool m_pressed = false;
  TRect m_textBounds;
  TRect m_imageRect;
};
