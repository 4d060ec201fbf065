#include "components/LMyFFTDrawHpLp6dB.h"

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(QWidget* parent) : ResponsePlotBase(parent) {}

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(const LMyFFTDrawHpLp6dB& other, QWidget* parent) : ResponsePlotBase(parent) {
  AssignPlot(other);
}

ResponsePlotBase::ParamLines LMyFFTDrawHpLp6dB::ParamTextLines(int bandType, bool) const {
  if (bandType <= 2) {
    return ParamLines::QFrequencyGain;
  }
  if (bandType == 3 || bandType == 5 || bandType == 7) {
    return ParamLines::Frequency;
  }
  return ParamLines::QFrequency;
}
