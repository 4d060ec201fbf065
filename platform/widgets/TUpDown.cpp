#include "platform/widgets/TUpDown.h"

#include <algorithm>

TUpDown::TUpDown(QWidget* parent) : TCustomControl(parent) { SetBounds(0, 0, 17, 25); }

void TUpDown::SetMin(int value) {
  m_min = value;
  m_position = std::max(m_position, m_min);
}

void TUpDown::SetMax(int value) {
  m_max = value;
  m_position = std::min(m_position, m_max);
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (StoreIfChanged(m_orientation, value)) {
    Invalidate();
  }
}

void TUpDown::SetPosition(int value) {
  if (value != m_position) {
    Change(value, TUpDownDirection::updNone);
  }
}

void TUpDown::Step(TUpDownDirection direction) {
  if (direction == TUpDownDirection::updNone) {
    return;
  }
  const int delta = direction == TUpDownDirection::updUp ? m_increment : -m_increment;
  int newValue = m_position + delta;
  Change(newValue, direction);
}

void TUpDown::Change(int newValue, TUpDownDirection direction) {
  bool allow = true;
  if (OnChangingEx) {
    OnChangingEx(this, allow, static_cast<short>(newValue), direction);
  }
  if (!allow) {
    return;
  }
  if (m_wrap && direction != TUpDownDirection::updNone) {
    if (newValue > m_max) {
      newValue = m_min;
    } else if (newValue < m_min) {
      newValue = m_max;
    }
  }
  m_position = std::clamp(newValue, m_min, std::max(m_min, m_max));
}

TRect TUpDown::ArrowRect(TUpDownDirection direction) const {
  const bool up = direction == TUpDownDirection::updUp;
  if (m_orientation == TUDOrientation::udVertical) {
    const int half = Height() / 2;
    return up ? Rect(0, 0, Width(), half) : Rect(0, half, Width(), Height());
  }
  const int half = Width() / 2;
  return up ? Rect(half, 0, Width(), Height()) : Rect(0, 0, half, Height());
}

void TUpDown::PaintArrow(TUpDownDirection direction) {
  TCanvas& canvas = Canvas();
  const TRect r = ArrowRect(direction);
  const bool pressed = m_pressed == direction;
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(r);
  // Raised (or sunken while pressed) two-pixel edge.
  const TColor light = pressed ? cl3DDkShadow : clBtnHighlight;
  const TColor dark = pressed ? clBtnHighlight : cl3DDkShadow;
  canvas.Pen().SetColor(light);
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Left, r.Top);
  canvas.LineTo(r.Right - 1, r.Top);
  canvas.Pen().SetColor(dark);
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Left - 1, r.Bottom - 1);
  // The arrow head, three pixels high, centred.
  const int cx = (r.Left + r.Right) / 2 + (pressed ? 1 : 0);
  const int cy = (r.Top + r.Bottom) / 2 + (pressed ? 1 : 0);
  const TColor ink = Enabled() ? clBtnText : clGrayText;
  canvas.Pen().SetColor(ink);
  canvas.Brush().SetColor(ink);
  std::vector<TPoint> head;
  if (m_orientation == TUDOrientation::udVertical) {
    head = direction == TUpDownDirection::updUp
               ? std::vector<TPoint>{{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}}
               : std::vector<TPoint>{{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}};
  } else {
    head = direction == TUpDownDirection::updUp
               ? std::vector<TPoint>{{cx - 1, cy - 3}, {cx - 1, cy + 3}, {cx + 2, cy}}
               : std::vector<TPoint>{{cx + 1, cy - 3}, {cx + 1, cy + 3}, {cx - 2, cy}};
  }
  canvas.Polygon(head);
}

void TUpDown::Paint() {
  PaintArrow(TUpDownDirection::updUp);
  PaintArrow(TUpDownDirection::updDown);
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) {
    return;
  }
  const TPoint point{x, y};
  m_pressed = ArrowRect(TUpDownDirection::updUp).Contains(point) ? TUpDownDirection::updUp : TUpDownDirection::updDown;
  Invalidate();
  Step(m_pressed);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  m_pressed = TUpDownDirection::updNone;
  Invalidate();
  TCustomControl::MouseUp(button, shift, x, y);
}
