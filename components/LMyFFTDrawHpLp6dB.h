#pragma once

#include "components/ResponsePlotBase.h"

/// The frequency-response plot of the main window's channel, gain and
/// side-chain plots (see ResponsePlotBase). A response-curve object draws
/// its curves, band markers and selected band through the
/// ResponsePlotTarget interface; UpdateCurvePage after a batch of changes
/// shows the result. Parameter texts: three lines for band-type codes up to
/// 2, the frequency alone for 3, 5 and 7, Q and frequency otherwise; the
/// parameter display writes them beside every circle marker. Owned by its
/// Qt parent; GUI thread only.
class LMyFFTDrawHpLp6dB : public ResponsePlotBase {
public:
  explicit LMyFFTDrawHpLp6dB(QWidget* parent = nullptr);
  /// A new plot (a child of `parent`) holding a copy of the other's curves
  /// and properties.
  LMyFFTDrawHpLp6dB(const LMyFFTDrawHpLp6dB& other, QWidget* parent);

  void AssignPlot(const LMyFFTDrawHpLp6dB& other) { AssignPlotFrom(other); }
  void AssignPlotData(const LMyFFTDrawHpLp6dB& other) { AssignPlotDataFrom(other); }
  void AppendPlotData(const LMyFFTDrawHpLp6dB& other) { AppendPlotDataFrom(other); }
  void AssignPlotProperties(const LMyFFTDrawHpLp6dB& other) { AssignPlotPropertiesFrom(other); }

  /// Whether BlockPaint writes the parameters beside the circle markers;
  /// draws nothing (the caller repaints).
  void SetParameterDisplay(bool on) { SetParameterDisplayFlag(on); }

protected:
  ParamLines ParamTextLines(int bandType, bool repaint) const override;
};
