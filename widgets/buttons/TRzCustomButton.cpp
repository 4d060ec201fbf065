#include "widgets/buttons/TRzCustomButton.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/core/PlatformInfo.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/panelset/PaintHelpers.h"
#include "widgets/panelset/ShadeSystem.h"

TRzCustomButton::TRzCustomButton(QWidget* parent) : TCustomControl(parent) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csReplicatable});
  SetBounds(0, 0, 115, 17);
  SetTabStop(true);
}

void TRzCustomButton::SetAlignmentVertical(TAlignmentVertical value) {
  if (StoreIfChanged(m_alignmentVertical, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetHighlightColor(TColor value) {
  if (StoreIfChanged(m_highlightColor, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetLightTextStyle(bool value) {
  if (StoreIfChanged(m_lightTextStyle, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetTextStyle(TTextStyle value) {
  if (StoreIfChanged(m_textStyle, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetTextHighlightColor(TColor value) {
  if (StoreIfChanged(m_textHighlightColor, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetTextShadowColor(TColor value) {
  if (StoreIfChanged(m_textShadowColor, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetTextShadowDepth(int value) {
  if (StoreIfChanged(m_textShadowDepth, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetThemeAware(bool value) {
  if (StoreIfChanged(m_themeAware, value)) {
    Invalidate();
  }
}
void TRzCustomButton::SetTransparent(bool value) {
  if (StoreIfChanged(m_transparent, value)) {
    Invalidate();
  }
}

void TRzCustomButton::SetHotTrack(bool value) {
  m_hotTrack = value;
  m_transparent = value;
  Invalidate();
}

bool TRzCustomButton::UseThemes() const { return m_themeAware && PlatformInfo::ThemesEnabled(); }

void TRzCustomButton::SetShowDownVersion(bool value) {
  if (value != m_showDownVersion) {
    m_showDownVersion = value;
    Repaint();
  }
}

void TRzCustomButton::PaintBackground() {
  if (m_transparent) {
    Rz::PaintParentBackground(this, Canvas(), true);
  } else {
    TCustomControl::PaintBackground();
  }
}

void TRzCustomButton::DrawCaption(TCanvas& canvas, TRect rect, unsigned flags) {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(Font());
  TRect measured = rect;
  const int h = canvas.DrawText(Caption(), measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_EXPANDTABS);
  switch (m_alignmentVertical) {
    case TAlignmentVertical::avTop:
      rect.Bottom = rect.Top + h;
      break;
    case TAlignmentVertical::avCenter:
      rect.Top = (rect.Top + rect.Bottom - h) / 2;
      rect.Bottom = rect.Top + h;
      break;
    case TAlignmentVertical::avBottom:
      rect.Bottom -= 1;
      rect.Top = rect.Bottom - h;
      break;
  }
  const auto draw = [&](TColor color, int dx, int dy) {
    TRect r = OffsetRect(rect, dx, dy);
    canvas.Font().SetColor(color);
    Rz::DrawTextFormatted(canvas, Caption(), r, flags);
  };
  if (!Enabled()) {
    draw(Rz::ColorsAlike(Color(), clGrayText) ? cl3DDkShadow : clGrayText, 0, 0);
    return;
  }
  const TColor fontColor = Font().Color();
  const bool right = (flags & DT_RIGHT) != 0;
  switch (m_textStyle) {
    case TTextStyle::tsRaised:
      if (!m_lightTextStyle) draw(m_textShadowColor, 1, 1);
      draw(m_textHighlightColor, -1, -1);
      break;
    case TTextStyle::tsRecessed:
      draw(m_textHighlightColor, 1, 1);
      if (!m_lightTextStyle) draw(m_textShadowColor, -1, -1);
      break;
    case TTextStyle::tsShadow:
      draw(m_textShadowColor, right ? 0 : m_textShadowDepth, m_textShadowDepth);
      break;
    case TTextStyle::tsNormal:
      break;
  }
  draw(fontColor, right ? -m_textShadowDepth : 0, 0);
}

void TRzCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) {
    return;
  }
  if (!Focused() && CanFocus()) {
    SetFocus();
  }
  if (Focused()) {
    m_dragging = true;
    SetShowDownVersion(true);
  }
}

void TRzCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (m_dragging) {
    SetShowDownVersion(x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight());
  }
}

void TRzCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !m_dragging) {
    return;
  }
  m_dragging = false;
  SetShowDownVersion(false);
  if (x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight()) {
    CompleteClick();
  }
  Invalidate();
}

void TRzCustomButton::MouseEnter() {
  m_mouseOverButton = true;
  if (m_hotTrack || UseThemes()) {
    Invalidate();
  }
  TCustomControl::MouseEnter();
}

void TRzCustomButton::MouseLeave() {
  m_mouseOverButton = false;
  if (m_hotTrack || UseThemes()) {
    Invalidate();
  }
  TCustomControl::MouseLeave();
}

void TRzCustomButton::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == VK_SPACE && !shift.Contains(TShiftStateItem::ssAlt)) {
    m_keyToggle = true;
    SetShowDownVersion(true);
  }
}

void TRzCustomButton::KeyUp(WORD& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (key == VK_SPACE) {
    SetShowDownVersion(false);
    if (m_keyToggle) {
      m_keyToggle = false;
      CompleteClick();
    }
  }
}

void TRzCustomButton::DoExit() {
  m_keyToggle = false;
  SetShowDownVersion(false);
  TCustomControl::DoExit();
}
