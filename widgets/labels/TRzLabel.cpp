#include "widgets/labels/TRzLabel.h"

#include <cmath>
#include <numbers>

#include "platform/drawing/GdiConstants.h"
#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/ParentColor.h"
#include "widgets/panelset/FrameSettings.h"
#include "widgets/panelset/PaintHelpers.h"

namespace {
constexpr double kPi = std::numbers::pi;

int AddedWidth(Rz::TFrameStyleEx style, int bevelWidth) {
  using Rz::TFrameStyleEx;
  switch (style) {
    case TFrameStyleEx::fsFlat: return 1;
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup: return bevelWidth;
    case TFrameStyleEx::fsGroove:
    case TFrameStyleEx::fsBump:
    case TFrameStyleEx::fsLowered:
    case TFrameStyleEx::fsButtonDown:
    case TFrameStyleEx::fsRaised:
    case TFrameStyleEx::fsButtonUp: return 2;
    default: return 0;
  }
}
}  // namespace

TRzLabel::TRzLabel(QWidget* parent) : TGraphicControl(parent) {
  TRzBlinkingControlsList::Acquire().Add(this);
  m_initColor = true;
  SetColor(clBtnFace);
  SetParentColor(true);
  m_initColor = false;
  // Built with its parent already set: take its colour now, as being
  // placed on a parent does.
  Perform(CM_PARENTCOLORCHANGED);
  m_fontColor = Font().Color();
  m_currentColor = m_fontColor;
  m_origColor = m_fontColor;
  AdjustBounds();
}

TRzLabel::~TRzLabel() {
  if (m_frameController != nullptr) {
    m_frameController->RemoveControl(this);
  }
  if (TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance()) {
    list->Remove(this);
  }
  TRzBlinkingControlsList::Release();
}

template <typename T>
bool TRzLabel::Store(T& field, const T& value) {
  if (field == value) {
    return false;
  }
  field = value;
  Invalidate();
  return true;
}

template <typename T>
void TRzLabel::StoreAndResize(T& field, const T& value) {
  if (field != value) {
    field = value;
    AdjustBounds();
    Invalidate();
  }
}

void TRzLabel::SetAlignment(TAlignment value) { StoreAndResize(m_alignment, value); }
void TRzLabel::SetLayout(TTextLayout value) { Store(m_layout, value); }
void TRzLabel::SetWordWrap(bool value) { StoreAndResize(m_wordWrap, value); }
void TRzLabel::SetShowAccelChar(bool value) { StoreAndResize(m_showAccelChar, value); }
void TRzLabel::SetTransparent(bool value) { Store(m_transparent, value); }
void TRzLabel::SetCenterPoint(TCenterPoint value) { Store(m_centerPoint, value); }
void TRzLabel::SetBlinkColor(TColor value) { Store(m_blinkColor, value); }
void TRzLabel::SetBevelWidth(int value) { StoreAndResize(m_frame.BevelWidth, value); }
void TRzLabel::SetBorderInner(Rz::TFrameStyleEx value) { StoreAndResize(m_frame.Inner, value); }
void TRzLabel::SetBorderOuter(Rz::TFrameStyleEx value) { StoreAndResize(m_frame.Outer, value); }
void TRzLabel::SetBorderSides(Rz::TSides value) { StoreAndResize(m_frame.Sides, value); }
void TRzLabel::SetBorderWidth(int value) { StoreAndResize(m_frame.BorderWidth, value); }
void TRzLabel::SetBorderColor(TColor value) { Store(m_frame.BorderColor, value); }
void TRzLabel::SetBorderHighlight(TColor value) { Store(m_frame.BorderHighlight, value); }
void TRzLabel::SetBorderShadow(TColor value) { Store(m_frame.BorderShadow, value); }
void TRzLabel::SetFlatColor(TColor value) { Store(m_frame.FlatColor, value); }
void TRzLabel::SetFlatColorAdjustment(int value) { Store(m_frame.FlatColorAdjustment, value); }
void TRzLabel::SetFlyByColor(TColor value) { Store(m_flyByColor, value); }
void TRzLabel::SetLightTextStyle(bool value) { Store(m_lightTextStyle, value); }
void TRzLabel::SetHighlightColor(TColor value) { Store(m_highlightColor, value); }
void TRzLabel::SetShadowColor(TColor value) { Store(m_shadowColor, value); }
void TRzLabel::SetShadowDepth(int value) { StoreAndResize(m_shadowDepth, value); }
void TRzLabel::SetTextMargin(int value) { StoreAndResize(m_textMargin, value); }
void TRzLabel::SetTextStyle(TTextStyle value) { StoreAndResize(m_textStyle, value); }

void TRzLabel::SetAutoSize(bool value) {
  if (m_autoSize != value) {
    m_autoSize = value;
    AdjustBounds();
  }
}

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value) {
  if (value != TRzCondenseCaption::ccNone) {
    SetAutoSize(false);
  }
  Store(m_condenseCaption, value);
}

void TRzLabel::UseVerdanaUnlessTrueType() {
  if (!Rz::IsTrueTypeFont(Font())) {
    Font().SetName(QStringLiteral("Verdana"));
  }
}

void TRzLabel::SetAngle(int value) {
  if (value == m_angle) {
    return;
  }
  m_angle = value < 0 ? 360 + value % 360 : value % 360;
  m_angle %= 360;
  if (m_angle != 0) {
    UseVerdanaUnlessTrueType();
    if (m_rotation == TRotation::roNone) {
      m_rotation = TRotation::roFlat;
    }
  }
  AdjustBounds();
  Repaint();
}

void TRzLabel::SetRotation(TRotation value) {
  if (value == m_rotation) {
    return;
  }
  m_rotation = value;
  if (value != TRotation::roNone) {
    UseVerdanaUnlessTrueType();
  }
  if (value == TRotation::roNone) {
    m_angle = 0;
  } else if (value == TRotation::roFlat) {
    m_angle = 0;
    m_centerPoint = TCenterPoint::cpCenter;
  }
  AdjustBounds();
  Invalidate();
}

void TRzLabel::SetBlinking(bool value) {
  if (value == m_blinking) {
    return;
  }
  m_blinking = value;
  if (!value) {
    m_blinkState = TBlinkState::bsOff;
    m_currentColor = m_fontColor;
  }
  Invalidate();
}

int TRzLabel::BlinkIntervalOff() const { return TRzBlinkingControlsList::Instance()->IntervalOff(); }
int TRzLabel::BlinkIntervalOn() const { return TRzBlinkingControlsList::Instance()->IntervalOn(); }
void TRzLabel::SetBlinkIntervalOff(int milliseconds) { TRzBlinkingControlsList::Instance()->SetIntervalOff(milliseconds); }
void TRzLabel::SetBlinkIntervalOn(int milliseconds) { TRzBlinkingControlsList::Instance()->SetIntervalOn(milliseconds); }

void TRzLabel::SetFlyByEnabled(bool value) {
  if (value == m_flyByEnabled) {
    return;
  }
  m_flyByEnabled = value;
  if (!value) {
    Font().SetColor(m_origColor);
  }
  Invalidate();
}

void TRzLabel::SetBlinkPhase(bool showBlinkColor) {
  m_blinkState = showBlinkColor ? TBlinkState::bsOn : TBlinkState::bsOff;
  m_currentColor = showBlinkColor ? m_blinkColor : m_fontColor;
  Repaint();
}

void TRzLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_BLINK_QUERY:
      message.Result = m_blinking ? 1 : 0;
      return;
    case CM_BLINK_PHASE:
      SetBlinkPhase(static_cast<TBlinkState>(message.WParam) == TBlinkState::bsOff);
      return;
    default:
      TGraphicControl::WndProc(message);
  }
}

void TRzLabel::Loaded() {
  TGraphicControl::Loaded();
  if (m_rotation == TRotation::roNone && m_angle != 0) {
    m_rotation = TRotation::roFlat;
  }
  if (m_rotation != TRotation::roNone) {
    UseVerdanaUnlessTrueType();
  }
  m_fontColor = Font().Color();
  m_currentColor = m_fontColor;
}

void TRzLabel::FontChanged() {
  TGraphicControl::FontChanged();
  if (!m_blinking) {
    m_fontColor = Font().Color();
    m_currentColor = m_fontColor;
  }
  if (m_angle != 0 && !Rz::IsTrueTypeFont(Font())) {
    m_angle = 0;
  }
  AdjustBounds();
}

void TRzLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TRzLabel::ParentColorChanged() {
  if (!m_initColor) {
    TGraphicControl::ParentColorChanged();
  }
}

void TRzLabel::MouseEnter() {
  if (m_flyByEnabled) {
    m_origColor = Font().Color();
    Font().SetColor(m_flyByColor);
  }
  TGraphicControl::MouseEnter();
}

void TRzLabel::MouseLeave() {
  if (m_flyByEnabled) {
    Font().SetColor(m_origColor);
  }
  TGraphicControl::MouseLeave();
}

Rz::TBorderFrame TRzLabel::BorderFrame() const {
  Rz::TBorderFrame frame = m_frame;
  frame.Color = Color();
  frame.ParentColor = ParentColorOf(this);
  frame.Transparent = m_transparent;
  return frame;
}

TRect TRzLabel::ShrinkByBorders(const TRect& rect, bool includeBorderWidth) const {
  return Rz::FramedClientRect(rect, BorderFrame(), includeBorderWidth);
}

TRect TRzLabel::GrowByBorders(TRect r) const {
  using Rz::TSide;
  const auto grow = [&](int perSide) {
    if (m_frame.Sides.Contains(TSide::sdLeft)) r.Right += perSide;
    if (m_frame.Sides.Contains(TSide::sdRight)) r.Right += perSide;
    if (m_frame.Sides.Contains(TSide::sdTop)) r.Bottom += perSide;
    if (m_frame.Sides.Contains(TSide::sdBottom)) r.Bottom += perSide;
  };
  grow(AddedWidth(m_frame.Outer, m_frame.BevelWidth));
  grow(m_frame.BorderWidth);
  r.Right += 2 * m_textMargin;
  r.Bottom += 2 * m_textMargin;
  grow(AddedWidth(m_frame.Inner, m_frame.BevelWidth));
  if (m_rotation == TRotation::roNone && m_textStyle == TTextStyle::tsShadow) {
    r.Right += m_shadowDepth;
    r.Bottom += m_shadowDepth;
  } else if (m_rotation == TRotation::roFlat && m_angle != 0 && m_angle != 180) {
    if (m_textStyle == TTextStyle::tsShadow) {
      r.Right += m_shadowDepth / 2;
      r.Bottom += m_shadowDepth / 2;
    }
    // The bounding box of the turned extent.
    const double a = m_angle * kPi / 180.0;
    const double c = std::abs(std::cos(a));
    const double s = std::abs(std::sin(a));
    const int w = r.Width();
    const int h = r.Height();
    r.Right = r.Left + Round(c * w + s * h);
    r.Bottom = r.Top + Round(s * w + c * h);
  }
  return r;
}

unsigned TRzLabel::CondenseFlag() const {
  switch (m_condenseCaption) {
    case TRzCondenseCaption::ccAtEnd: return DT_END_ELLIPSIS;
    case TRzCondenseCaption::ccWithinPath: return DT_PATH_ELLIPSIS;
    case TRzCondenseCaption::ccNone: break;
  }
  return 0;
}

int TRzLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) const {
  QString text = Caption();
  if ((flags & DT_CALCRECT) != 0 && (text.isEmpty() || (m_showAccelChar && text == QLatin1String("&")))) {
    text += QLatin1Char(' ');
  }
  if (!m_showAccelChar) {
    flags |= DT_NOPREFIX;
  }
  return canvas.DrawText(text, rect, flags);
}

void TRzLabel::AdjustBounds() {
  if (!m_autoSize) {
    return;
  }
  TRect r = ShrinkByBorders(Rect(0, 0, Width(), Height()), true);
  r = OffsetRect(r, -r.Left, -r.Top);
  TCanvas measure;
  measure.Font().Assign(Font());
  DoDrawText(measure, r, DT_CALCRECT | DT_EXPANDTABS | (m_wordWrap ? DT_WORDBREAK : 0u) | CondenseFlag());
  r = GrowByBorders(r);
  int x = Left();
  if (m_alignment == TAlignment::taRightJustify) {
    x += Width() - r.Right;
  }
  SetBounds(x, Top(), r.Right, r.Bottom);
}

TPoint TRzLabel::RotationCenter() const {
  const int w = Width();
  const int h = Height();
  const int b = m_frame.BorderWidth;
  if (m_rotation == TRotation::roFlat) {
    return {w / 2, h / 2};
  }
  switch (m_centerPoint) {
    case TCenterPoint::cpUpperLeft: return {b, b};
    case TCenterPoint::cpUpperCenter: return {w / 2, b};
    case TCenterPoint::cpUpperRight: return {w, b};
    case TCenterPoint::cpLeftCenter: return {b, h / 2};
    case TCenterPoint::cpRightCenter: return {w - b, h / 2};
    case TCenterPoint::cpLowerLeft: return {b, h - b};
    case TCenterPoint::cpLowerCenter: return {w / 2, h - b};
    case TCenterPoint::cpLowerRight: return {w - b, h - b};
    case TCenterPoint::cpCenter: break;
  }
  return {w / 2, h / 2};
}

TPoint TRzLabel::RotationRadius() const {
  const int w = Width();
  const int h = Height();
  const int a = 2 * m_frame.BorderWidth;
  switch (m_centerPoint) {
    case TCenterPoint::cpUpperCenter:
    case TCenterPoint::cpLowerCenter: return {w / 2 - a, h - a};
    case TCenterPoint::cpLeftCenter:
    case TCenterPoint::cpRightCenter: return {w - a, h / 2 - a};
    case TCenterPoint::cpCenter: return {w / 2 - a, h / 2 - a};
    default: return {w - a, h - a};
  }
}

void TRzLabel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect inner = Rz::PaintBorderFrame(canvas, Rect(0, 0, Width(), Height()), BorderFrame());
  if (!m_transparent) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(inner);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (m_rotation == TRotation::roCurve) {
    PaintCurvedText();
  } else {
    PaintStraightText();
  }
}

unsigned TRzLabel::TextFlags() const {
  return AlignmentFlag(m_alignment) | DT_EXPANDTABS | (m_wordWrap ? DT_WORDBREAK : 0u) |
         (m_showAccelChar ? 0u : DT_NOPREFIX);
}

void TRzLabel::ApplyTextLayout(TCanvas& canvas, unsigned flags, TRect& rect) const {
  if (m_layout != TTextLayout::tlTop) {
    TRect measured = rect;
    DoDrawText(canvas, measured, flags | DT_CALCRECT | CondenseFlag());
    const int free = rect.Height() - measured.Height();
    rect = OffsetRect(rect, 0, m_layout == TTextLayout::tlBottom ? free : free / 2);
  }
  if (m_textStyle == TTextStyle::tsShadow) {
    if ((flags & DT_RIGHT) != 0) {
      rect = OffsetRect(rect, -m_shadowDepth, 0);
    }
    if (m_layout == TTextLayout::tlBottom) {
      rect = OffsetRect(rect, 0, -m_shadowDepth);
    }
  }
}

void TRzLabel::PaintStraightText() {
  TCanvas& canvas = Canvas();
  const TRect r = InflateRect(ShrinkByBorders(Rect(0, 0, Width(), Height()), true), -m_textMargin, -m_textMargin);
  const unsigned flags = TextFlags();
  if (m_rotation == TRotation::roFlat) {
    PaintRotatedText(r);
    return;
  }
  const auto draw = [&](TColor color, int dx, int dy) {
    TRect place = r;
    ApplyTextLayout(canvas, flags, place);
    place = OffsetRect(place, dx, dy);
    canvas.Font().SetColor(color);
    DoDrawText(canvas, place, flags | CondenseFlag());
  };
  if (!Enabled()) {
    draw(clGrayText, 0, 0);
    return;
  }
  DrawStyleCopies(draw, m_shadowDepth);
  draw(m_currentColor, 0, 0);
}

void TRzLabel::DrawStyleCopies(const TextDrawer& draw, int shadowOffset) const {
  const bool raised = m_textStyle == TTextStyle::tsRaised;
  if (raised || m_textStyle == TTextStyle::tsRecessed) {
    const TColor first = raised ? m_highlightColor : m_shadowColor;
    const TColor second = raised ? m_shadowColor : m_highlightColor;
    if (!(m_lightTextStyle && raised)) {
      draw(second, 1, 1);
    }
    if (!(m_lightTextStyle && !raised)) {
      draw(first, -1, -1);
    }
  } else if (m_textStyle == TTextStyle::tsShadow) {
    draw(m_shadowColor, shadowOffset, shadowOffset);
  }
}

void TRzLabel::PaintRotatedText(TRect r) {
  TCanvas& canvas = Canvas();
  const int e = m_shadowDepth / 2;
  const double theta = m_angle * kPi / 180.0 + kPi / 2.0;
  const int h = canvas.TextHeight(QStringLiteral("Pp"));
  const double q = h / 4.0;
  const int w = canvas.TextWidth(Caption());
  const int e2 = m_textStyle == TTextStyle::tsShadow ? e : 0;
  const int th = h + e2;
  const int f = w + e2;
  TPoint p = RotationCenter();
  unsigned align = TA_LEFT | TA_TOP;
  const bool centred = m_alignment == TAlignment::taCenter;
  const bool right = m_alignment == TAlignment::taRightJustify;
  switch (m_angle) {
    case 0:
      if (centred) {
        align = TA_CENTER | TA_TOP;
      } else {
        p.X = right ? r.Right - w - 2 * e2 : r.Left + e2;
      }
      p.Y -= th / 2;
      break;
    case 90:
      p.X -= Round(std::cos(theta) * q);
      p.Y = centred ? r.Bottom - (r.Bottom - f) / 2 : right ? r.Top + f + e2 : r.Bottom - e2;
      align = TA_BASELINE;
      break;
    case 180:
      p.X = centred ? r.Right - (r.Right - f) / 2 : right ? r.Left + f : r.Right - e2;
      p.Y -= th / 4;
      align = TA_BASELINE;
      break;
    case 270:
      p.X -= Round(std::cos(theta) * q);
      p.Y = centred ? (r.Bottom - f) / 2 : right ? r.Bottom - f - e2 : r.Top + e2;
      align = TA_BASELINE;
      break;
    default:
      p.X -= Round(std::cos(theta) * q);
      p.Y += Round(std::sin(theta) * q);
      align = TA_BASELINE | TA_CENTER;
      break;
  }
  canvas.SetTextAlign(align);
  canvas.Font().Assign(Rz::CreateAngledFont(Font(), m_angle));
  const auto draw = [&](TColor color, int dx, int dy) {
    // Clipped to r as TextRect would, through TextOut, which turns the text.
    canvas.Font().SetColor(color);
    const int level = canvas.SaveDC();
    canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
    canvas.TextOut(p.X + dx, p.Y + dy, Caption());
    canvas.RestoreDC(level);
  };
  if (!Enabled()) {
    draw(clGrayText, 0, 0);
    return;
  }
  DrawStyleCopies(draw, e);
  const int back = m_textStyle == TTextStyle::tsShadow ? -e : 0;
  draw(m_currentColor, back, back);
}

void TRzLabel::PaintCurvedText() {
  TCanvas& canvas = Canvas();
  const TPoint c = RotationCenter();
  const TPoint radius = RotationRadius();
  const double radiusX = radius.X != 0 ? radius.X : 1;
  double theta = m_angle * kPi / 180.0;
  canvas.SetTextAlign(TA_BASELINE | TA_CENTER);
  const TFont description = Font();
  for (const QChar ch : Caption()) {
    const QString text(ch);
    const int hy = canvas.TextHeight(QStringLiteral("Yy"));
    const int x = c.X - Round((radius.X - hy) * std::sin(theta));
    const int y = c.Y - Round((radius.Y - hy) * std::cos(theta));
    canvas.Font().Assign(description);
    canvas.Font().SetOrientation(Round(theta * 1800.0 / kPi));
    const auto draw = [&](TColor color, int dx, int dy) {
      canvas.Font().SetColor(color);
      canvas.TextOut(x + dx, y + dy, text);
    };
    if (!Enabled()) {
      draw(clBtnHighlight, 1, 1);
      draw(clBtnShadow, 0, 0);
    } else {
      DrawStyleCopies(draw, m_shadowDepth);
      draw(m_currentColor, 0, 0);
    }
    theta -= (canvas.TextWidth(QStringLiteral("w")) + 2) / radiusX;
  }
}

void TRzLabel::SetFrameController(TRzFrameController* value) {
  ChangeFrameController(m_frameController, value, this);
}

void TRzLabel::ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) {
  ApplyFrameSettingsTo(*this, controller, property, m_frameControllerNotifications);
}
