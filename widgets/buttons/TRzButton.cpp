#include "widgets/buttons/TRzButton.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/Accelerators.h"
#include "widgets/common/ButtonGroups.h"
#include "widgets/common/ParentColor.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/Gradients.h"
#include "widgets/panelset/ShadeSystem.h"

TRzButton::TRzButton(QWidget* parent) : TRzCustomButton(parent) {
  SetBounds(0, 0, 75, 25);
  SetColor(clBtnFace);
}

void TRzButton::SetAlignment(TAlignment value) {
  if (StoreIfChanged(m_alignment, value)) {
    Invalidate();
  }
}
void TRzButton::SetFrameColor(TColor value) {
  if (StoreIfChanged(m_frameColor, value)) {
    Invalidate();
  }
}
void TRzButton::SetShowDownPattern(bool value) {
  if (StoreIfChanged(m_showDownPattern, value)) {
    Invalidate();
  }
}
void TRzButton::SetShowFocusRect(bool value) {
  if (StoreIfChanged(m_showFocusRect, value)) {
    Invalidate();
  }
}

void TRzButton::SetDefault(bool value) {
  m_default = value;
  if (!Focused()) {
    SetActive(value);
  }
}

void TRzButton::SetActive(bool value) {
  if (value != m_active) {
    m_active = value;
    Invalidate();
  }
}

void TRzButton::SetAllowAllUp(bool value) {
  if (value != m_allowAllUp) {
    m_allowAllUp = value;
    SendGroupNotice(this, WM_BUTTON_GROUP, m_groupIndex);
  }
}

void TRzButton::SetGroupIndex(int value) {
  if (value != m_groupIndex) {
    m_groupIndex = value;
    SendGroupNotice(this, WM_BUTTON_GROUP, m_groupIndex);
  }
}

void TRzButton::SetDown(bool value) {
  if (m_groupIndex == 0) {
    value = false;
  }
  if (value == m_down || (m_down && !m_allowAllUp && m_groupIndex != 0)) {
    return;
  }
  m_down = value;
  m_state = value ? TButtonState::bsExclusive : TButtonState::bsUp;
  Repaint();
  if (value) {
    SendGroupNotice(this, WM_BUTTON_GROUP, m_groupIndex);
  }
}

void TRzButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_BUTTON_GROUP: {
      auto* sender = dynamic_cast<TRzButton*>(reinterpret_cast<TControl*>(message.LParam));
      if (message.WParam == m_groupIndex && sender != nullptr && sender != this) {
        if (sender->Down() && m_down) {
          m_down = false;
          m_state = TButtonState::bsUp;
          Repaint();
        }
        m_allowAllUp = sender->AllowAllUp();
      }
      return;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(QChar(char16_t(message.WParam)), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && m_active) || (message.WParam == VK_ESCAPE && m_cancel)) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TRzCustomButton::WndProc(message);
}

void TRzButton::Click() {
  if (TForm* form = GetParentForm(this)) {
    form->SetModalResult(m_modalResult);
  }
  TRzCustomButton::Click();
}

void TRzButton::CompleteClick() {
  if (m_groupIndex != 0) {
    SetDown(!m_down);
  } else {
    Invalidate();
  }
  m_clicking = true;
  Click();
  m_clicking = false;
}

void TRzButton::KeyDown(WORD& key, TShiftState shift) {
  const bool modifiers = shift.Contains(TShiftStateItem::ssShift) || shift.Contains(TShiftStateItem::ssCtrl) ||
                         shift.Contains(TShiftStateItem::ssAlt);
  if (!modifiers && ((key == VK_RETURN && m_active) || (key == VK_ESCAPE && m_cancel))) {
    Click();
    key = 0;
    return;
  }
  TRzCustomButton::KeyDown(key, shift);
}

void TRzButton::DoEnter() {
  SetActive(true);
  TRzCustomButton::DoEnter();
}

void TRzButton::DoExit() {
  SetActive(m_default);
  TRzCustomButton::DoExit();
}

void TRzButton::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = Rect(0, 0, Width(), Height());
  const bool grouped = m_groupIndex != 0;
  const bool downState = m_state == TButtonState::bsDown || m_state == TButtonState::bsExclusive;
  const bool shifted = grouped && (ShowingDownVersion() || downState);
  TRect focus = InflateRect(client, HotTrack() ? -3 : -4, HotTrack() ? -3 : -4);
  if (shifted) {
    focus = OffsetRect(focus, 1, 1);
  }
  if (HotTrack()) {
    PaintHotTrack(client);
  } else {
    PaintClassic(client);
  }
  TRect text = InflateRect(client, -5, -5);
  if (!HotTrack() && (ShowingDownVersion() || (grouped && downState))) {
    text = OffsetRect(text, 1, 1);
  }
  canvas.Brush().SetColor(Color());
  DrawCaption(canvas, text, AlignmentFlag(m_alignment) | DT_WORDBREAK | DT_EXPANDTABS);
  if (Focused() && m_showFocusRect) {
    Rz::StrokeDottedBox(canvas, focus);
  }
}

void TRzButton::PaintClassic(TRect r) {
  using Rz::TFrameStyleEx;
  TCanvas& canvas = Canvas();
  const bool grouped = m_groupIndex != 0;
  const bool pressed = ShowingDownVersion();
  const bool down = m_state == TButtonState::bsDown || m_state == TButtonState::bsExclusive || pressed;
  if (!grouped && (((m_active || Focused()) && !pressed) || m_clicking)) {
    r = Rz::StrokeSides(canvas, r, clWindowFrame, clWindowFrame, Rz::AllSides);
  }
  if (Color() == clBtnFace) {
    r = grouped ? Rz::StrokeFrameStyle(canvas, r, down ? TFrameStyleEx::fsLowered : TFrameStyleEx::fsButtonUp)
                : Rz::StrokeButtonBorder(canvas, r, pressed);
  } else if (!grouped) {
    r = Rz::StrokeShadedButtonBorder(canvas, r, Color(), pressed);
  } else {
    r = down ? Rz::StrokeShadedFrameStyle(canvas, r, Color(), TFrameStyleEx::fsLowered)
             : Rz::StrokeShadedButtonBorder(canvas, r, Color(), false);
  }
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  if (grouped && m_state == TButtonState::bsExclusive && m_showDownPattern) {
    FillDownPattern(r);
  }
}

void TRzButton::FillDownPattern(const TRect& r) {
  TCanvas& canvas = Canvas();
  const TColor dots = Color() == clSilver ? clGray : clSilver;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left + ((r.Left ^ y) & 1); x < r.Right; x += 2) {
      canvas.SetPixel(x, y, dots);
    }
  }
}

namespace {
// A one-pixel frame with its corners cut: each side stops 2 pixels short
// of the corners and the corner pixels sit one step inside.
void RoundedFrame(TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight) {
  const auto line = [&canvas](TColor color, int x0, int y0, int x1, int y1) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
  };
  line(upperLeft, r.Left, r.Top + 2, r.Left, r.Bottom - 2);
  line(upperLeft, r.Left + 2, r.Top, r.Right - 2, r.Top);
  line(lowerRight, r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 2);
  line(lowerRight, r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1);
  canvas.SetPixel(r.Left + 1, r.Top + 1, upperLeft);
  canvas.SetPixel(r.Right - 2, r.Top + 1, upperLeft);
  canvas.SetPixel(r.Left + 1, r.Bottom - 2, upperLeft);
  canvas.SetPixel(r.Right - 2, r.Bottom - 2, lowerRight);
}
}  // namespace

void TRzButton::PaintHotTrack(TRect r) {
  TCanvas& canvas = Canvas();
  const TColor parentColor = ParentColorOf(this);
  const TRect face = InflateRect(r, -2, -2);
  if (!Enabled()) {
    RoundedFrame(canvas, r, parentColor, parentColor);
    const TColor inner = Color() == clBtnFace ? Rz::LighterShade(clBtnShadow, 30) : Rz::DarkerShade(Color(), 80);
    RoundedFrame(canvas, InflateRect(r, -1, -1), inner, inner);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(face);
    return;
  }
  RoundedFrame(canvas, r, Rz::DarkerShade(parentColor, 20), Rz::LighterShade(parentColor, 20));
  RoundedFrame(canvas, InflateRect(r, -1, -1), m_frameColor, m_frameColor);
  if (ShowingDownVersion()) {
    canvas.Brush().SetColor(Rz::DarkerShade(Color(), 10));
    canvas.FillRect(face);
    return;
  }
  PaintNormalFace(face);
  const bool grouped = m_groupIndex != 0;
  if (MouseOverButton()) {
    if (HotTrackColorType() == TRzHotTrackColorType::htctActual) {
      Rz::PaintGradientRing(canvas, face, Rz::TGradientDirection::gdHorizontalEnd,
                            Rz::MixColors(clWhite, HotTrackColor(), 190), HotTrackColor());
    } else {
      const TColor opposite = Rz::OppositeHueColor(HotTrackColor(), 180);
      Rz::PaintGradientRing(canvas, face, Rz::TGradientDirection::gdHorizontalEnd, opposite,
                            Rz::DarkerShade(opposite, 30));
    }
  } else if (!grouped && (m_active || Focused())) {
    const TColor h = Rz::ColorsAlike(HighlightColor(), clBtnFace) ? Rz::DarkerShade(HighlightColor(), 30)
                                                                  : HighlightColor();
    const TColor light = Rz::LighterShade(Color(), 30);
    Rz::PaintGradientRing(canvas, face, Rz::TGradientDirection::gdHorizontalEnd, Rz::MixColors(h, light, 60),
                          Rz::MixColors(h, light, 160));
  }
}

void TRzButton::PaintNormalFace(const TRect& face) {
  TCanvas& canvas = Canvas();
  if (face.IsEmpty()) {
    return;
  }
  canvas.Pen().SetColor(Rz::DarkerShade(Color(), 30));
  canvas.MoveTo(face.Left, face.Bottom - 1);
  canvas.LineTo(face.Right, face.Bottom - 1);
  canvas.Pen().SetColor(Rz::DarkerShade(Color(), 20));
  canvas.MoveTo(face.Left, face.Bottom - 2);
  canvas.LineTo(face.Right, face.Bottom - 2);
  const TRect rest = Rect(face.Left, face.Top, face.Right, face.Bottom - 2);
  if (Rz::HighColorDisplay()) {
    Rz::FillGradient(canvas, rest, Rz::TGradientDirection::gdHorizontalEnd, Rz::LighterShade(Color(), 30),
                     Rz::DarkerShade(Color(), 10), 1);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rest);
  }
}
