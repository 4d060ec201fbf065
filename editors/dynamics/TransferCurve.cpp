#include "editors/dynamics/TransferCurve.h"

#include <algorithm>
#include <cstddef>

#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiXYPlot.h"
#include "protocol/ParameterScales.h"

namespace {

constexpr float kTop = 20.0f;
constexpr float kBottom = -100.0f;

float Ratio(int index) { return float(RatioTable[std::size_t(std::clamp(index, 0, int(RatioTable.size()) - 1))]); }

TransferPoint Point(float x, float y) { return {double(x), double(y)}; }

TransferPoint Marker(float threshold) { return Point(threshold + 0.2f, threshold - 0.4f); }

/// Deletes the first `count` points (never more than the channel holds),
/// so the placeholder points of the window's creation are replaced.
void Replace(TiXYPlotChannel& channel, const std::vector<TransferPoint>& points) {
  channel.DeletePoints(std::min(int(points.size()), channel.Count()));
  for (const TransferPoint& point : points) {
    channel.AddXY(point.x, point.y);
  }
}

}  // namespace

TransferCurve TransferCurve::Compressor(int thresholdPosition, int knee, int ratioIndex, bool infiniteRatio) {
  const float t = float(thresholdPosition) * 0.5f;
  const float k = float(knee);
  float a = 0.0f;
  float b = 0.0f;
  if (!infiniteRatio) {
    const float r = Ratio(ratioIndex);
    a = (kTop - t) / r;
    b = k / r;
  }
  return {{Point(kTop, t + a), Point(t + k, t + b), Point(t - k, t - k), Point(kBottom, kBottom)}, Marker(t)};
}

TransferCurve TransferCurve::Gate(int thresholdPosition, int ratioIndex, bool infiniteRatio) {
  const float t = float(thresholdPosition) * 0.5f;
  const float c = infiniteRatio ? 0.0f : (t - kBottom) / Ratio(ratioIndex);
  return {{Point(kTop, kTop), Point(t, t), Point(t - c, kBottom)}, Marker(t)};
}

void TransferCurve::ShowOn(TiXYPlot& plot) const {
  if (plot.ChannelCount() < 2) {
    return;
  }
  Replace(*plot.Channel(0), points);
  Replace(*plot.Channel(1), {marker});
}
