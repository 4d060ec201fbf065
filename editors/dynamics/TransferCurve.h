#pragma once

#include <vector>

class TiXYPlot;

/// One point of a transfer plot: input level X, output level Y, in dB.
struct TransferPoint {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const TransferPoint&) const = default;
};

/// What a dynamics panel shows on its transfer plot: the curve (channel 0)
/// and the threshold marker (channel 1). The points are computed in single
/// precision and widened, as the unit's editor always drew them.
struct TransferCurve {
  std::vector<TransferPoint> points;
  TransferPoint marker;

  /// A compressor or limiter: unity up to threshold - knee, a straight knee
  /// to threshold + knee, then slope 1/ratio up to +20 dB input. Threshold
  /// in half decibels, knee in dB, ratio a RatioTable index;
  /// `infiniteRatio` (the ratio control at its Max) flattens the curve.
  static TransferCurve Compressor(int thresholdPosition, int knee, int ratioIndex, bool infiniteRatio);
  /// A gate: unity above the threshold, below it slope `ratio` down to
  /// -100 dB; `infiniteRatio` drops it vertically at the threshold.
  static TransferCurve Gate(int thresholdPosition, int ratioIndex, bool infiniteRatio);

  /// Replaces as many points of the plot's channel 0 as the curve has, and
  /// the first point of channel 1, by the curve; a plot without both
  /// channels is left alone.
  void ShowOn(TiXYPlot& plot) const;
};
