#include <algorithm>
#include <array>
#include <climits>
#include <exception>

#include "platform/drawing/TCanvas.h"
#include "plot/base/TDigitalSequenceData.h"
#include "plot/base/TiPlotMinMaxPoint.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

void TiPlotChannel::UpdateXIncreasing() { m_xIncreasing = Count() < 3 || GetX(1) >= GetX(0); }

// Bisection over X in the given order; the last probed index when the value
// is not found exactly, -1 for an empty channel.
int TiPlotChannel::SearchX(double value, bool ascending) const {
  int low = 0;
  int high = Count() - 1;
  int answer = -1;
  while (high >= low) {
    const int middle = (low + high) / 2;
    answer = middle;
    const double x = GetX(middle);
    if (x == value) {
      break;
    }
    if ((value < x) == ascending) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return answer;
}

int TiPlotChannel::SearchAscending(double value) const { return SearchX(value, true); }

int TiPlotChannel::SearchDescending(double value) const { return SearchX(value, false); }

void TiPlotChannel::PrepareForDraw(TCanvas&) {
  SetCanDraw(false);
  if (!HasAxes() || !Visible() || Count() == 0) {
    return;
  }
  UpdateXIncreasing();
  if (!m_drawOutOfOrderXValues) {
    const double min = XAxis()->Min();
    const double max = XAxis()->Max();
    const bool outside = m_xIncreasing ? (XLast() < min || XFirst() > max) : (XFirst() < min || XLast() > max);
    if (outside) {
      return;
    }
  }
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  const auto level = [this](double reference) {
    TiPlotYAxis* y = YAxis();
    return m_digitalReferenceStyle == TiPlotDigitalReferenceStyle::ipdrPercent
               ? y->PositionToPixels(y->Span() * reference / 100 + y->Min())
               : y->PositionToPixels(reference);
  };
  m_pixelsHigh = level(m_digitalReferenceHigh);
  m_pixelsLow = level(m_digitalReferenceLow);
  m_pixelListStart = std::min(XAxis()->MinPixels(), XAxis()->MaxPixels());
  m_pixelListStop = std::max(XAxis()->MinPixels(), XAxis()->MaxPixels());
  const std::size_t columns = std::size_t(m_pixelListStop - m_pixelListStart + 1);
  if (m_pixelList.size() < columns) {
    m_pixelList.resize(columns);
  }
  for (PixelPoint& p : m_pixelList) {
    p.Null = true;
  }
  SetCanDraw(true);
}

void TiPlotChannel::CalcDrawStartIndex() {
  SetDrawStart(-1);
  if (XAxis() == nullptr || Count() == 0) {
    return;
  }
  int start = 0;
  if (m_drawOutOfOrderXValues) {
    start = Count() - 1;
    for (int i = 0; i < Count(); ++i) {
      if (XAxis()->PointOnScale(GetX(i))) {
        start = i;
        break;
      }
    }
    --start;
  } else if (m_xIncreasing) {
    const double min = XAxis()->Min();
    start = SearchAscending(min);
    if (GetX(start) > min) {
      --start;
    }
  } else {
    const double max = XAxis()->Max();
    start = SearchDescending(max);
    if (GetX(start) < max) {
      --start;
    }
  }
  SetDrawStart(std::clamp(start, 0, Count() - 1));
}

void TiPlotChannel::CalcDrawStopIndex() {
  SetDrawStop(-1);
  if (XAxis() == nullptr || Count() == 0) {
    return;
  }
  int stop = 0;
  if (m_drawOutOfOrderXValues) {
    stop = -1;
    for (int i = Count() - 1; i >= 0; --i) {
      if (XAxis()->PointOnScale(GetX(i))) {
        stop = i;
        break;
      }
    }
    ++stop;
  } else if (m_xIncreasing) {
    const double max = XAxis()->Max();
    stop = SearchAscending(max);
    if (GetX(stop) < max) {
      ++stop;
    }
  } else {
    const double min = XAxis()->Min();
    stop = SearchDescending(min);
    if (GetX(stop) > min) {
      ++stop;
    }
  }
  SetDrawStop(std::clamp(stop, 0, Count() - 1));
}

double TiPlotChannel::GetFitXMax() {
  if (!HasAxes() || !Visible()) {
    return -1e300;
  }
  UpdateXIncreasing();
  if (m_xIncreasing) {
    for (int i = Count() - 1; i >= 0; --i) {
      if (GetValid(i)) {
        return GetXMarkerMax(i);
      }
    }
  } else {
    for (int i = 0; i < Count(); ++i) {
      if (GetValid(i)) {
        return GetXMarkerMax(i);
      }
    }
  }
  return -1e300;
}

double TiPlotChannel::GetFitXMin() {
  if (!HasAxes() || !Visible()) {
    return 1e300;
  }
  UpdateXIncreasing();
  if (m_xIncreasing) {
    for (int i = 0; i < Count(); ++i) {
      if (GetValid(i)) {
        return GetXMarkerMin(i);
      }
    }
  } else {
    for (int i = Count() - 1; i >= 0; --i) {
      if (GetValid(i)) {
        return GetXMarkerMin(i);
      }
    }
  }
  return 1e300;
}

double TiPlotChannel::GetFitYMax() {
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  double result = -1e300;
  if (!HasAxes() || !Visible() || DrawStartIndex() < 0 || DrawStopIndex() < DrawStartIndex()) {
    return result;
  }
  for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
    if (GetValid(i)) {
      result = std::max(result, GetYMarkerMax(i));
    }
  }
  return result;
}

double TiPlotChannel::GetFitYMin() {
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  double result = 1e300;
  if (!HasAxes() || !Visible() || DrawStartIndex() < 0 || DrawStopIndex() < DrawStartIndex()) {
    return result;
  }
  for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
    if (GetValid(i)) {
      result = std::min(result, GetYMarkerMin(i));
    }
  }
  return result;
}

void TiPlotChannel::Draw(TCanvas& canvas, TColor backGroundColor) {
  // A failure ends this channel's drawing for the paint; the paint goes on.
  try {
    if (ClipToAxes()) {
      ClipCanvasToAxes(canvas);
    }
    DrawStraightFill(canvas, backGroundColor);
    DrawBars(canvas, backGroundColor);
    DrawTrace(canvas, backGroundColor);
    DrawMarkers(canvas, backGroundColor);
    DrawHighLow(canvas, backGroundColor);
  } catch (const std::exception&) {
  }
}

void TiPlotChannel::SetFillBrush(TCanvas& canvas) const {
  canvas.Brush().SetStyle(m_fillStyle);
  canvas.Brush().SetColor(m_fillUseChannelColor ? Color() : m_fillColor);
}

void TiPlotChannel::DrawStraightFill(TCanvas& canvas, TColor backGroundColor) {
  if (!m_fillEnabled || m_fillStyle == TBrushStyle::bsClear || m_digitalEnabled ||
      m_interpolationStyle != TiPlotInterpolationStyle::ipistStraightLine) {
    return;
  }
  SetFillBrush(canvas);
  canvas.Pen().SetColor(canvas.Brush().Color());
  canvas.Pen().SetWidth(0);
  canvas.Pen().SetStyle(TPenStyle::psClear);
  canvas.SetBkColor(backGroundColor);
  bool haveRun = false;
  double px = 0;
  double py = 0;
  for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
    if (GetEmpty(i)) {
      continue;
    }
    if (GetNull(i)) {
      haveRun = false;
      continue;
    }
    const double x = GetX(i);
    const double y = GetY(i);
    if (haveRun) {
      DrawFillPolygon(canvas, {x, x, px, px}, {m_fillReference, y, py, m_fillReference});
    }
    haveRun = true;
    px = x;
    py = y;
  }
}

void TiPlotChannel::DrawBars(TCanvas& canvas, TColor backGroundColor) {
  if (!m_barEnabled) {
    return;
  }
  for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
    if (!GetValid(i) || !GetPointBarVisible(i)) {
      continue;
    }
    canvas.Brush().SetColor(m_barBrushUseChannelColor ? Color() : GetPointBarBrushColor(i));
    canvas.Pen().SetColor(m_barPenUseChannelColor ? Color() : GetPointBarPenColor(i));
    canvas.Pen().SetWidth(GetPointBarPenWidth(i));
    canvas.Pen().SetStyle(GetPointBarPenStyle(i));
    canvas.Brush().SetStyle(GetPointBarBrushStyle(i));
    canvas.SetBkColor(backGroundColor);
    TRect r = GetBarRect(i);
    if (r.Left == r.Right) {
      ++r.Right;
    }
    canvas.Rectangle(r);
  }
}

TRect TiPlotChannel::GetBarRect(int index) {
  const double w = GetPointBarWidth(index);
  return DataRectToPixels(GetX(index) - w / 2, GetPointBarReference(index), GetX(index) + w / 2, GetY(index));
}

void TiPlotChannel::DrawTrace(TCanvas& canvas, TColor backGroundColor) {
  if (!TraceVisible()) {
    return;
  }
  SetTracePen(canvas, Color(), TraceLineStyle(), TraceLineWidth());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetBkColor(backGroundColor);
  if (m_digitalEnabled) {
    DrawDigital(canvas);
    return;
  }
  switch (m_interpolationStyle) {
    case TiPlotInterpolationStyle::ipistDifferential:
    case TiPlotInterpolationStyle::ipistDifferentialTerminated:
      DrawSteps(canvas);
      break;
    case TiPlotInterpolationStyle::ipistCubicSpline:
    case TiPlotInterpolationStyle::ipistPolynomial:
    case TiPlotInterpolationStyle::ipistRational:
      DrawCurves(canvas);
      break;
    case TiPlotInterpolationStyle::ipistStraightLine:
      if (m_fastDrawEnabled) {
        DrawFastTrace(canvas);
      } else {
        TiPlotChannelCustom::DrawTrace(canvas, backGroundColor);
      }
      break;
  }
}

namespace {

/// A pixel column of the fast trace: its first, lowest, highest and last
/// value (TiPlotMinMaxPoint) with their Y pixels, which the trace maps a
/// chunk of points at a time. An extreme no value has set keeps the pixel of
/// its starting value. Used while one channel draws.
class FastTraceColumn {
public:
  explicit FastTraceColumn(const TiPlotYAxis& yAxis)
      : m_unsetMinPixel(yAxis.PositionToPixels(TiPlotMinMaxPoint().YMin)),
        m_unsetMaxPixel(yAxis.PositionToPixels(TiPlotMinMaxPoint().YMax)) {
    Clear();
  }

  bool Empty() const { return m_values.Empty; }
  int XPixels() const { return m_values.XPixels; }

  void Add(double x, double y, int px, int py) {
    if (m_values.Empty) {
      m_firstPixel = py;
    }
    if (y > m_values.YMax) {
      m_maxPixel = py;
    }
    if (y < m_values.YMin) {
      m_minPixel = py;
    }
    m_lastPixel = py;
    m_values.AddData(x, y, px);
  }

  /// Calls add(py) for the first value, the extremes in the order the
  /// values ran between them, and the last value.
  template <class Add>
  void ForEachPixel(Add add) const {
    add(m_firstPixel);
    if (m_values.YLast >= m_values.YFirst) {
      add(m_minPixel);
      add(m_maxPixel);
    } else {
      add(m_maxPixel);
      add(m_minPixel);
    }
    add(m_lastPixel);
  }

  void Clear() {
    m_values.Clear();
    m_minPixel = m_unsetMinPixel;
    m_maxPixel = m_unsetMaxPixel;
  }

private:
  const int m_unsetMinPixel;
  const int m_unsetMaxPixel;
  TiPlotMinMaxPoint m_values;
  int m_firstPixel = 0;
  int m_minPixel = 0;
  int m_maxPixel = 0;
  int m_lastPixel = 0;
};

}  // namespace

// The fast trace reduces the points of each pixel column to its first,
// last, lowest and highest value and draws every run between gaps as one
// polyline through them: a few strokes per column however many points
// share it. X is clipped at the axis ends by the canvas clip.
void TiPlotChannel::DrawFastTrace(TCanvas& canvas) {
  if (DrawStartIndex() == DrawStopIndex()) {
    return;
  }
  TiPlotXAxis* xAxis = XAxis();
  TiPlotYAxis* yAxis = YAxis();
  const bool reversed = XYAxesReversed();
  const int saved = canvas.SaveDC();
  const int xFrom = std::min(xAxis->MinPixels(), xAxis->MaxPixels());
  const int xTo = std::max(xAxis->MinPixels(), xAxis->MaxPixels());
  if (reversed) {
    canvas.IntersectClipRect(INT_MIN / 4, xFrom, INT_MAX / 4, xTo + 1);
  } else {
    canvas.IntersectClipRect(xFrom, INT_MIN / 4, xTo + 1, INT_MAX / 4);
  }
  std::vector<TPoint> run;
  const auto add = [&](int px, int py) {
    const TPoint p = OrientedPoint(reversed, px, std::clamp(py, -1000000, 1000000));
    if (run.empty() || run.back().X != p.X || run.back().Y != p.Y) {
      run.push_back(p);
    }
  };
  FastTraceColumn column(*yAxis);
  const auto flushColumn = [&] {
    if (column.Empty()) {
      return;
    }
    column.ForEachPixel([&](int py) { add(column.XPixels(), py); });
    column.Clear();
  };
  const auto flushRun = [&] {
    flushColumn();
    if (run.size() >= 2) {
      canvas.Polyline(run);
    }
    run.clear();
  };
  // The pixels are mapped a chunk of points at a time, which lets the axes
  // vectorise (a log axis takes its logarithms in one pass).
  constexpr int kChunk = 512;
  std::array<double, kChunk> xs;
  std::array<double, kChunk> ys;
  std::array<int, kChunk> pxs;
  std::array<int, kChunk> pys;
  std::array<unsigned char, kChunk> kinds;  // 0 point, 1 empty, 2 null
  for (int first = DrawStartIndex(); first <= DrawStopIndex(); first += kChunk) {
    const int n = std::min(kChunk, DrawStopIndex() - first + 1);
    for (int j = 0; j < n; ++j) {
      bool empty = false, null = false;
      GetXYEmptyNull(first + j, xs[j], ys[j], empty, null);
      kinds[j] = empty ? 1 : (null ? 2 : 0);
    }
    xAxis->PositionsToPixels(xs.data(), pxs.data(), std::size_t(n));
    yAxis->PositionsToPixels(ys.data(), pys.data(), std::size_t(n));
    for (int j = 0; j < n; ++j) {
      if (kinds[j] == 1) {
        continue;
      }
      if (kinds[j] == 2) {
        flushRun();
        continue;
      }
      const int px = std::clamp(pxs[j], -1000000, 1000000);
      if (!column.Empty() && px != column.XPixels()) {
        flushColumn();
      }
      column.Add(xs[j], ys[j], px, pys[j]);
    }
  }
  flushRun();
  canvas.RestoreDC(saved);
}

void TiPlotChannel::DrawSteps(TCanvas& canvas) {
  if (Count() == 0) {
    return;
  }
  SetFillBrush(canvas);
  const bool fill = m_fillEnabled && m_fillStyle != TBrushStyle::bsClear;
  const auto fillPiece = [&](double x, double px, double py) {
    if (fill) {
      canvas.Pen().SetColor(canvas.Brush().Color());
      DrawFillPolygon(canvas, {x, x, px, px}, {m_fillReference, py, py, m_fillReference});
      canvas.Pen().SetColor(Color());
    }
  };
  bool open = false;
  double px = 0;
  double py = 0;
  for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
    if (GetEmpty(i)) {
      continue;
    }
    const double x = GetX(i);
    if (GetNull(i)) {
      if (open) {
        fillPiece(x, px, py);
        DrawLine(canvas, false, px, py, x, py);
      }
      open = false;
      continue;
    }
    const double y = GetY(i);
    if (open) {
      fillPiece(x, px, py);
      DrawLine(canvas, false, px, py, x, py);
      DrawLine(canvas, false, x, py, x, y);
    }
    open = true;
    px = x;
    py = y;
  }
  if (open && m_interpolationStyle == TiPlotInterpolationStyle::ipistDifferential) {
    canvas.Pen().SetColor(Color());
    DrawLine(canvas, false, px, py, XAxis()->Max(), py);
  }
}

void TiPlotChannel::DrawDigital(TCanvas& canvas) {
  if (DrawStartIndex() == DrawStopIndex()) {
    return;
  }
  const double high = m_digitalReferenceHigh;
  const double low = m_digitalReferenceLow;
  const bool percent = m_digitalReferenceStyle == TiPlotDigitalReferenceStyle::ipdrPercent;
  TDigitalSequenceData run;
  const auto writeOut = [&] {
    const double v = run.StartYValue ? high : low;
    SetFillBrush(canvas);
    if (run.TransitionSet) {
      if (m_fillEnabled) {
        canvas.Pen().SetColor(canvas.Brush().Color());
        DrawFillPolygon(canvas, {run.TransitionXValue, run.TransitionXValue, run.StartXValue, run.StartXValue},
                        {m_fillReference, v, v, m_fillReference});
        canvas.Pen().SetColor(Color());
      }
      DrawLine(canvas, percent, run.StartXValue, v, run.TransitionXValue, v);
      DrawLine(canvas, percent, run.TransitionXValue, v, run.TransitionXValue, run.StartYValue ? low : high);
    } else if (run.StartSet && run.StopSet) {
      if (m_fillEnabled) {
        canvas.Pen().SetColor(Color());
        DrawFillPolygon(canvas, {run.StopXValue, run.StopXValue, run.StartXValue, run.StartXValue},
                        {m_fillReference, v, v, m_fillReference});
        canvas.Pen().SetColor(Color());
      }
      DrawLine(canvas, percent, run.StartXValue, v, run.StopXValue, v);
    }
    run.Clear();
  };
  for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
    if (GetEmpty(i)) {
      continue;
    }
    if (GetNull(i)) {
      writeOut();
      continue;
    }
    const double x = GetX(i);
    const bool level = GetY(i) != 0;
    if (!run.StartSet) {
      run.StartSet = true;
      run.StartXValue = x;
      run.StartYValue = level;
    } else if (run.StartYValue == level) {
      run.StopSet = true;
      run.StopXValue = x;
    } else {
      run.TransitionSet = true;
      run.TransitionXValue = x;
      writeOut();
      run.StartSet = true;
      run.StartXValue = x;
      run.StartYValue = level;
    }
  }
  writeOut();
}

void TiPlotChannel::DrawMarkers(TCanvas& canvas, TColor backGroundColor) {
  if (!MarkersVisible()) {
    return;
  }
  if (!m_digitalEnabled) {
    TiPlotChannelCustom::DrawMarkers(canvas, backGroundColor);
    return;
  }
  for (int i = std::max(DrawStartIndex(), 0); i <= DrawStopIndex(); ++i) {
    if (GetValid(i) && GetPointMarkerVisible(i) && XAxis()->ValueOnScale(GetX(i)) &&
        YAxis()->ValueOnScale(GetY(i))) {
      const int x = XAxis()->PositionToPixels(GetX(i));
      DrawMarker(canvas, i, backGroundColor,
                 OrientedPoint(XYAxesReversed(), x, GetY(i) != 0 ? m_pixelsHigh : m_pixelsLow));
    }
  }
}
