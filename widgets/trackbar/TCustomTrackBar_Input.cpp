// Mouse, wheel, keyboard and auto-repeat of the track bar.
#include <cmath>

#include "platform/core/Rounding.h"
#include "platform/threads/TTimer.h"
#include "widgets/trackbar/TCustomTrackBar.h"
#include "widgets/trackbar/TTrackHintWindow.h"

int TCustomTrackBar::ValueFromFraction(double v) const {
  const double value = std::nearbyint(v * (m_max - m_min) + m_min);
  if (!std::isfinite(value)) {
    return m_position;
  }
  const int clamped = int(std::clamp(value, double(m_min), double(m_max)));
  return IsValidPosition(clamped) ? clamped : m_position;
}

// A track with no room for the thumb to move (length <= thumb length)
// gives no value: the position stays.
int TCustomTrackBar::PositionFromPress(TPoint p) const {
  const TRect track = TrackRect();
  const int w = m_thumb->Width();
  const int usable = (Vertical() ? track.Height() : track.Width()) - w;
  if (usable <= 0) {
    return m_position;
  }
  const double v = Vertical() ? double(track.Bottom - w - p.Y) / usable
                              : double(p.X - track.Left - PointerOffset()) / usable;
  return ValueFromFraction(v);
}

int TCustomTrackBar::PositionFromDrag(TPoint p) const {
  const TRect track = TrackRect();
  const int w = m_thumb->Width();
  const int usable = (Vertical() ? track.Height() : track.Width()) - w;
  if (usable <= 0) {
    return m_position;
  }
  const double v = Vertical() ? double(track.Bottom - w + w / 2 + m_thumbCenterOffsetY - p.Y) / usable
                              : double(p.X - track.Left - m_thumbCenterOffsetX - w / 2) / usable;
  return ValueFromFraction(v);
}

void TCustomTrackBar::StartRepeat() {
  if (!m_repeatTimer) {
    m_repeatTimer = std::make_unique<TTimer>();
    m_repeatTimer->OnTimer = [this](TObject*) { RepeatTimerTick(); };
  }
  m_repeatTimer->SetInterval(m_buttons.InitRepeatPause());
  m_repeatTimer->SetEnabled(true);
}

void TCustomTrackBar::StopRepeat() {
  if (m_repeatTimer) {
    m_repeatTimer->SetEnabled(false);
  }
}

void TCustomTrackBar::RepeatTimerTick() {
  if (m_repeatTimer) {
    m_repeatTimer->SetInterval(m_buttons.RepeatPause());
  }
  if (!m_mouseCaptured) {
    return;
  }
  try {
    if (m_sliderButtonDown) {
      PageTowardsPress();
    } else if (m_minButtonDown) {
      StepDown();
    } else if (m_maxButtonDown) {
      StepUp();
    } else {
      StopRepeat();
    }
  } catch (...) {
    StopRepeat();
    throw;
  }
}

void TCustomTrackBar::PageTowardsPress() {
  const TRect track = TrackRect();
  const int usable = (Vertical() ? track.Height() : track.Width()) - m_thumb->Width();
  const double scale = m_max == m_min ? 0.0 : double(usable) / (m_max - m_min);
  const TPoint p = m_sliderDownPt;
  if (!Vertical()) {
    const int e = track.Left + Round((m_position - m_min) * scale);
    const bool before = p.X < e;
    const int r = before ? p.X - PointerOffset() : p.X;
    if (std::abs(r - e) >= scale) {
      SetPosition(before ? m_position - m_pageSize : m_position + m_pageSize);
    }
    return;
  }
  const int e = track.Bottom - Round((m_position - m_min) * scale);
  const bool above = p.Y < e;
  const int r = above ? p.Y : p.Y + PointerOffset();
  if (std::abs(r - e) >= scale) {
    SetPosition(above ? m_position + m_pageSize : m_position - m_pageSize);
  }
}

void TCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (!Focused()) {
    SetFocus();
  }
  const TPoint p{x, y};
  m_mouseCaptured = button == TMouseButton::mbLeft;
  const TRect hotZone = InflateRect(TrackRect(), 4, 4);
  const bool onMin = m_buttons.Visible() && MinButtonRect().Contains(p);
  const bool onMax = m_buttons.Visible() && MaxButtonRect().Contains(p);
  const TRect thumb = GetThumbRect();
  const bool onThumb = thumb.Contains(p);
  const bool moves = m_moveOnClick == TMoveOnClick::mcMove || m_moveOnClick == TMoveOnClick::mcMoveSlide;
  if (!RatingMode() && button == TMouseButton::mbLeft && !onThumb && moves && !onMin && !onMax) {
    SetPosition(PositionFromPress(p));
    if (m_moveOnClick == TMoveOnClick::mcMoveSlide) {
      m_thumbDown = true;
      m_sliding = true;
    }
    return;
  }
  if (button != TMouseButton::mbLeft || RatingMode()) {
    return;
  }
  if (!onThumb) {
    if (hotZone.Contains(p) && CanPageOnSliderClick()) {
      m_sliderButtonDown = true;
      m_sliderDownPt = p;
      PageTowardsPress();
      StartRepeat();
    } else if (onMin && !m_minButtonDown) {
      m_minButtonDown = true;
      update(MinButtonRect().ToQRect());
      if (m_buttons.RepeatClick()) {
        StartRepeat();
      }
    } else if (onMax && !m_maxButtonDown) {
      m_maxButtonDown = true;
      update(MaxButtonRect().ToQRect());
      if (m_buttons.RepeatClick()) {
        StartRepeat();
      }
    }
    return;
  }
  if (CanDragThumb()) {
    m_sliding = true;
    m_thumbDown = true;
    InvalidateThumb();
    m_thumbCenterOffsetX = x - (thumb.Left + thumb.Width() / 2);
    m_thumbCenterOffsetY = y - (thumb.Top + thumb.Height() / 2);
  }
}

void TCustomTrackBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (RatingMode()) {
    return;
  }
  const TPoint p{x, y};
  if (m_sliding) {
    const int value = PositionFromDrag(p);
    if (value != m_position && m_trackHint && value != m_hintTickIndex) {
      m_hintTickIndex = value;
      QString text = QString::number(value);
      if (OnGetTrackHint) {
        OnGetTrackHint(this, value, text);
      }
      const QPoint at = mapToGlobal(QPoint(x, y));
      m_trackHintWnd->SetColor(clInfoBk);
      m_trackHintWnd->ActivateHint(Bounds(at.x() + 10, at.y(), 0, 0), text);
      m_trackHintShow = true;
    }
    m_sliderButtonDown = false;
    SetPosition(value);
    return;
  }
  if (m_buttons.Visible()) {
    const bool overMin = MinButtonRect().Contains(p);
    if (overMin != m_minButtonHot) {
      m_minButtonHot = overMin;
      m_minButtonDown = m_minButtonDown && overMin;
      update(MinButtonRect().ToQRect());
    }
    const bool overMax = MaxButtonRect().Contains(p);
    if (overMax != m_maxButtonHot) {
      m_maxButtonHot = overMax;
      m_maxButtonDown = m_maxButtonDown && overMax;
      update(MaxButtonRect().ToQRect());
    }
  }
  const bool overThumb = CanDragThumb() && GetThumbRect().Contains(p);
  if (overThumb != m_thumbHot) {
    m_thumbHot = overThumb;
    if (!overThumb) {
      m_thumbDown = false;
    }
    InvalidateThumb();
  }
}

void TCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopRepeat();
  m_sliderButtonDown = false;
  const TPoint p{x, y};
  if (RatingMode() && button == TMouseButton::mbLeft) {
    if (const std::optional<int> value = RatingValueAt(p)) {
      SetPosition(*value);
      m_mouseCaptured = false;
      TCustomControl::MouseUp(button, shift, x, y);
      return;
    }
    const TRect first = RatingCellRect(m_min + 1);
    if (x >= first.Left - 4 && x < first.Left && y >= first.Top && y < first.Bottom) {
      SetPosition(m_min);
    }
  } else if (button == TMouseButton::mbLeft) {
    if (m_trackHintShow) {
      m_trackHintWnd->hide();
      m_trackHintShow = false;
    }
    m_sliding = false;
    if (m_thumbDown) {
      m_thumbDown = false;
      if (!GetThumbRect().Contains(p)) {
        m_thumbHot = false;
      }
      InvalidateThumb();
    }
    if (m_buttons.Visible()) {
      if (m_minButtonDown && MinButtonRect().Contains(p)) {
        m_minButtonDown = false;
        update(MinButtonRect().ToQRect());
        StepDown();
      } else if (m_maxButtonDown && MaxButtonRect().Contains(p)) {
        m_maxButtonDown = false;
        update(MaxButtonRect().ToQRect());
        StepUp();
      }
    }
  }
  if (button == TMouseButton::mbLeft) {
    m_mouseCaptured = false;
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomTrackBar::MouseLeave() {
  TCustomControl::MouseLeave();
  if (m_minButtonHot || m_minButtonDown || m_maxButtonHot || m_maxButtonDown) {
    m_minButtonHot = m_minButtonDown = m_maxButtonHot = m_maxButtonDown = false;
    Invalidate();
  }
  if ((m_thumbHot || m_thumbDown) && !m_sliding) {
    m_thumbHot = false;
    m_thumbDown = false;
    InvalidateThumb();
  }
}

bool TCustomTrackBar::DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) {
  TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos);
  if (wheelDelta < 0) {
    if (m_position > m_min) {
      SetPosition(m_position - 1);
    }
  } else if (m_position < m_max) {
    SetPosition(m_position + 1);
  }
  return true;
}

void TCustomTrackBar::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (shift.Contains(TShiftStateItem::ssShift)) {
    return;
  }
  switch (key) {
    case VK_PRIOR: SetPosition(m_position + m_pageSize); break;
    case VK_NEXT: SetPosition(m_position - m_pageSize); break;
    case VK_END: SetPosition(Vertical() ? GetMinPosition() : GetMaxPosition()); break;
    case VK_HOME: SetPosition(Vertical() ? GetMaxPosition() : GetMinPosition()); break;
    case VK_UP:
    case VK_RIGHT:
      if (m_position < m_max) {
        SetPosition(m_position + 1);
      }
      break;
    case VK_LEFT:
    case VK_DOWN:
      if (m_position > m_min) {
        SetPosition(m_position - 1);
      }
      break;
    default: break;
  }
}

void TCustomTrackBar::DoEnter() {
  TCustomControl::DoEnter();
  Invalidate();
}

void TCustomTrackBar::DoExit() {
  TCustomControl::DoExit();
  Invalidate();
}
