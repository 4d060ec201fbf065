#include <QImage>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TPopupMenu.h"
#include "platform/widgets/InputTypes.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotAxis.h"

TiPlotAxisMode TiPlotAxis::GetEffectiveMode() const {
  if (!ShiftState().Contains(TShiftStateItem::ssCtrl)) {
    return m_mode;
  }
  return m_mode == TiPlotAxisMode::ipamScroll ? TiPlotAxisMode::ipamZoom : TiPlotAxisMode::ipamScroll;
}

void TiPlotAxis::DoMouseLeft(const TiPlotMouseData& mouseData) {
  if (m_masterUIInput) {
    Owner()->MasterAxisMouseLeft(this, mouseData);
  }
  m_axisMouseDown = true;
  m_mouseDownX = mouseData.X;
  m_mouseDownY = mouseData.Y;
  m_mouseDownMin = Min();
  m_mouseDownSpan = Span();
}

void TiPlotAxis::DoMouseMove(const TiPlotMouseData& mouseData) {
  if (!m_axisMouseDown) {
    return;
  }
  if (m_masterUIInput) {
    Owner()->MasterAxisMouseMove(this, mouseData);
  }
  if (mouseData.DblClickActive) {
    return;
  }
  Raise(OnInvalidateNow, this);
  SetTrackingEnabled(false);
  const int length = GetScaleLength();
  if (length != 0) {
    // Right (horizontal) or up (vertical) is positive; a reversed scale
    // runs the other way.
    double f = IsHorz() ? double(mouseData.X - m_mouseDownX) / length : double(m_mouseDownY - mouseData.Y) / length;
    if (ReverseScale()) {
      f = -f;
    }
    if (GetEffectiveMode() == TiPlotAxisMode::ipamScroll) {
      ScrollBy(-f);
    } else {
      ZoomBy(ScaleType() == TiPlotScaleType::ipstLog10 ? f * 2 : f / 4);
    }
  }
  m_mouseDownX = mouseData.X;
  m_mouseDownY = mouseData.Y;
}

void TiPlotAxis::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (!m_axisMouseDown) {
    return;
  }
  // The handlers of the forwarded release and of the click may delete this
  // axis: the press ends before them and nothing of it is read after them.
  m_axisMouseDown = false;
  const LifeGuard guard(*this);
  if (m_masterUIInput) {
    Owner()->MasterAxisMouseUp(this, mouseData);
  }
  if (guard.Alive() && MouseHitTest(mouseData)) {
    Owner()->DoObjectClick(this);
  }
  if (guard.Alive() && (Min() != m_mouseDownMin || Span() != m_mouseDownSpan)) {
    Owner()->DoAxisMinSpanChangeFinished(this, m_mouseDownMin, m_mouseDownSpan, Min(), Span());
  }
}

bool TiPlotAxis::DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
  if (wheelDelta == 0) {
    return true;
  }
  SetTrackingEnabled(false);
  if (m_masterUIInput) {
    Owner()->MasterAxisMouseWheel(this, wheelDelta, shift, x, y);
  }
  const double s = wheelDelta > 0 ? 1 : -1;
  if (GetEffectiveMode() == TiPlotAxisMode::ipamScroll) {
    ScrollBy(s * 0.05);
  } else {
    ZoomBy(ScaleType() == TiPlotScaleType::ipstLog10 ? s * 0.05 : s * 0.025);
  }
  return true;
}

void TiPlotAxis::DoKeyDown(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu) {
  TiPlotLayoutObject::DoKeyDown(charCode, shift, popupMenu);
  if (m_masterUIInput) {
    Owner()->MasterAxisKeyDown(this, charCode, shift);
  }
  SetTrackingEnabled(false);
  const double oldMin = Min();
  const double oldSpan = Span();
  double step = 0;
  switch (charCode) {
    case VK_PRIOR:
    case VK_END:
      step = 1;
      break;
    case VK_NEXT:
    case VK_HOME:
      step = -1;
      break;
    case VK_UP:
    case VK_RIGHT:
      step = 0.01;
      break;
    case VK_LEFT:
    case VK_DOWN:
      step = -0.01;
      break;
    default:
      break;
  }
  if (step == 0) {
    return;
  }
  Raise(OnInvalidateNow, this);
  if (m_mode == TiPlotAxisMode::ipamScroll) {
    ScrollBy(step);
  } else {
    ZoomBy(step);
  }
  if (Min() != oldMin || Span() != oldSpan) {
    Owner()->DoAxisMinSpanChangeFinished(this, oldMin, oldSpan, Min(), Span());
  }
}

void TiPlotAxis::DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) {
  if (TitleShow()) {
    return;
  }
  QImage scratch(1, 1, QImage::Format_ARGB32);
  TCanvas canvas(&scratch);
  canvas.Font().Assign(Owner()->HintsFont());
  hintData.Text = Title();
  hintData.Left = mouseData.X;
  hintData.Top = mouseData.Y - 20;
  hintData.Width = canvas.TextWidth(hintData.Text) + 4;
  hintData.Height = canvas.TextHeight(hintData.Text) + 4;
  if (Kind() == TiPlotObjectKind::XAxis) {
    Owner()->DoXAxisCustomizeHint(this, hintData.Text);
  } else {
    Owner()->DoYAxisCustomizeHint(this, hintData.Text);
  }
}

TCursor TiPlotAxis::GetMouseCursor(TPoint) {
  TCursor cursor = crHandPoint;
  if (m_mode == TiPlotAxisMode::ipamZoom) {
    cursor = IsHorz() ? crSizeWE : crSizeNS;
  }
  Owner()->DoObjectGetMouseCursor(this, cursor);
  return cursor;
}

void TiPlotAxis::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotLayoutObject::AddMenuItems(popupMenu);
  popupMenu.Add(TranslateString(QStringLiteral("Tracking Enabled")), [this](TObject*) {
    SetTrackingEnabled(!TrackingEnabled());
  }).Checked = TrackingEnabled();
  popupMenu.Add(TranslateString(QStringLiteral("Update Resume Values")), [this](TObject*) {
    UpdateResumeValues();
  }).Enabled = !TrackingEnabled() && (Min() != m_previousMin || Span() != m_previousSpan);
  popupMenu.Add(TranslateString(QStringLiteral("Zoom to Fit")), [this](TObject*) { ZoomToFit(); });
  AddEditMenuItem(popupMenu);
}
