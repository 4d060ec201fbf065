#include "widgets/vr/TVrDemoButton.h"

#include <algorithm>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/vr/VrFrame3D.h"

namespace {
unsigned AlignmentFlags(TVrTextAlignment alignment) {
  switch (alignment) {
    case TVrTextAlignment::vtaLeft: return DT_VCENTER | DT_LEFT;
    case TVrTextAlignment::vtaCenter: return DT_VCENTER | DT_CENTER;
    case TVrTextAlignment::vtaRight: return DT_VCENTER | DT_RIGHT;
    case TVrTextAlignment::vtaTopLeft: return DT_TOP | DT_LEFT;
    case TVrTextAlignment::vtaTop: return DT_TOP | DT_CENTER;
    case TVrTextAlignment::vtaTopRight: return DT_TOP | DT_RIGHT;
    case TVrTextAlignment::vtaBottomLeft: return DT_BOTTOM | DT_LEFT;
    case TVrTextAlignment::vtaBottom: return DT_BOTTOM | DT_CENTER;
    case TVrTextAlignment::vtaBottomRight: return DT_BOTTOM | DT_RIGHT;
  }
  return DT_VCENTER | DT_CENTER;
}

void DefaultFont(TFont& font, TColor color) {
  font.SetName(QStringLiteral("Arial"));
  font.SetSize(12);
  font.SetStyle({TFontStyle::fsBold});
  font.SetColor(color);
}
}  // namespace

TVrDemoButton::TVrDemoButton(QWidget* parent) : TVrCustomButton(parent) {
  // Opaque, without double clicks: a second click arrives as another press.
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque});
  SetBounds(Left(), Top(), 150, 25);
  SetColor(clBtnFace);
  DefaultFont(m_fontEnter, clRed);
  DefaultFont(m_fontLeave, clBlack);
  const auto repaint = [this](TObject*) { UpdateControl(); };
  m_fontEnter.OnChange = repaint;
  m_fontLeave.OnChange = repaint;
  m_bitmap.OnChange = repaint;
  m_font3D.OnChange = repaint;
}

TVrDemoButton::~TVrDemoButton() {
  m_fontEnter.OnChange = nullptr;
  m_fontLeave.OnChange = nullptr;
  m_bitmap.OnChange = nullptr;
  m_font3D.OnChange = nullptr;
}

void TVrDemoButton::SetOutlineColor(TColor value) {
  if (StoreIfChanged(m_outlineColor, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetShadowColor(TColor value) {
  if (StoreIfChanged(m_shadowColor, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetHighlightColor(TColor value) {
  if (StoreIfChanged(m_highlightColor, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetBevelWidth(int value) {
  if (StoreIfChanged(m_bevelWidth, std::clamp(value, 0, 255))) {
    UpdateControl();
  }
}
void TVrDemoButton::SetOutlineWidth(int value) {
  if (StoreIfChanged(m_outlineWidth, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetTextAlignment(TVrTextAlignment value) {
  if (StoreIfChanged(m_textAlignment, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetDisabledTextColor(TColor value) {
  if (StoreIfChanged(m_disabledTextColor, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetFocusColor(TColor value) {
  if (StoreIfChanged(m_focusColor, value)) {
    UpdateControl();
  }
}
void TVrDemoButton::SetFlat(bool value) {
  if (StoreIfChanged(m_flat, value)) {
    UpdateControl();
  }
}

void TVrDemoButton::PaintImage() {
  TCanvas& canvas = BitmapCanvas();
  TRect r = Rect(0, 0, Width(), Height());
  if (!m_bitmap.Empty()) {
    const int shift = m_isDown ? 1 : 0;
    for (int y = shift; y < Height(); y += m_bitmap.Height()) {
      for (int x = shift; x < Width(); x += m_bitmap.Width()) {
        canvas.Draw(x, y, m_bitmap);
      }
    }
  }
  const TColor outline = HasFocus() ? m_focusColor : m_outlineColor;
  Vr::DrawFrame3D(canvas, r, outline, outline, m_outlineWidth);
  if (m_isDown) {
    Vr::DrawFrame3D(canvas, r, m_shadowColor, m_highlightColor, m_bevelWidth);
  } else if (!m_flat || m_hasMouse) {
    Vr::DrawFrame3D(canvas, r, m_highlightColor, m_shadowColor, m_bevelWidth);
  } else {
    r = InflateRect(r, -m_bevelWidth, -m_bevelWidth);
  }
  canvas.Font().Assign(m_hasMouse && Enabled() ? m_fontEnter : m_fontLeave);
  if (!Enabled()) {
    canvas.Font().SetColor(m_disabledTextColor);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (m_isDown) {
    r = OffsetRect(r, 1, 1);
  }
  m_font3D.Paint(canvas, r, DT_SINGLELINE | AlignmentFlags(m_textAlignment), Caption());
}

void TVrDemoButton::SetDownState(bool value) {
  if (value != m_isDown) {
    m_isDown = value;
    UpdateControl();
  }
}

void TVrDemoButton::Press() {
  m_pressed = true;
  m_isDown = true;
  if (TabStop() && CanFocus()) {
    SetFocus();
  }
  UpdateControl();
}

void TVrDemoButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled() && Rect(0, 0, Width(), Height()).Contains({x, y})) {
    Press();
  }
  TVrCustomButton::MouseDown(button, shift, x, y);
}

void TVrDemoButton::MouseMove(TShiftState shift, int x, int y) {
  if (m_pressed) {
    SetDownState(Rect(0, 0, Width(), Height()).Contains({x, y}));
  }
  TVrCustomButton::MouseMove(shift, x, y);
}

void TVrDemoButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    const bool click = m_pressed && m_isDown;
    m_isDown = false;
    m_pressed = false;
    if (click) {
      UpdateControl();
      Raise(OnClick, this);
    }
  }
  TVrCustomButton::MouseUp(button, shift, x, y);
}

void TVrDemoButton::MouseEnter() {
  m_hasMouse = true;
  UpdateControl();
  TVrCustomButton::MouseEnter();
}

void TVrDemoButton::MouseLeave() {
  m_hasMouse = false;
  UpdateControl();
  TVrCustomButton::MouseLeave();
}

void TVrDemoButton::KeyDown(WORD& key, TShiftState shift) {
  TVrCustomButton::KeyDown(key, shift);
  if (key == VK_SPACE && !m_isDown) {
    Press();
  }
}

void TVrDemoButton::KeyUp(WORD& key, TShiftState shift) {
  TVrCustomButton::KeyUp(key, shift);
  if (key != VK_SPACE) {
    return;
  }
  const bool click = m_pressed && m_isDown;
  m_pressed = false;
  if (click) {
    m_isDown = false;
    UpdateControl();
    Raise(OnClick, this);
  }
}

