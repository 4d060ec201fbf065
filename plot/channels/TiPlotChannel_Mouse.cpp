#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

bool TiPlotChannel::MouseHitTest(const TiPlotMouseData& mouseData) const {
  const bool hit = TiPlotChannelCustom::MouseHitTest(mouseData);
  if (mouseData.Button != TMouseButton::mbRight) {
    return hit;
  }
  // Objects are never made const; the dispatch's test is declared const.
  return const_cast<TiPlotChannel*>(this)->TraceNear(mouseData) || hit;
}

bool TiPlotChannel::TraceNear(const TiPlotMouseData& mouseData) {
  if (!HasAxes()) {
    return false;
  }
  double y = 0;
  if (!GetYInterpolated(XAxis()->PixelsToPosition(mouseData.XAxisPixels), y)) {
    return false;
  }
  const int a = mouseData.XAxisPixels;
  const int b = mouseData.YAxisPixels;
  const TRect box = OrientedRect(XYAxesReversed(), a - 10, b - 10, a + 10, b + 10);
  return box.Contains(OrientedPoint(XYAxesReversed(), a, YAxis()->PositionToPixels(y)));
}
