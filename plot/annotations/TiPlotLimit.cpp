#include "plot/annotations/TiPlotLimit.h"

#include "platform/drawing/TCanvas.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

TiPlotLimit::TiPlotLimit(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                         TNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {}

void TiPlotLimit::SetXAxisName(const QString& value) {
  if (StoreValue(value, m_xAxisName)) {
    m_xAxis = nullptr;
    DoChange();
  }
}

void TiPlotLimit::SetYAxisName(const QString& value) {
  if (StoreValue(value, m_yAxisName)) {
    m_yAxis = nullptr;
    DoChange();
  }
}

void TiPlotLimit::SetLine1Position(double value) {
  const double old = m_line1Position;
  if (StoreDouble(value, m_line1Position)) {
    DoChange();
    if (Owner() != nullptr) {
      Owner()->DoLimitLine1PositionChange(this, old, value);
    }
  }
}

void TiPlotLimit::SetLine2Position(double value) {
  const double old = m_line2Position;
  if (StoreDouble(value, m_line2Position)) {
    DoChange();
    if (Owner() != nullptr) {
      Owner()->DoLimitLine2PositionChange(this, old, value);
    }
  }
}

void TiPlotLimit::AddBandElement(double position, double upperLimit, double lowerLimit) {
  if (lowerLimit > upperLimit) {
    throw EPlotError(QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
  }
  m_pointList.Add(position, upperLimit, lowerLimit);
  DoChange();
}

void TiPlotLimit::ClearAllElements() {
  m_pointList.Clear();
  DoChange();
}

TiPlotXAxis* TiPlotLimit::GetXAxis() {
  if (m_xAxis == nullptr) {
    const int index = Owner()->GetXAxisIndexByName(m_xAxisName);
    m_xAxis = index >= 0 ? Owner()->XAxis(index) : nullptr;
  }
  return m_xAxis;
}

TiPlotYAxis* TiPlotLimit::GetYAxis() {
  if (m_yAxis == nullptr) {
    const int index = Owner()->GetYAxisIndexByName(m_yAxisName);
    m_yAxis = index >= 0 ? Owner()->YAxis(index) : nullptr;
  }
  return m_yAxis;
}

bool TiPlotLimit::IsYStyle() const {
  return m_style == TiPlotLimitStyle::iplsLineY || m_style == TiPlotLimitStyle::iplsBandY ||
         m_style == TiPlotLimitStyle::iplsPolyBandY;
}

bool TiPlotLimit::DrawInBackground() const {
  switch (m_style) {
    case TiPlotLimitStyle::iplsPolyBandX:
    case TiPlotLimitStyle::iplsPolyBandY:
      return true;
    case TiPlotLimitStyle::iplsBandX:
    case TiPlotLimitStyle::iplsBandY:
      return m_fillStyle != TBrushStyle::bsClear;
    default:
      return false;
  }
}

void TiPlotLimit::NotificationRemove(TObject* sender) {
  TiPlotObject::NotificationRemove(sender);
  if (m_xAxis != nullptr && sender == m_xAxis) {
    m_xAxis = nullptr;
  }
  if (m_yAxis != nullptr && sender == m_yAxis) {
    m_yAxis = nullptr;
  }
}

void TiPlotLimit::NotificationRename(TObject* sender) {
  TiPlotObject::NotificationRename(sender);
  if (m_xAxis != nullptr && sender == m_xAxis) {
    m_xAxisName = m_xAxis->Name();
  }
  if (m_yAxis != nullptr && sender == m_yAxis) {
    m_yAxisName = m_yAxis->Name();
  }
}

void TiPlotLimit::NotificationSetFocus(TObject* sender) {
  TiPlotObject::NotificationSetFocus(sender);
  auto* other = dynamic_cast<TiPlotObject*>(sender);
  if (other != nullptr && other != this && other->UserSelected()) {
    SetUserSelected(false);
  }
}

void TiPlotLimit::Draw(TCanvas& canvas, TColor backGroundColor) {
  m_line1Show = false;
  m_line2Show = false;
  if (!Visible() || GetXAxis() == nullptr || GetYAxis() == nullptr) {
    return;
  }
  if (m_clipToAxes) {
    const TRect r = OrientedRect(XYAxesReversed(), m_xAxis->MinPixels(), m_yAxis->MinPixels(),
                                 m_xAxis->MaxPixels(), m_yAxis->MaxPixels());
    canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
  }
  switch (m_style) {
    case TiPlotLimitStyle::iplsLineX:
    case TiPlotLimitStyle::iplsLineY:
      DrawLine(canvas, backGroundColor);
      break;
    case TiPlotLimitStyle::iplsBandX:
    case TiPlotLimitStyle::iplsBandY:
      DrawBand(canvas);
      break;
    case TiPlotLimitStyle::iplsPolyBandX:
    case TiPlotLimitStyle::iplsPolyBandY:
      DrawPolyBand(canvas);
      break;
  }
}

void TiPlotLimit::DrawLine(TCanvas& canvas, TColor backGroundColor) {
  const bool y = IsYStyle();
  TiPlotAxis* along = y ? static_cast<TiPlotAxis*>(m_yAxis) : static_cast<TiPlotAxis*>(m_xAxis);
  TiPlotAxis* across = y ? static_cast<TiPlotAxis*>(m_xAxis) : static_cast<TiPlotAxis*>(m_yAxis);
  if (m_line1Position < along->Min() || m_line1Position > along->Max()) {
    return;
  }
  canvas.Pen().SetColor(m_color);
  canvas.Pen().SetWidth(m_lineWidth);
  canvas.Pen().SetStyle(m_lineStyle);
  canvas.Brush().SetColor(backGroundColor);
  canvas.SetBkColor(backGroundColor);
  const int p = along->PositionToPixels(m_line1Position);
  const int from = across->MinPixels();
  const int to = across->MaxPixels();
  // (x, y) in axis terms: an X-style line runs along the Y axis.
  const bool swap = XYAxesReversed() != y;
  canvas.Polyline({OrientedPoint(swap, p, from), OrientedPoint(swap, p, to)});
  m_line1Show = true;
  m_line1ClickRect = OrientedRect(swap, p - 5, from, p + 5, to);
}

void TiPlotLimit::DrawBand(TCanvas& canvas) {
  const bool y = IsYStyle();
  TiPlotAxis* along = y ? static_cast<TiPlotAxis*>(m_yAxis) : static_cast<TiPlotAxis*>(m_xAxis);
  TiPlotAxis* across = y ? static_cast<TiPlotAxis*>(m_xAxis) : static_cast<TiPlotAxis*>(m_yAxis);
  const bool swap = XYAxesReversed() != y;
  const int p1 = along->PositionToPixels(m_line1Position);
  const int p2 = along->PositionToPixels(m_line2Position);
  const int from = across->MinPixels();
  const int to = across->MaxPixels();
  m_line1ClickRect = OrientedRect(swap, p1 - 5, from, p1 + 5, to);
  m_line2ClickRect = OrientedRect(swap, p2 - 5, from, p2 + 5, to);
  m_line1Show = true;
  m_line2Show = true;
  canvas.Pen().SetColor(m_color);
  canvas.Brush().SetColor(m_color);
  canvas.Brush().SetStyle(m_fillStyle);
  const TRect band = OrientedRect(swap, p1, from, p2, to);
  const auto boundingLines = [&](int width) {
    canvas.Pen().SetWidth(width);
    canvas.Pen().SetStyle(m_lineStyle);
    canvas.Polyline({OrientedPoint(swap, p1, from), OrientedPoint(swap, p1, to)});
    canvas.Polyline({OrientedPoint(swap, p2, from), OrientedPoint(swap, p2, to)});
  };
  if (m_fillStyle == TBrushStyle::bsSolid) {
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(m_lineStyle);
    canvas.Rectangle(band);
  } else if (m_fillStyle == TBrushStyle::bsClear) {
    boundingLines(m_lineWidth);
  } else {
    canvas.Pen().SetStyle(TPenStyle::psClear);
    canvas.Rectangle(band);
    boundingLines(1);
  }
}

void TiPlotLimit::DrawPolyBand(TCanvas& canvas) {
  if (m_pointList.Count() < 2) {
    return;
  }
  const bool y = m_style == TiPlotLimitStyle::iplsPolyBandY;
  // Positions run along one axis, the bounds are values of the other.
  TiPlotAxis* positions = y ? static_cast<TiPlotAxis*>(m_xAxis) : static_cast<TiPlotAxis*>(m_yAxis);
  TiPlotAxis* bounds = y ? static_cast<TiPlotAxis*>(m_yAxis) : static_cast<TiPlotAxis*>(m_xAxis);
  const bool swap = XYAxesReversed() != !y;
  canvas.Pen().SetColor(m_color);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetColor(m_color);
  canvas.Brush().SetStyle(m_fillStyle);
  const auto pt = [&](double position, double bound) {
    return OrientedPoint(swap, positions->PositionToPixels(position), bounds->PositionToPixels(bound));
  };
  for (int i = 1; i < m_pointList.Count(); ++i) {
    const TiLimitDataRecord& a = m_pointList.Item(i - 1);
    const TiLimitDataRecord& b = m_pointList.Item(i);
    if (a.Value1 > positions->Max()) {
      break;
    }
    if (a.Value1 < positions->Min() && b.Value1 < positions->Min()) {
      continue;
    }
    const std::vector<TPoint> quad{pt(a.Value1, a.Value2), pt(b.Value1, b.Value2), pt(b.Value1, b.Value3),
                                   pt(a.Value1, a.Value3)};
    if (m_fillStyle == TBrushStyle::bsSolid) {
      canvas.Polygon(quad);
    } else {
      canvas.Pen().SetStyle(TPenStyle::psClear);
      canvas.Polygon(quad);
      canvas.Pen().SetStyle(TPenStyle::psSolid);
      canvas.Polyline({quad[0], quad[1]});
      canvas.Polyline({quad[3], quad[2]});
    }
  }
}

bool TiPlotLimit::MouseHitTest(const TiPlotMouseData& mouseData) const {
  if (m_selectModeOnlyInteraction && !Owner()->SelectModeActive()) {
    return false;
  }
  return (m_line1Show && m_line1ClickRect.Contains(TPoint{mouseData.X, mouseData.Y})) ||
         (m_line2Show && m_line2ClickRect.Contains(TPoint{mouseData.X, mouseData.Y}));
}

void TiPlotLimit::DoMouseLeft(const TiPlotMouseData& mouseData) {
  if (!m_userCanMove) {
    return;
  }
  if (m_line1Show && m_line1ClickRect.Contains(TPoint{mouseData.X, mouseData.Y})) {
    m_mouseDownLine1 = true;
  } else if (m_line2Show && m_line2ClickRect.Contains(TPoint{mouseData.X, mouseData.Y})) {
    m_mouseDownLine2 = true;
  } else {
    return;
  }
  Raise(OnInvalidateNow, this);
}

void TiPlotLimit::DoMouseMove(const TiPlotMouseData& mouseData) {
  if ((!m_mouseDownLine1 && !m_mouseDownLine2) || GetXAxis() == nullptr || GetYAxis() == nullptr) {
    return;
  }
  const double value = IsYStyle() ? m_yAxis->PixelsToPosition(mouseData.YAxisPixels)
                                  : m_xAxis->PixelsToPosition(mouseData.XAxisPixels);
  if (m_mouseDownLine1) {
    SetLine1Position(value);
  } else {
    SetLine2Position(value);
  }
}

void TiPlotLimit::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (!m_mouseDownLine1 && !m_mouseDownLine2) {
    return;
  }
  m_mouseDownLine1 = false;
  m_mouseDownLine2 = false;
  if (MouseHitTest(mouseData)) {
    Owner()->DoObjectClick(this);
  }
}

TCursor TiPlotLimit::GetMouseCursor(TPoint) {
  if (!m_userCanMove) {
    return crDefault;
  }
  TCursor cursor = crHandPoint;
  if (m_line1Show && m_line2Show) {
    const bool vertical = IsYStyle() != XYAxesReversed();
    cursor = vertical ? crSizeNS : crSizeWE;
  }
  Owner()->DoObjectGetMouseCursor(this, cursor);
  return cursor;
}

void TiPlotLimit::AddMenuItems(TPopupMenu& popupMenu) {
  TiPlotObject::AddMenuItems(popupMenu);
  AddEditMenuItem(popupMenu);
}
