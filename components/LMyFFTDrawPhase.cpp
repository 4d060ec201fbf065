#include "components/LMyFFTDrawPhase.h"

LMyFFTDrawPhase::LMyFFTDrawPhase(QWidget* parent) : ResponsePlotBase(parent) {}

LMyFFTDrawPhase::LMyFFTDrawPhase(const LMyFFTDrawPhase& other, QWidget* parent) : ResponsePlotBase(parent) {
  AssignPlot(other);
}

ResponsePlotBase::ParamLines LMyFFTDrawPhase::ParamTextLines(int bandType, bool repaint) const {
  if (bandType <= 2) {
    return ParamLines::QFrequencyGain;
  }
  switch (bandType) {
    case 3:
    case 4:
    case 6:
      return ParamLines::QFrequency;
    case 5:
    case 10:
    case 11:
      return ParamLines::Frequency;
    default:
      return repaint ? ParamLines::QFrequency : ParamLines::None;
  }
}
