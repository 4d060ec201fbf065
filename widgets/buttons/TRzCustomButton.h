#pragma once

#include "platform/widgets/TCustomControl.h"
#include "widgets/common/WidgetTypes.h"

enum class TRzHotTrackColorType : unsigned char { htctComplement, htctActual };

/// Base of the self-drawn push buttons: caption placement and 3D caption
/// styles, hot tracking (a rounded, transparent look) and the pressed look
/// while the mouse or Space holds the button. Owned by its Qt parent; GUI
/// thread.
class TRzCustomButton : public TCustomControl {
public:
  explicit TRzCustomButton(QWidget* parent = nullptr);

  TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
  void SetAlignmentVertical(TAlignmentVertical value);
  TColor HotTrackColor() const { return m_hotTrackColor; }
  void SetHotTrackColor(TColor value) { m_hotTrackColor = value; }
  TRzHotTrackColorType HotTrackColorType() const { return m_hotTrackColorType; }
  void SetHotTrackColorType(TRzHotTrackColorType value) { m_hotTrackColorType = value; }
  TColor HighlightColor() const { return m_highlightColor; }
  void SetHighlightColor(TColor value);
  bool HotTrack() const { return m_hotTrack; }
  /// Hot tracking also makes the button transparent.
  void SetHotTrack(bool value);
  bool LightTextStyle() const { return m_lightTextStyle; }
  void SetLightTextStyle(bool value);
  TTextStyle TextStyle() const { return m_textStyle; }
  void SetTextStyle(TTextStyle value);
  TColor TextHighlightColor() const { return m_textHighlightColor; }
  void SetTextHighlightColor(TColor value);
  TColor TextShadowColor() const { return m_textShadowColor; }
  void SetTextShadowColor(TColor value);
  int TextShadowDepth() const { return m_textShadowDepth; }
  void SetTextShadowDepth(int value);
  bool ThemeAware() const { return m_themeAware; }
  void SetThemeAware(bool value);
  bool Transparent() const override { return m_transparent; }
  void SetTransparent(bool value);
  /// Whether the platform's themed look is used (themes are never active here).
  virtual bool UseThemes() const;
  /// True while the pressed look is shown.
  bool ShowingDownVersion() const { return m_showDownVersion; }

protected:
  /// Draws the caption in rect with the text flags, by AlignmentVertical
  /// and TextStyle; disabled, once in grey.
  virtual void DrawCaption(TCanvas& canvas, TRect rect, unsigned flags);
  /// Finishes a press released inside (or Space released).
  virtual void CompleteClick() = 0;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void DoExit() override;
  void PaintBackground() override;

  void SetShowDownVersion(bool value);
  bool MouseOverButton() const { return m_mouseOverButton; }

private:
  TAlignmentVertical m_alignmentVertical = TAlignmentVertical::avCenter;
  TColor m_hotTrackColor = 0x00149BF0;
  TRzHotTrackColorType m_hotTrackColorType = TRzHotTrackColorType::htctActual;
  TColor m_highlightColor = clHighlight;
  bool m_lightTextStyle = false;
  TTextStyle m_textStyle = TTextStyle::tsNormal;
  TColor m_textHighlightColor = clBtnHighlight;
  TColor m_textShadowColor = clBtnShadow;
  int m_textShadowDepth = 2;
  bool m_dragging = false;
  bool m_hotTrack = false;
  bool m_mouseOverButton = false;
  bool m_showDownVersion = false;
  bool m_transparent = false;
  bool m_themeAware = true;
  bool m_keyToggle = false;
};
