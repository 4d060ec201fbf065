#include <algorithm>

#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

namespace {

/// The pixel span between two values' pixels, one pixel at least.
void SpanAtLeastOnePixel(int a, int b, int& from, int& to) {
  from = std::min(a, b);
  to = std::max(a, b);
  if (to == from) {
    ++to;
  }
}

}  // namespace

int TiPlotChannel::AddHighLow(double x, double high, double low, double open, double close) {
  StartTimeReset();
  CheckXOrder(x);
  TiPlotDataCustomList& list = List();
  const int index = list.Add(x, 0, false, false);
  list.SetHigh(index, high);
  list.SetLow(index, low);
  list.SetOpen(index, open);
  list.SetClose(index, close);
  if (XAxisTrackingEnabled() && XAxis() != nullptr) {
    XAxis()->NewTrackingData(x);
  }
  if (YAxisTrackingEnabled() && YAxis() != nullptr) {
    for (double value : {high, low, open, close}) {
      YAxis()->NewTrackingData(value);
    }
  }
  DoChange();
  return index;
}

void TiPlotChannel::DrawHighLow(TCanvas& canvas, TColor backGroundColor) {
  if (!m_highLowEnabled) {
    return;
  }
  canvas.Pen().SetWidth(0);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.SetBkColor(backGroundColor);
  for (int i = std::max(DrawStartIndex(), 0); i <= DrawStopIndex(); ++i) {
    if (!GetValid(i)) {
      continue;
    }
    if (m_highLowStyle == TiPlotHighLowStyle::iphlsCandleStick) {
      DrawCandleStick(canvas, i);
    } else {
      DrawOpenClose(canvas, i);
    }
  }
}

// A vertical bar from High to Low, the open tick left and the close tick
// right of its centre; the bar is drawn last, over the ticks' inner ends.
void TiPlotChannel::DrawOpenClose(TCanvas& canvas, int index) {
  TiPlotXAxis* xAxis = XAxis();
  TiPlotYAxis* yAxis = YAxis();
  const bool reversed = XYAxesReversed();
  const int cx = xAxis->PositionToPixels(GetX(index));
  const int b = xAxis->WidthToPixels(m_highLowBarWidth);
  const int left = b == 0 ? cx : cx - b / 2;
  const int right = b == 0 ? cx + 1 : cx + b - b / 2;
  const int m = (left + right) / 2;
  const auto tick = [&](TColor color, double width, double height, double value, bool leftOfCentre) {
    const int o = xAxis->WidthToPixels(width);
    const int h = yAxis->WidthToPixels(height);
    const int y = yAxis->PositionToPixels(value);
    int top = y - h / 2;
    int bottom = y + h - h / 2 - 1;
    if (bottom <= top) {
      bottom = top + 1;
    }
    int from = m;
    int to = m + 1;
    if (o != 1) {
      from = leftOfCentre ? m - o + 1 : m;
      to = leftOfCentre ? m : m + o - 1;
    }
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(color);
    canvas.Rectangle(OrientedRect(reversed, from, top, to, bottom));
  };
  if (m_highLowOpenShow) {
    tick(m_highLowOpenColor, m_highLowOpenWidth, m_highLowOpenHeight, GetOpen(index), true);
  }
  if (m_highLowCloseShow) {
    tick(m_highLowCloseColor, m_highLowCloseWidth, m_highLowCloseHeight, GetClose(index), false);
  }
  int top = 0;
  int bottom = 0;
  SpanAtLeastOnePixel(yAxis->PositionToPixels(GetHigh(index)), yAxis->PositionToPixels(GetLow(index)), top, bottom);
  canvas.Brush().SetColor(m_highLowBarColor);
  canvas.Pen().SetColor(m_highLowBarColor);
  canvas.Rectangle(OrientedRect(reversed, left, top, right, bottom));
}

// A wick from High to Low under a body from Open to Close, filled bearish
// when the value fell (Open above Close), else bullish.
void TiPlotChannel::DrawCandleStick(TCanvas& canvas, int index) {
  TiPlotXAxis* xAxis = XAxis();
  TiPlotYAxis* yAxis = YAxis();
  const bool reversed = XYAxesReversed();
  const int cx = xAxis->PositionToPixels(GetX(index));
  canvas.Pen().SetColor(m_highLowShadowColor);
  canvas.Polyline({OrientedPoint(reversed, cx, yAxis->PositionToPixels(GetHigh(index))),
                   OrientedPoint(reversed, cx, yAxis->PositionToPixels(GetLow(index)))});
  const int w = xAxis->WidthToPixels(m_highLowBarWidth);
  int top = 0;
  int bottom = 0;
  SpanAtLeastOnePixel(yAxis->PositionToPixels(GetOpen(index)), yAxis->PositionToPixels(GetClose(index)), top, bottom);
  canvas.Brush().SetColor(GetOpen(index) > GetClose(index) ? m_highLowBearishColor : m_highLowBullishColor);
  canvas.Rectangle(OrientedRect(reversed, cx - w / 2, top, cx + w / 2 + 1, bottom));
}
