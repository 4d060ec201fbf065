#include "components/peq/PeqBandStore.h"

#include <utility>

#include "components/peq/PeqBandText.h"

PeqBandStore::PeqBandStore(PeqFlavour flavour, QString decimalPoint)
    : m_flavour(flavour), m_decimalPoint(std::move(decimalPoint)) {}

PeqBandSteps PeqBandStore::Row(int row) const { return IsRow(row) ? m_rows[std::size_t(row)] : PeqBandSteps{}; }

double PeqBandStore::Freq(int row) const { return PeqStepToFreq(Row(row).freqStep); }

double PeqBandStore::Q(int row) const { return PeqQOfIndex(Row(row).qIndex); }

double PeqBandStore::Gain(int row) const { return Row(row).gainStep * PeqGainStepDb(m_flavour); }

QString PeqBandStore::SetFreq(int row, double hertz) {
  if (PeqBandSteps* band = Writable(row)) {
    if (const std::optional<int> step = PeqFreqStepOfHertz(hertz, m_flavour)) {
      band->freqStep = *step;
    }
  }
  return FreqText(row);
}

QString PeqBandStore::SetGain(int row, double gain) {
  if (PeqBandSteps* band = Writable(row)) {
    band->gainStep = PeqGainStepOfGain(gain, m_flavour);
  }
  return GainTextOf(gain);
}

QString PeqBandStore::SetBandGain(int row, double gain) {
  if (PeqBandSteps* band = Writable(row)) {
    band->gainStep = PeqGainStepOfBand(gain, m_flavour);
  }
  return GainTextOf(gain);
}

QString PeqBandStore::SetQ(int row, double qIndex) {
  if (PeqBandSteps* band = Writable(row)) {
    band->qIndex = PeqQIndexOfArgument(qIndex);
  }
  return QText(row);
}

void PeqBandStore::SetBypass(int row, bool bypass) {
  if (PeqBandSteps* band = Writable(row)) {
    band->bypass = bypass;
  }
}

bool PeqBandStore::ToggleBypass(int row) {
  SetBypass(row, !Bypass(row));
  return Bypass(row);
}

PeqTypedResult PeqBandStore::TypeFreq(int row, const QString& text) {
  const std::optional<int> index = PeqTypedFreqIndex(text);
  PeqBandSteps* band = Writable(row);
  if (index && band) {
    band->freqStep = *index - 170;
  }
  return {FreqText(row), index && band};
}

PeqTypedResult PeqBandStore::TypeQ(int row, const QString& text) {
  const std::optional<int> index = PeqTypedQIndex(text);
  PeqBandSteps* band = Writable(row);
  if (index && band) {
    band->qIndex = *index;
  }
  return {QText(row), index && band};
}

PeqTypedResult PeqBandStore::TypeGain(int row, const QString& text) {
  const std::optional<int> step = PeqTypedGainStep(text, m_flavour);
  PeqBandSteps* band = Writable(row);
  if (step && band) {
    band->gainStep = *step;
  }
  return {GainText(row), step && band};
}

QString PeqBandStore::FreqText(int row) const { return PeqFreqText(Freq(row)); }

QString PeqBandStore::QText(int row) const { return PeqQText(Q(row), m_flavour, m_decimalPoint); }

QString PeqBandStore::GainText(int row) const { return GainTextOf(Gain(row)); }

QString PeqBandStore::GainTextOf(double gain) const { return PeqGainText(gain, m_flavour, m_decimalPoint); }
