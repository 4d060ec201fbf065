#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

namespace {

double LineYAtX(double x, double x1, double y1, double x2, double y2) {
  return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

double LineXAtY(double y, double x1, double y1, double x2, double y2) {
  return x1 + (y - y1) * (x2 - x1) / (y2 - y1);
}

bool Within(double v, double lo, double hi) { return v >= lo && v <= hi; }

}  // namespace

TPoint TiPlotChannelCustom::GetPointPixels(int index) {
  const int x = XAxis()->PositionToPixels(GetX(index));
  const int y = YAxis()->PositionToPixels(GetY(index));
  return OrientedPoint(XYAxesReversed(), x, y);
}

TRect TiPlotChannelCustom::DataRectToPixels(double x1, double y1, double x2, double y2) {
  return OrientedRect(XYAxesReversed(), XAxis()->PositionToPixels(x1), YAxis()->PositionToPixels(y1),
                      XAxis()->PositionToPixels(x2), YAxis()->PositionToPixels(y2));
}

void TiPlotChannelCustom::SetTracePen(TCanvas& canvas, TColor color, TiPlotLineStyle style, int width) const {
  canvas.Pen().SetColor(color);
  canvas.Pen().SetStyle(static_cast<TPenStyle>(static_cast<int>(style)));
  canvas.Pen().SetWidth(width == 1 ? 0 : width);
}

void TiPlotChannelCustom::ClipCanvasToAxes(TCanvas& canvas) {
  const TRect r = OrientedRect(XYAxesReversed(), XAxis()->MinPixels(), YAxis()->MinPixels(), XAxis()->MaxPixels(),
                               YAxis()->MaxPixels());
  canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
}

void TiPlotChannelCustom::DrawLine(TCanvas& canvas, bool percentY, double x1, double y1, double x2, double y2) {
  TiPlotXAxis* xAxis = XAxis();
  TiPlotYAxis* yAxis = YAxis();
  if (xAxis == nullptr || yAxis == nullptr) {
    return;
  }
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const double xMin = xAxis->Min();
  const double xMax = xAxis->Max();
  const double yMin = yAxis->Min();
  const double yMax = yAxis->Max();
  const bool clipY = m_clipToAxes && !percentY;
  const bool xVisible = (x1 < xMin && x2 > xMax) || Within(x1, xMin, xMax) || Within(x2, xMin, xMax);
  const bool yVisible = !clipY || (y1 < yMin && y2 > yMax) || (y1 > yMax && y2 < yMin) || Within(y1, yMin, yMax) ||
                        Within(y2, yMin, yMax);
  if (!xVisible || !yVisible) {
    return;
  }
  const double ox1 = x1, oy1 = y1, ox2 = x2, oy2 = y2;
  if (x1 < xMin) {
    y1 = LineYAtX(xMin, ox1, oy1, ox2, oy2);
    x1 = xMin;
  }
  if (x2 > xMax) {
    y2 = LineYAtX(xMax, ox1, oy1, ox2, oy2);
    x2 = xMax;
  }
  if (clipY) {
    const auto clipEnd = [&](double& x, double& y) {
      if (y < yMin) {
        x = LineXAtY(yMin, ox1, oy1, ox2, oy2);
        y = yMin;
      } else if (y > yMax) {
        x = LineXAtY(yMax, ox1, oy1, ox2, oy2);
        y = yMax;
      }
    };
    clipEnd(x1, y1);
    clipEnd(x2, y2);
    if (!(xAxis->ValueOnScale(x1) && yAxis->ValueOnScale(y1) && xAxis->ValueOnScale(x2) &&
          yAxis->ValueOnScale(y2))) {
      return;
    }
  } else if (m_clipToAxes && !(xAxis->ValueOnScale(x1) && xAxis->ValueOnScale(x2))) {
    return;
  }
  const int px1 = xAxis->PositionToPixels(x1);
  const int px2 = xAxis->PositionToPixels(x2);
  int py1 = 0;
  int py2 = 0;
  if (percentY) {
    if (Owner()->DataViewCount() == 0) {
      return;
    }
    const TiPlotDataView* view = Owner()->DataView(0);
    py1 = XYAxesReversed() ? view->PositionPercentToPixelsX(y1) : view->PositionPercentToPixelsY(y1);
    py2 = XYAxesReversed() ? view->PositionPercentToPixelsX(y2) : view->PositionPercentToPixelsY(y2);
  } else {
    py1 = yAxis->PositionToPixels(y1);
    py2 = yAxis->PositionToPixels(y2);
  }
  canvas.Polyline({OrientedPoint(XYAxesReversed(), px1, py1), OrientedPoint(XYAxesReversed(), px2, py2)});
}

void TiPlotChannelCustom::DrawFillPolygon(TCanvas& canvas, const double (&xs)[4], const double (&ys)[4]) {
  std::vector<TPoint> points;
  points.reserve(4);
  for (int i = 0; i < 4; ++i) {
    points.push_back(
        OrientedPoint(XYAxesReversed(), XAxis()->PositionToPixels(xs[i]), YAxis()->PositionToPixels(ys[i])));
  }
  canvas.Polygon(points);
}

void TiPlotChannelCustom::DrawTrace(TCanvas& canvas, TColor backGroundColor) {
  if (!m_traceVisible) {
    return;
  }
  SetTracePen(canvas, Color(), TraceLineStyle(), TraceLineWidth());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (m_stopIndex <= m_startIndex) {
    return;
  }
  bool haveRun = false;
  double px = 0;
  double py = 0;
  for (int i = m_startIndex; i <= m_stopIndex; ++i) {
    double x = 0, y = 0;
    bool empty = false, null = false;
    GetXYEmptyNull(i, x, y, empty, null);
    if (empty) {
      continue;
    }
    if (null) {
      haveRun = false;
      continue;
    }
    if (haveRun) {
      SetTracePen(canvas, GetPointTraceLineColor(i), GetPointTraceLineStyle(i), GetPointTraceLineWidth(i));
      canvas.SetBkColor(backGroundColor);
      DrawLine(canvas, false, px, py, x, y);
    }
    haveRun = true;
    px = x;
    py = y;
  }
}

bool TiPlotChannelCustom::IsMarkerDrawn(int index) {
  if (!MarkersVisible() || !GetValid(index) || !HasAxes()) {
    return false;
  }
  if (m_markersAllowIndividual && !GetPointMarkerVisible(index)) {
    return false;
  }
  return !m_clipToAxes || (XAxis()->ValueOnScale(GetX(index)) && YAxis()->ValueOnScale(GetY(index)));
}

void TiPlotChannelCustom::DrawMarkers(TCanvas& canvas, TColor backGroundColor) {
  if (!MarkersVisible()) {
    return;
  }
  canvas.Font().Assign(m_markersFont);
  if (m_markersTurnOffLimit > 0 && std::abs(m_stopIndex - m_startIndex) > m_markersTurnOffLimit) {
    return;
  }
  for (int i = std::max(m_startIndex, 0); i <= m_stopIndex; ++i) {
    if (IsMarkerDrawn(i)) {
      DrawMarker(canvas, i, backGroundColor, GetPointPixels(i));
    }
  }
}

void TiPlotChannelCustom::DrawMarker(TCanvas& canvas, int index, TColor backGroundColor, TPoint point) {
  if (!MarkersVisible()) {
    return;
  }
  const bool individual = index >= 0 && m_markersAllowIndividual;
  const TiPlotMarkerStyle style = individual ? GetPointMarkerStyle(index) : MarkersStyle();
  int r = individual ? GetPointMarkerSize(index) : MarkersSize();
  if (index == -1) {
    r = std::min(r, 6);
  }
  canvas.Pen().SetWidth(individual ? GetPointMarkerPenWidth(index) : MarkersPenWidth());
  canvas.Pen().SetStyle(individual ? GetPointMarkerPenStyle(index) : MarkersPenStyle());
  canvas.Pen().SetColor(m_markersPenUseChannelColor ? Color()
                        : individual                ? GetPointMarkerPenColor(index)
                                                    : MarkersPenColor());
  canvas.Brush().SetColor(m_markersBrushUseChannelColor ? Color()
                          : individual                  ? GetPointMarkerBrushColor(index)
                                                        : MarkersBrushColor());
  canvas.Brush().SetStyle(individual ? GetPointMarkerBrushStyle(index) : MarkersBrushStyle());
  const int x = point.X;
  const int y = point.Y;
  switch (style) {
    case TiPlotMarkerStyle::ipmsCircle:
      canvas.Ellipse(x - r, y - r, x + r, y + r);
      break;
    case TiPlotMarkerStyle::ipmsSquare:
      canvas.Rectangle(x - r, y - r, x + r, y + r);
      break;
    case TiPlotMarkerStyle::ipmsDiamond:
      canvas.Polygon({{x + r, y}, {x, y + r}, {x - r, y}, {x, y - r}});
      break;
    case TiPlotMarkerStyle::ipmsCross:
      canvas.Polyline({{x + r, y + r}, {x - r, y - r}});
      canvas.Polyline({{x + r, y - r}, {x - r, y + r}});
      break;
    case TiPlotMarkerStyle::ipmsPlus:
      canvas.Polyline({{x, y + r}, {x, y - r}});
      canvas.Polyline({{x + r, y}, {x - r, y}});
      break;
    case TiPlotMarkerStyle::ipmsTriangleUp:
      canvas.Polygon({{x - r, y + r}, {x, y}, {x + r, y + r}});
      break;
    case TiPlotMarkerStyle::ipmsTriangleDown:
      canvas.Polygon({{x - r, y - r}, {x, y}, {x + r, y - r}});
      break;
    case TiPlotMarkerStyle::ipmsTriangleLeft:
      canvas.Polygon({{x + r, y - r}, {x, y}, {x + r, y + r}});
      break;
    case TiPlotMarkerStyle::ipmsTriangleRight:
      canvas.Polygon({{x - r, y - r}, {x, y}, {x - r, y + r}});
      break;
    case TiPlotMarkerStyle::ipmsVerticalLine:
      canvas.Polyline({{x, y - r}, {x, y + r}});
      break;
    case TiPlotMarkerStyle::ipmsHorizontalLine:
      canvas.Polyline({{x - r, y}, {x + r, y}});
      break;
    case TiPlotMarkerStyle::ipmsCharacter: {
      const QChar ch = index >= 0 ? GetPointMarkerCharacter(index) : DataList().Stored().MarkerCharacter;
      if (!ch.isNull()) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.SetBkColor(backGroundColor);
        TRect box{x, y, x, y};
        canvas.DrawText(QString(ch), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
      }
      break;
    }
  }
}

TRect TiPlotChannelCustom::GetMarkerRect(int index) {
  const int r = m_markersAllowIndividual ? GetPointMarkerSize(index) : MarkersSize();
  const TPoint p = GetPointPixels(index);
  return {p.X - r, p.Y - r, p.X + r, p.Y + r};
}
