#pragma once

#include <functional>

#include <QPointer>

#include "platform/widgets/TGraphicControl.h"
#include "widgets/common/WidgetTypes.h"
#include "widgets/labels/TRzBlinkingControlsList.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/TRzFrameController.h"

enum class TRotation : unsigned char { roNone, roFlat, roCurve };
enum class TCenterPoint : unsigned char {
  cpUpperLeft,
  cpUpperCenter,
  cpUpperRight,
  cpLeftCenter,
  cpCenter,
  cpRightCenter,
  cpLowerLeft,
  cpLowerCenter,
  cpLowerRight,
};
enum class TRzCondenseCaption : unsigned char { ccNone, ccAtEnd, ccWithinPath };

/// A windowless text label with a frame, 3D text styles, a drop shadow,
/// text turned to any angle or set along a circle, blinking on the shared
/// blink clock and a hover colour. It sizes itself to its text while
/// AutoSize is on. Owned by its Qt parent; GUI thread.
class TRzLabel : public TGraphicControl, public IFrameSettingsClient {
public:
  explicit TRzLabel(QWidget* parent = nullptr);
  ~TRzLabel() override;

  // Frame controller: the shared frame settings this label takes.
  TRzFrameController* FrameController() const { return m_frameController; }
  void SetFrameController(TRzFrameController* value);
  TRzFrameControllerNotifications FrameControllerNotifications() const { return m_frameControllerNotifications; }
  void SetFrameControllerNotifications(TRzFrameControllerNotifications value) {
    m_frameControllerNotifications = value;
  }
  void ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) override;

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return m_layout; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool value);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  bool ShowAccelChar() const { return m_showAccelChar; }
  void SetShowAccelChar(bool value);
  bool Transparent() const override { return m_transparent; }
  void SetTransparent(bool value);

  /// Degrees, kept in 0..359; a non-zero angle turns roNone into roFlat.
  int Angle() const { return m_angle; }
  void SetAngle(int value);
  TRotation Rotation() const { return m_rotation; }
  void SetRotation(TRotation value);
  TCenterPoint CenterPoint() const { return m_centerPoint; }
  void SetCenterPoint(TCenterPoint value);
  bool Blinking() const { return m_blinking; }
  void SetBlinking(bool value);
  TColor BlinkColor() const { return m_blinkColor; }
  void SetBlinkColor(TColor value);
  /// The shared list's intervals (the same for every label).
  int BlinkIntervalOff() const;
  void SetBlinkIntervalOff(int milliseconds);
  int BlinkIntervalOn() const;
  void SetBlinkIntervalOn(int milliseconds);
  TBlinkState BlinkState() const { return m_blinkState; }
  /// The colour the text is drawn in now (font, blink or hover colour).
  TColor CurrentColor() const { return m_currentColor; }

  int BevelWidth() const { return m_frame.BevelWidth; }
  void SetBevelWidth(int value);
  Rz::TFrameStyleEx BorderInner() const { return m_frame.Inner; }
  void SetBorderInner(Rz::TFrameStyleEx value);
  Rz::TFrameStyleEx BorderOuter() const { return m_frame.Outer; }
  void SetBorderOuter(Rz::TFrameStyleEx value);
  Rz::TSides BorderSides() const { return m_frame.Sides; }
  void SetBorderSides(Rz::TSides value);
  int BorderWidth() const { return m_frame.BorderWidth; }
  void SetBorderWidth(int value);
  TColor BorderColor() const { return m_frame.BorderColor; }
  void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return m_frame.BorderHighlight; }
  void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return m_frame.BorderShadow; }
  void SetBorderShadow(TColor value);
  TRzCondenseCaption CondenseCaption() const { return m_condenseCaption; }
  /// Any value but ccNone also turns AutoSize off.
  void SetCondenseCaption(TRzCondenseCaption value);
  TColor FlatColor() const { return m_frame.FlatColor; }
  void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return m_frame.FlatColorAdjustment; }
  void SetFlatColorAdjustment(int value);
  TColor FlyByColor() const { return m_flyByColor; }
  void SetFlyByColor(TColor value);
  bool FlyByEnabled() const { return m_flyByEnabled; }
  void SetFlyByEnabled(bool value);
  bool LightTextStyle() const { return m_lightTextStyle; }
  void SetLightTextStyle(bool value);
  TColor HighlightColor() const { return m_highlightColor; }
  void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor value);
  int ShadowDepth() const { return m_shadowDepth; }
  void SetShadowDepth(int value);
  int TextMargin() const { return m_textMargin; }
  void SetTextMargin(int value);
  TTextStyle TextStyle() const { return m_textStyle; }
  void SetTextStyle(TTextStyle value);

  /// The rectangle less BorderWidth (when asked) and both frames.
  TRect ShrinkByBorders(const TRect& rect, bool includeBorderWidth) const;
  /// Point the text turns about, and the radii of curved text.
  TPoint RotationCenter() const;
  TPoint RotationRadius() const;

  void Loaded() override;
  void WndProc(TMessage& message) override;

protected:
  void Paint() override;
  void FontChanged() override;
  void TextChanged() override;
  void ParentColorChanged() override;
  void MouseEnter() override;
  void MouseLeave() override;
  /// Shows the blink colour (true) or the font colour.
  virtual void SetBlinkPhase(bool showBlinkColor);

private:
  template <typename T>
  bool Store(T& field, const T& value);

  // Frame controller.
  QPointer<TRzFrameController> m_frameController;
  TRzFrameControllerNotifications m_frameControllerNotifications = AllFrameControllerNotifications();
  template <typename T>
  void StoreAndResize(T& field, const T& value);
  void AdjustBounds();
  TRect GrowByBorders(TRect r) const;
  Rz::TBorderFrame BorderFrame() const;
  unsigned CondenseFlag() const;
  unsigned TextFlags() const;
  int DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) const;
  void ApplyTextLayout(TCanvas& canvas, unsigned flags, TRect& rect) const;
  void PaintStraightText();
  void PaintRotatedText(TRect r);
  using TextDrawer = std::function<void(TColor color, int dx, int dy)>;
  /// The raised, recessed or shadow copies of the text (not the text itself).
  void DrawStyleCopies(const TextDrawer& draw, int shadowOffset) const;
  void PaintCurvedText();
  void UseVerdanaUnlessTrueType();

  TAlignment m_alignment = TAlignment::taLeftJustify;
  TTextLayout m_layout = TTextLayout::tlTop;
  bool m_wordWrap = false;
  bool m_autoSize = true;
  bool m_showAccelChar = true;
  bool m_transparent = false;

  int m_angle = 0;
  TColor m_blinkColor = clHighlight;
  TBlinkState m_blinkState = TBlinkState::bsOff;
  bool m_blinking = false;
  /// Frame styles, border and flat colours (Color, ParentColor and
  /// Transparent are filled in when painting).
  Rz::TBorderFrame m_frame;
  TColor m_fontColor = clWindowText;
  TCenterPoint m_centerPoint = TCenterPoint::cpCenter;
  TColor m_origColor = clWindowText;
  bool m_initColor = false;
  bool m_flyByEnabled = false;
  TColor m_flyByColor = clHighlight;
  bool m_lightTextStyle = false;
  TTextStyle m_textStyle = TTextStyle::tsNormal;
  TRotation m_rotation = TRotation::roNone;
  TColor m_highlightColor = clBtnHighlight;
  TColor m_shadowColor = clBtnShadow;
  int m_shadowDepth = 2;
  int m_textMargin = 0;
  TRzCondenseCaption m_condenseCaption = TRzCondenseCaption::ccNone;
  TColor m_currentColor = clWindowText;
};
