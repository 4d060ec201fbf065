#include "plot/core/TiPlotButton.h"

#include "platform/drawing/TCanvas.h"
#include "platform/threads/TTimer.h"
#include "plot/base/iDrawing.h"

TiPlotButton::TiPlotButton(TiPlotComponent* owner) : TiPlotObject(owner, nullptr, nullptr, nullptr, nullptr) {}

TiPlotButton::~TiPlotButton() = default;

void TiPlotButton::SetDrawRect(const TRect& r) {
  Left = r.Left;
  Top = r.Top;
  Right = r.Right;
  Bottom = r.Bottom;
}

void TiPlotButton::SetDown(bool value) {
  if (value == m_down) {
    return;
  }
  m_down = value;
  Raise(OnInvalidate, this);
  Raise(OnDownChange, this);
}

void TiPlotButton::SetEnabled(bool value) {
  TiPlotObject::SetEnabled(value);
  if (!Enabled()) {
    m_timer.reset();
  }
}

void TiPlotButton::DoMouseLeft(const TiPlotMouseData&) {
  if (m_timerEnabled) {
    if (!m_timer) {
      m_timer = std::make_unique<TTimer>();
    }
    m_timer->SetInterval(500);
    m_timer->OnTimer = [this](TObject*) { RepeatTick(); };
    m_timer->SetEnabled(true);
    m_firstTimerMessage = true;
  }
  Raise(OnInvalidate, this);
}

void TiPlotButton::RepeatTick() {
  if (m_firstTimerMessage) {
    m_timer->SetInterval(50);
    m_firstTimerMessage = false;
  }
  Raise(OnClick, this);
  Raise(OnInvalidate, this);
}

void TiPlotButton::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (!MouseIsDown()) {
    return;
  }
  SetMouseDownFlag(false);
  m_timer.reset();
  Raise(OnInvalidate, this);
  if (DrawRect().Contains({mouseData.X, mouseData.Y})) {
    if (m_groupIndex != 0 && OnGroupClick) {
      OnGroupClick(this);
    }
    Raise(OnClick, this);
  }
}

void TiPlotButton::DrawScrollFace(TCanvas& canvas) const {
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(DrawRect());
  DrawFrame3D(canvas, DrawRect(), MouseIsDown() ? 0 : 1);
}

void TiPlotButton::DrawWithScrollArrow(TCanvas& canvas, TColor backGroundColor, bool up) {
  Draw(canvas, backGroundColor);
  const int cx = (Left + Right) / 2;
  const int cy = (Top + Bottom) / 2;
  const TColor arrow = Enabled() ? clBlack : clGray;
  canvas.Pen().SetColor(arrow);
  canvas.Brush().SetColor(arrow);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  const int tip = up ? -2 : 2;
  canvas.Polygon({{cx - 4, cy - tip}, {cx + 4, cy - tip}, {cx, cy + tip}});
}
