#pragma once

#include "components/ResponsePlotBase.h"

/// The phase twin of the response plot: the same control (see
/// ResponsePlotBase) with its own parameter-text rule and no parameter
/// display, so circle markers never carry texts. No window of the program
/// holds one. Owned by its Qt parent; GUI thread only.
class LMyFFTDrawPhase : public ResponsePlotBase {
public:
  explicit LMyFFTDrawPhase(QWidget* parent = nullptr);
  /// A new plot (a child of `parent`) holding a copy of the other's curves
  /// and properties.
  LMyFFTDrawPhase(const LMyFFTDrawPhase& other, QWidget* parent);

  void AssignPlot(const LMyFFTDrawPhase& other) { AssignPlotFrom(other); }
  void AssignPlotData(const LMyFFTDrawPhase& other) { AssignPlotDataFrom(other); }
  void AppendPlotData(const LMyFFTDrawPhase& other) { AppendPlotDataFrom(other); }
  void AssignPlotProperties(const LMyFFTDrawPhase& other) { AssignPlotPropertiesFrom(other); }

protected:
  /// The immediate text (DrawParam) leaves codes 7-9 and 12 up unwritten
  /// and the repaint writes Q and frequency for them; codes 3 and 4 give Q
  /// and frequency, 5, 10 and 11 the frequency alone, up to 2 three lines.
  ParamLines ParamTextLines(int bandType, bool repaint) const override;
};
