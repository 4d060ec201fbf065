#include "dsp/Plot.h"

#include <array>
#include <cmath>

#include <QtGlobal>

#include "dsp/CurveColours.h"
#include "dsp/ResponsePlotTarget.h"
#include "platform/VectorClones.h"

namespace {

constexpr TColor kSelectedBandTextColour = 0xFFFF;

// Brings a summed phase (tens of degrees) back into -18..+18.
double FoldPhase(double value) {
  if (value > 18.0) {
    value -= 36.0 * std::ceil((value - 18.0) / 36.0);
  } else if (value < -18.0) {
    value += 36.0 * std::ceil((-18.0 - value) / 36.0);
  }
  return value;
}

// total[k] = sum of curves[s][k] in the order of the curves, a block of the
// grid at a time so the partial sums stay in the nearest cache.
KRV_VECTOR_CLONES void SumCurves(const double* const* curves, int count, double* total) {
  constexpr int kBlock = 512;
  for (int start = 0; start < kFrequencyBinCount; start += kBlock) {
    double sum[kBlock] = {};
    for (int s = 0; s < count; ++s) {
      const double* curve = curves[s] + start;
      for (int j = 0; j < kBlock; ++j) {
        sum[j] += curve[j];
      }
    }
    for (int j = 0; j < kBlock; ++j) {
      total[start + j] = sum[j];
    }
  }
}

}  // namespace

Plot::Plot(ResponsePlotTarget& target) : m_target(&target), m_sections(kSectionCount) {}

PlotSection& Plot::Section(int index) {
  return m_sections.at(static_cast<std::size_t>(index));
}

const PlotSection& Plot::Section(int index) const {
  return m_sections.at(static_cast<std::size_t>(index));
}

void Plot::DrawBandMarker(int section, double y, int state) {
  if (!IsSection(section)) {
    return;
  }
  const PlotSection& s = m_sections[section];
  m_target->DrawBlock(y, FrequencyGrid::BinPosition(s.GetFrequency()), SectionMarkerColour(section), section,
                      false, state);
  m_target->SetBlockParameter(section, s.GetFrequency(), s.GetGain(), s.GetQ(), s.GetType());
}

void Plot::DrawTotal(int plotIndex) {
  std::array<const double*, kTotalSection> curves;
  for (int s = 0; s < kTotalSection; ++s) {
    curves[s] = m_sections[s].GetCurve().data();
  }
  ResponseCurve total;
  SumCurves(curves.data(), kTotalSection, total.data());
  if (m_phaseMode) {
    for (double& value : total) {
      value = FoldPhase(value);
    }
  }
  m_sections[kTotalSection].SetCurve(total);
  if (const auto colour = PlotTotalColour(plotIndex)) {
    m_target->FFTDraw(total.data(), kFrequencyBinCount, kTotalSection, *colour, 0);
  }
}

void Plot::DrawSection(int section, TColor colour) {
  if (!IsSection(section)) {
    return;
  }
  m_target->FFTDraw(m_sections[section].GetCurve().data(), kFrequencyBinCount, section, colour, 0);
}

void Plot::RemoveCurve(int curve) {
  m_target->RemovePlot(curve);
}

void Plot::DrawSectionFill(int marker, int section, double y, double value, bool show) {
  if (!show) {
    m_target->SetCurveDisplay(false);
    return;
  }
  if (section < 0) {
    section = 0;
  }
  if (!IsSection(section)) {
    return;
  }
  const PlotSection& s = m_sections[section];
  m_target->DrawParam(marker, y, FrequencyGrid::BinPosition(s.GetFrequency()), float(s.GetFrequency()), value,
                      kSelectedBandTextColour);
  m_target->DrawCurveFill(marker, s.GetCurve().data(), kFrequencyBinCount);
  m_target->SetCurveDisplay(true);
}

void Plot::SetPhaseMode(bool phase) {
  m_phaseMode = phase;
  for (PlotSection& s : m_sections) {
    s.SetPhaseMode(phase);
  }
}

void Plot::SetRemoveFirLatency(bool remove) {
  m_removeFirLatency = remove;
  for (PlotSection& s : m_sections) {
    s.SetRemoveFirLatency(remove);
  }
}
