#pragma once

#include "platform/drawing/TColor.h"

/// What a response-curve object (`Plot`) needs of the plot control it draws
/// on: curves by id, band markers and the selected band's fill. The response
/// plot component implements it; tests use a recording fake. None of these
/// calls repaints the screen; the owner of the control does that after a
/// batch of changes. GUI thread only.
class ResponsePlotTarget {
public:
  virtual ~ResponsePlotTarget() = default;

  /// Adds the curve with this id, or replaces its points when it exists (the
  /// x of point i is i). Returns true when an existing curve was replaced.
  virtual bool FFTDraw(const double* values, int count, int id, TColor colour, int style) = 0;
  /// Removes the curve with this id; false when there is none.
  virtual bool RemovePlot(int id) = 0;

  /// Places band marker `index` (0..49) at level y and frequency position x.
  virtual void DrawBlock(double y, double x, TColor colour, int index, bool hidden, int shape) = 0;
  /// The parameters shown beside marker `index`.
  virtual void SetBlockParameter(int index, double frequency, double gain, double q, int filterCode) = 0;

  /// The selected band's parameters and its text colour.
  virtual void DrawParam(int bandType, double gain, double x, float frequency, double q, TColor colour) = 0;
  /// The selected band's curve, drawn as a filled area.
  virtual void DrawCurveFill(int bandType, const double* values, int count) = 0;
  /// Shows or hides the selected band's fill and text.
  virtual void SetCurveDisplay(bool on) = 0;
};
