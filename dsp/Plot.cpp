#include "dsp/Plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include <QtGlobal>

#include "dsp/CurveColours.h"
#include "dsp/ResponsePlotTarget.h"
#include "platform/core/VectorClones.h"
#include "platform/core/VectorLog.h"

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

constexpr int kTotalBlock = 256;
// A product of this many power ratios within +-200 dB stays a normal number.
constexpr int kRatiosPerProduct = 11;

// product[j] *= ratio[j] over a block, point by point (kept a loop of its
// own: vectorised across the sections, the loads become gathers).
KRV_VECTOR_CLONES void MultiplyBlock(double* __restrict product, const double* __restrict ratio) {
  for (int j = 0; j < kTotalBlock; ++j) {
    product[j] *= ratio[j];
  }
}

// total[k] += 10 log10 of the product of ratios[s][k], all within +-200 dB:
// the sum of those sections' dB curves with one logarithm a point. Every
// eleven factors (at most 10^220 apart from 1) the product's power of two is
// split off, so it stays a normal number.
KRV_VECTOR_CLONES void AddPowerRatioProductsDb(const double* const* ratios, int count, double* total) {
  for (int start = 0; start < kFrequencyBinCount; start += kTotalBlock) {
    double product[kTotalBlock];
    double exponent[kTotalBlock];
    for (int j = 0; j < kTotalBlock; ++j) {
      product[j] = 1.0;
      exponent[j] = 0.0;
    }
    for (int first = 0; first < count; first += kRatiosPerProduct) {
      for (int s = first; s < std::min(count, first + kRatiosPerProduct); ++s) {
        MultiplyBlock(product, ratios[s] + start);
      }
      for (int j = 0; j < kTotalBlock; ++j) {
        product[j] = SplitPowerOfTwo(product[j], exponent[j]);
      }
    }
    for (int j = 0; j < kTotalBlock; ++j) {
      total[start + j] += kDecibelsPerNeper * VectorLogScaled(product[j], exponent[j]);
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
  // In magnitude mode the biquads' curves enter as their power ratios,
  // multiplied with one logarithm a point (a biquad whose curve is clamped
  // somewhere enters as its curve); every other curve is added.
  std::array<const double*, kTotalSection> curves;
  std::array<const double*, kTotalSection> ratios;
  int curveCount = 0;
  int ratioCount = 0;
  for (int s = 0; s < kTotalSection; ++s) {
    const double* ratio = m_phaseMode ? nullptr : m_sections[s].GetPowerRatios();
    if (ratio != nullptr) {
      ratios[ratioCount++] = ratio;
    } else {
      curves[curveCount++] = m_sections[s].GetCurve().data();
    }
  }
  ResponseCurve total;
  SumCurves(curves.data(), curveCount, total.data());
  if (ratioCount > 0) {
    AddPowerRatioProductsDb(ratios.data(), ratioCount, total.data());
  }
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
