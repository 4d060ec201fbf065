#include "firdesign/FirDesignEngine.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QFileInfo>

#include "firdesign/DesignedFirReceiver.h"
#include "firdesign/FirDesignView.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/text/CFormat.h"

namespace {

constexpr int kFirNameBytes = 8;
/// Grid top of a designer that has imported nothing yet.
constexpr double kCreationGridTop = 96000.0;
constexpr int kFirstOutputChannel = 3;

}  // namespace

FirDesignEngine::FirDesignEngine(const FirDesignControls& controls, FirDesignView& view)
    : m_controls(controls), m_view(view) {
  for (int k = 0; k < kPoints; ++k) {
    m_binGrid[k] = k * kBinWidth;
  }
  SetLogGridTop(kImportGridTop);
  m_tableFrequency.assign(m_logGrid.begin(), m_logGrid.end());
  m_tableMagnitude.assign(kPoints, 0.0);
  m_tablePhase.assign(kPoints, 0.0);
  SetLogGridTop(kCreationGridTop);
}

int FirDesignEngine::SmoothingHalfWidthOfItem(int item) {
  static constexpr int kHalfWidths[] = {0, 96, 48, 32, 16, 8, 7, 6};
  if (item < 0 || item >= int(std::size(kHalfWidths))) {
    return 0;
  }
  return kHalfWidths[item];
}

void FirDesignEngine::SetLogGridTop(double top) {
  const double exponent = std::log10(top);
  for (int k = 0; k < kPoints; ++k) {
    m_logGrid[k] = std::pow(10.0, exponent * k / kPoints);
  }
}

void FirDesignEngine::ShowGridCurve(int channel, const Curve& values) {
  m_view.ShowCurve(channel, m_logGrid.data(), values.data(), kPoints);
}

void FirDesignEngine::ShowZeroLine(int channel) {
  static const Curve kZeros{};
  ShowGridCurve(channel, kZeros);
}

void FirDesignEngine::RunDesignChain() {
  BuildDesignTarget();
  SmoothDesignTarget();
  SynthesizeFir();
  ShowPredictedResult();
}

void FirDesignEngine::SetImportGainPosition(int position) {
  m_importGainPosition = std::clamp(position, 0, kMaxImportGainPosition);
  const int p = m_importGainPosition;
  m_importGain = static_cast<float>((p - kImportGainZero) * 0.1);
  m_view.ShowImportGain(p, p >= kImportGainZero ? FormatC("+%1.1fdB", (p - kImportGainZero) * 0.1)
                                                : FormatC("-%1.1fdB", (kImportGainZero - p) * 0.1));
}

void FirDesignEngine::SetImportDelay(int samples) {
  m_importDelay = static_cast<float>(std::clamp(samples, -kMaxImportDelay, kMaxImportDelay));
  ShowImportDelayHolder("%1.3fms");
}

void FirDesignEngine::ShowImportDelayHolder(const char* format) {
  const int position = static_cast<int>(m_importDelay);
  m_view.ShowImportDelay(position, FormatC(format, position / 96.0));
}

void FirDesignEngine::SetMagnitudeRange(int low, int high) {
  m_magnitudeLow = low;
  m_magnitudeHigh = high;
}

void FirDesignEngine::SetPhaseRange(int low, int high) {
  m_phaseLow = low;
  m_phaseHigh = high;
}

void FirDesignEngine::SetSmoothingHalfWidth(int halfWidth) {
  m_smoothingHalfWidth = std::max(halfWidth, 0);
}

void FirDesignEngine::SetDesignTaps(int taps) {
  m_designTaps = std::clamp(taps, kMinTaps, kMaxTaps);
  m_designOutputDelay = std::min(m_designOutputDelay, m_designTaps / 2);
}

void FirDesignEngine::SetDesignOutputDelay(int delay) {
  m_designOutputDelay = std::clamp(delay, 0, m_designTaps / 2);
}

void FirDesignEngine::SetDesignFirName(const QString& name) {
  m_designFirName = FirNameBytes(name);
}

QByteArray FirDesignEngine::FirNameBytes(const QString& text) {
  QByteArray field = WideToAnsiField(text, kFirNameBytes);
  const qsizetype end = field.indexOf('\0');
  if (end >= 0) {
    field.truncate(end);
  }
  return field;
}

QByteArray FirDesignEngine::FileNameBytes(const QString& path) {
  return FirNameBytes(QFileInfo(path).completeBaseName());
}

void FirDesignEngine::ApplyDesignedFir(DesignedFirReceiver& receiver) const {
  if (m_designChannel >= kFirstOutputChannel) {
    receiver.ApplyOutputFir(m_designChannel, m_designTaps, m_designFirName, m_coefficients.data());
  } else {
    receiver.ApplyInputFir(m_designChannel, m_designTaps, m_designFirName, m_coefficients.data());
  }
}
