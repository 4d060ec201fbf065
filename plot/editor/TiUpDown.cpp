#include "plot/editor/TiUpDown.h"

#include <algorithm>

#include "plot/base/iDrawing.h"
#include "plot/editor/iHandlerError.h"
#include "plot/editor/iUserChange.h"

namespace {

constexpr int kFirstDelayMs = 500;
constexpr int kRepeatMs = 50;

void DrawArrow(TCanvas& canvas, const TRect& half, int s, bool up) {
  const int cx = (half.Left + half.Right) / 2;
  const int cy = (half.Top + half.Bottom) / 2;
  if (up)
    canvas.Polygon({{cx - 2 * s, cy + s}, {cx, cy - s}, {cx + 2 * s, cy + s}});
  else
    canvas.Polygon({{cx - 2 * s, cy - s}, {cx + 2 * s, cy - s}, {cx, cy + s}});
}

}  // namespace

TiUpDown::TiUpDown(QWidget* parent) : TGraphicControl(parent) {
  SetBounds(Left(), Top(), 15, 21);
  m_timer.SetEnabled(false);
  m_timer.OnTimer = [this](TObject*) { TimerTick(); };
}

void TiUpDown::SetAssociate(TiComponentEditorEdit* edit) {
  m_associate = edit;
  if (edit) SetBounds(edit->x() + edit->width(), edit->y(), Width(), edit->height());
}

int TiUpDown::AsInteger() const { return m_associate ? m_associate->AsInteger() : 0; }

void TiUpDown::SetAsInteger(int value) {
  if (m_max != 0 || m_min != 0) value = std::max(std::min(value, int(m_max)), int(m_min));
  if (!m_associate) return;
  if (m_userGenerated)
    m_associate->SetIntegerWithEvent(value);
  else
    m_associate->SetAsInteger(value);
}

void TiUpDown::Disable() {
  SetEnabled(false);
  if (m_associate) m_associate->Disable();
  Invalidate();
}

void TiUpDown::Enable() {
  SetEnabled(true);
  if (m_associate) m_associate->Enable();
  Invalidate();
}

void TiUpDown::CalcButtonState() {
  const int w = Width();
  const int h = Height();
  const int half = (h - 1) / 2;
  m_upButtonRect = Rect(0, 0, w, half);
  m_downButtonRect = Rect(0, h - half, w, h);
  m_upButtonPressed = m_mouseDown && m_upButtonRect.Contains(m_mouseAt);
  m_downButtonPressed = m_mouseDown && m_downButtonRect.Contains(m_mouseAt);
}

void TiUpDown::Step() {
  TiUserActionScope user(m_userGenerated);
  RunShowingErrors(this, [this] { SetAsInteger(AsInteger() + (m_upButtonPressed ? m_increment : -m_increment)); });
}

void TiUpDown::TimerTick() {
  if (m_firstTimerMessage) {
    m_timer.SetInterval(kRepeatMs);
    m_firstTimerMessage = false;
  }
  Step();
}

void TiUpDown::Paint() {
  CalcButtonState();
  TCanvas& canvas = Canvas();
  DrawFrame3D(canvas, m_upButtonRect, m_upButtonPressed ? 0 : 1);
  DrawFrame3D(canvas, m_downButtonRect, m_downButtonPressed ? 0 : 1);
  const TColor ink = Enabled() ? clBlack : clGray;
  canvas.Brush().SetColor(ink);
  canvas.Pen().SetColor(ink);
  const int s = std::min(Height() / 2, Width()) / 7;
  DrawArrow(canvas, m_upButtonRect, s, true);
  DrawArrow(canvas, m_downButtonRect, s, false);
}

void TiUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  m_mouseDown = true;
  m_mouseAt = {x, y};
  CalcButtonState();
  m_timer.SetInterval(kFirstDelayMs);
  m_timer.SetEnabled(true);
  m_firstTimerMessage = true;
  Step();
  Invalidate();
}

void TiUpDown::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!m_mouseDown) return;
  m_mouseAt = {x, y};
  CalcButtonState();
  Invalidate();
}

void TiUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!m_mouseDown) return;
  m_mouseDown = false;
  m_timer.SetEnabled(false);
  CalcButtonState();
  Invalidate();
}
