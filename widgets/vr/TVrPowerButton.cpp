#include "widgets/vr/TVrPowerButton.h"

#include <algorithm>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/GlyphLayout.h"
#include "widgets/vr/VrFrame3D.h"

TVrPowerButton::TVrPowerButton(QWidget* parent) : TVrCustomButton(parent) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque,
                   TControlStyleItem::csReplicatable});
  SetColor(clBtnFace);
  SetTabStop(false);
  m_palette.OnChange = [this](TObject*) { UpdateControl(); };
  SetBounds(Left(), Top(), 125, 25);
  CalcLayout();
}

TVrPowerButton::~TVrPowerButton() { m_palette.OnChange = nullptr; }

void TVrPowerButton::SetActive(bool value) {
  if (value != m_active) {
    m_active = value;
    UpdateControl();
  }
}

void TVrPowerButton::SetLedWidth(int value) { StoreAndLayout(m_ledWidth, std::max(value, 1)); }
void TVrPowerButton::SetLedHeight(int value) { StoreAndLayout(m_ledHeight, std::max(value, 1)); }
void TVrPowerButton::SetLayout(TVrImageTextLayout value) { StoreAndLayout(m_layout, value); }
void TVrPowerButton::SetMargin(int value) { StoreAndLayout(m_margin, value); }
void TVrPowerButton::SetSpacing(int value) { StoreAndLayout(m_spacing, value); }
void TVrPowerButton::SetFocusColor(TColor value) {
  if (StoreIfChanged(m_focusColor, value)) {
    UpdateControl();
  }
}
void TVrPowerButton::SetOutlineColor(TColor value) {
  if (StoreIfChanged(m_outlineColor, value)) {
    UpdateControl();
  }
}
// The LED sits inside bevel and outline, so both lay the button out again.
void TVrPowerButton::SetOutlineWidth(int value) { StoreAndLayout(m_outlineWidth, std::clamp(value, 0, 255)); }
void TVrPowerButton::SetHighlightColor(TColor value) {
  if (StoreIfChanged(m_highlightColor, value)) {
    UpdateControl();
  }
}
void TVrPowerButton::SetShadowColor(TColor value) {
  if (StoreIfChanged(m_shadowColor, value)) {
    UpdateControl();
  }
}
void TVrPowerButton::SetBevelWidth(int value) { StoreAndLayout(m_bevelWidth, std::clamp(value, 0, 255)); }

void TVrPowerButton::CalcLayout() {
  const int inset = m_bevelWidth + m_outlineWidth;
  const TRect area = InflateRect(Rect(0, 0, Width(), Height()), -inset, -inset);
  const int w = area.Width();
  const int h = area.Height();
  const int gw = m_ledWidth;
  const int gh = m_ledHeight;
  const TSize caption = MeasureCaption(Caption(), Font(), w);
  const TGlyphLayout place = LayoutGlyphAndText({w, h}, {gw, gh}, caption, static_cast<TGlyphSide>(m_layout),
                                                m_margin, m_spacing, TCentring::RoundedUp);
  m_imageRect = Bounds(area.Left + place.Glyph.X, area.Top + place.Glyph.Y, gw, gh);
  m_textBounds = Bounds(area.Left + place.Text.X, area.Top + place.Text.Y, caption.cx, caption.cy);
}

void TVrPowerButton::PaintImage() {
  TCanvas& canvas = BitmapCanvas();
  TRect r = Rect(0, 0, Width(), Height());
  const TColor outline = HasFocus() ? m_focusColor : m_outlineColor;
  Vr::DrawFrame3D(canvas, r, outline, outline, m_outlineWidth);
  if (m_pressed) {
    TRect p = Rect(0, 0, Width(), Height());
    Vr::DrawFrame3D(canvas, p, m_outlineColor, m_highlightColor, m_outlineWidth);
    Vr::DrawFrame3D(canvas, p, m_shadowColor, m_outlineColor, m_bevelWidth);
  } else {
    Vr::DrawFrame3D(canvas, r, m_highlightColor, m_shadowColor, m_bevelWidth);
  }
  TRect led = m_imageRect;
  Vr::DrawFrame3D(canvas, led, m_shadowColor, m_highlightColor, 1);
  Vr::DrawFrame3D(canvas, led, clBlack, clBlack, 1);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Enabled() ? m_palette.GetColor(m_active ? 1 : 0) : Color());
  canvas.FillRect(led);

  if (Caption().isEmpty()) {
    return;
  }
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect text = m_textBounds;
  if (Enabled()) {
    canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return;
  }
  canvas.Font().SetColor(clBtnHighlight);
  TRect shifted = OffsetRect(text, 1, 1);
  canvas.DrawText(Caption(), shifted, DT_LEFT | DT_TOP);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(Caption(), text, DT_LEFT | DT_TOP);
}

void TVrPowerButton::SetPressed(bool value) {
  if (value != m_pressed) {
    m_pressed = value;
    UpdateControl();
  }
}

void TVrPowerButton::Toggle() {
  m_active = !m_active;
  UpdateControl();
}

void TVrPowerButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled()) {
    m_down = true;
    SetPressed(true);
    if (TabStop() && CanFocus()) {
      SetFocus();
    }
  }
  TVrCustomButton::MouseDown(button, shift, x, y);
}

// The press counts while the pointer is over the button: leaving clears it,
// coming back sets it again.
void TVrPowerButton::MouseMove(TShiftState shift, int x, int y) {
  if (m_down) {
    SetPressed(Rect(0, 0, Width(), Height()).Contains({x, y}));
  }
  TVrCustomButton::MouseMove(shift, x, y);
}

void TVrPowerButton::MouseEnter() {
  if (m_down) {
    SetPressed(true);
  }
  TVrCustomButton::MouseEnter();
}

void TVrPowerButton::MouseLeave() {
  if (m_down) {
    SetPressed(false);
  }
  TVrCustomButton::MouseLeave();
}

void TVrPowerButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != TMouseButton::mbLeft || !m_down) {
    TVrCustomButton::MouseUp(button, shift, x, y);
    return;
  }
  m_down = false;
  const bool click = m_pressed;
  if (click) {
    m_pressed = false;
    Toggle();
  }
  TVrCustomButton::MouseUp(button, shift, x, y);
  if (click) {
    Raise(OnClick, this);
  }
}

void TVrPowerButton::KeyDown(WORD& key, TShiftState shift) {
  TVrCustomButton::KeyDown(key, shift);
  if (key == VK_SPACE) {
    SetPressed(true);
  }
}

void TVrPowerButton::KeyUp(WORD& key, TShiftState shift) {
  TVrCustomButton::KeyUp(key, shift);
  if (key == VK_SPACE) {
    m_pressed = false;
    Toggle();
    Raise(OnClick, this);
  }
}

void TVrPowerButton::FontChanged() {
  TVrCustomButton::FontChanged();
  CalcLayout();
  UpdateControl();
}

void TVrPowerButton::TextChanged() {
  TVrCustomButton::TextChanged();
  CalcLayout();
  UpdateControl();
}

void TVrPowerButton::SetBounds(int left, int top, int width, int height) {
  TVrCustomButton::SetBounds(left, top, width, height);
  CalcLayout();
}
