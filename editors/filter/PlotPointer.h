#pragma once

#include "platform/core/TRect.h"

/// The arithmetic of grabbing and dragging markers on a response plot: the
/// plot area starts 42 pixels right of and 7 below the control's corner; x
/// runs over FrequencyBin units XMin..XMax, y over YMin..YMax dB. Pure.
struct PlotPointer {
  static constexpr int kPlotLeft = 42;
  static constexpr int kPlotTop = 7;
  /// Horizontal tolerance of a grab, in columns (exclusive).
  static constexpr int kGrabColumns = 5;

  int width = 1;   ///< plot area, pixels
  int height = 1;
  double xMin = 966.0;
  double xMax = 3840.0;
  double yMin = -18.0;
  double yMax = 18.0;

  /// The FrequencyBin under control column x.
  double Bin(int x) const;
  /// Whether a marker drawn at `marker` (plot-area pixels) with level
  /// `markerGain` dB lies under the pointer (x, y). `scale` multiplies both
  /// columns (the hover's 1.5 at 96 dpi). The level window reaches 1 dB
  /// further toward zero for markers below 0 dB, so that a band at -g is
  /// grabbed over the mirror of the window of a band at +g.
  bool Hits(int x, int y, TPoint marker, double markerGain, double scale) const;
  /// The level under the pointer for a dragged band: toward zero to 0.1 dB,
  /// held within -12..12.
  double DragGain(int y) const;
  /// The frequency under the pointer on the equaliser grid, 19.7..20160 Hz.
  double DragFrequency(int x) const;
};
