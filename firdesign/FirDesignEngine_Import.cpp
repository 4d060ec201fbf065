#include "firdesign/FirDesignEngine.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "dsp/ComplexArray.h"
#include "dsp/Fft.h"
#include "firdesign/FirDesignControls.h"
#include "firdesign/FirDesignView.h"
#include "platform/text/AnsiCodePage.h"

namespace {

/// The flat extension starts this far above the last kept record.
constexpr double kExtensionStep = 10.0;

/// The kept records (all but the last one read), the point kExtensionStep
/// above the last of them and the point at 48 kHz, the two extension points
/// with the given level and phase.
void ExtendFlat(ResponseRecords& records, double magnitude, double phase) {
  const int n = records.Count() - 1;
  const double step = records.frequency[n - 1] + kExtensionStep;
  records.frequency[n] = step;
  records.magnitude[n] = magnitude;
  records.phase[n] = phase;
  records.frequency.push_back(FirDesignEngine::kImportGridTop);
  records.magnitude.push_back(magnitude);
  records.phase.push_back(phase);
}

}  // namespace

void FirDesignEngine::UseImportGrid() {
  if (m_importGrid) {
    return;
  }
  // The equaliser curve was computed for the grid of the creation, which
  // ends at 96 kHz; left as it is its bands would act an octave away.
  SetLogGridTop(kImportGridTop);
  m_importGrid = true;
  ComputeEqCurve();
}

std::optional<ResponseRecords> FirDesignEngine::ReadImport(const QString& path,
                                                           void (FirDesignView::*showName)(const QString&)) {
  std::optional<ResponseRecords> records = ReadResponseFile(path);
  if (!records) {
    m_view.ShowInformation("SID_INFO_ERROR_UNIT");
    (m_view.*showName)(QStringLiteral("FirFile"));
  }
  return records;
}

void FirDesignEngine::ResampleOntoLogGrid(const std::vector<double>& x, const std::vector<double>& y,
                                          Curve& out) const {
  InterpolateOntoGrid(kPoints, static_cast<int>(x.size()), m_logGrid.data(), x.data(), y.data(), y.front(),
                      y.back(), out.data());
}

bool FirDesignEngine::ImportMeasurement(const QString& path) {
  std::optional<ResponseRecords> records = ReadImport(path, &FirDesignView::ShowMeasurementName);
  if (!records) {
    return false;
  }
  const int n = records->Count() - 1;
  ExtendFlat(*records, records->magnitude[n - 1], records->phase[n - 1]);
  m_tableFrequency = std::move(records->frequency);
  m_tableMagnitude = std::move(records->magnitude);
  m_tablePhase = std::move(records->phase);
  m_pointCount = n;

  UseImportGrid();
  ResampleOntoLogGrid(m_tableFrequency, m_tableMagnitude, m_measuredMagnitude);
  ResampleOntoLogGrid(m_tableFrequency, m_tablePhase, m_measuredPhase);
  ShowGridCurve(FirDesignView::LoadMagnitude, m_measuredMagnitude);
  ShowGridCurve(FirDesignView::LoadPhase, m_measuredPhase);

  EstimateImpulse();
  m_importedPhase = m_measuredPhase;

  if (m_controls.IsDown(FirDesignSwitch::AutoGain)) {
    ApplyAutoGain();
  }
  if (m_controls.IsDown(FirDesignSwitch::AutoDelay)) {
    ApplyAutoDelay();
  }
  CompensateImportDelay();
  RunDesignChain();

  m_designFirName = FileNameBytes(path);
  const QString name = AnsiToWide(m_designFirName);
  m_view.ShowMeasurementName(name);
  m_view.ShowFirName(name);
  return true;
}

bool FirDesignEngine::ImportTarget(const QString& path) {
  std::optional<ResponseRecords> records = ReadImport(path, &FirDesignView::ShowTargetName);
  if (!records) {
    return false;
  }
  ExtendFlat(*records, 0.0, 0.0);
  UseImportGrid();
  ResampleOntoLogGrid(records->frequency, records->magnitude, m_targetMagnitude);
  ResampleOntoLogGrid(records->frequency, records->phase, m_targetPhase);
  m_view.ShowTargetName(AnsiToWide(FileNameBytes(path)));
  ShowTargetCurves();
  if (m_controls.IsDown(FirDesignSwitch::Target)) {
    RunDesignChain();
  }
  return true;
}

void FirDesignEngine::ShowTargetCurves() {
  if (m_controls.IsDown(FirDesignSwitch::Target)) {
    ShowGridCurve(FirDesignView::TargetMagnitude, m_targetMagnitude);
    ShowGridCurve(FirDesignView::TargetPhase, m_targetPhase);
  } else {
    ShowZeroLine(FirDesignView::TargetMagnitude);
    ShowZeroLine(FirDesignView::TargetPhase);
  }
}

void FirDesignEngine::ClearMeasurement() {
  m_measuredMagnitude.fill(0.0);
  m_measuredPhase.fill(0.0);
  // The saved phase goes too, or an import delay of 0 would bring it back.
  m_importedPhase.fill(0.0);
  std::fill(m_tableMagnitude.begin(), m_tableMagnitude.end(), 0.0);
  std::fill(m_tablePhase.begin(), m_tablePhase.end(), 0.0);
  m_measuredImpulse.fill(0.0);

  // The name sent with a download is the one shown.
  m_designFirName = "FileName";
  m_view.ShowMeasurementName(QStringLiteral("FileName"));
  m_view.ShowFirName(QStringLiteral("FileName"));

  ApplyAutoGain();
  // An empty impulse has no delay to remove; its largest-sample index (the
  // last one) would otherwise push the delay to the end of its range.
  m_importDelay = 0.0f;
  ShowImportDelayHolder("%1.2fms");
  CompensateImportDelay();
  RunDesignChain();
}

void FirDesignEngine::ImpulseOfLogResponse(const Curve& magnitude, const Curve& phase, double magnitudeBelow,
                                           double magnitudeAbove, double phaseBelow, double phaseAbove,
                                           double sign, Curve& impulse) const {
  double binMagnitude[kHalf + 1];
  double binPhase[kHalf + 1];
  InterpolateOntoGrid(kHalf + 1, kPoints, m_binGrid.data(), m_logGrid.data(), magnitude.data(), magnitudeBelow,
                      magnitudeAbove, binMagnitude);
  InterpolateOntoGrid(kHalf + 1, kPoints, m_binGrid.data(), m_logGrid.data(), phase.data(), phaseBelow, phaseAbove,
                      binPhase);
  std::vector<std::complex<double>> spectrum(kPoints);
  for (int k = 0; k <= kHalf; ++k) {
    const double level = std::pow(10.0, sign * binMagnitude[k] / 20.0);
    const double angle = sign * binPhase[k] * std::numbers::pi / 180.0;
    spectrum[k] = {level * std::cos(angle), level * std::sin(angle)};
  }
  for (int k = kHalf + 1; k < kPoints; ++k) {
    spectrum[k] = std::conj(spectrum[kPoints - k]);
  }
  InverseFft(kPoints, spectrum.data(), spectrum.data());
  for (int k = 0; k < kPoints; ++k) {
    impulse[k] = spectrum[k].real();
  }
}

void FirDesignEngine::EstimateImpulse() {
  Curve h{};
  ImpulseOfLogResponse(m_measuredMagnitude, m_measuredPhase, m_measuredMagnitude.front(),
                       m_measuredMagnitude.back(), m_measuredPhase.front(), m_measuredPhase.back(), 1.0, h);

  // The largest positive sample, the earliest on ties; 0 when none is positive.
  int peak = 0;
  double largest = 0.0;
  for (int k = 0; k < kPoints; ++k) {
    if (h[k] > largest) {
      largest = h[k];
      peak = k;
    }
  }

  constexpr double kTwoPi = 2.0 * std::numbers::pi;
  if (peak > 0) {
    // A Hann window of length 2p centred half a sample before the peak; a
    // peak in the second half lets it run only to the end of the impulse.
    m_measuredImpulse.fill(0.0);
    const int length = 2 * peak;
    const int end = std::min(length, kPoints);
    for (int j = 0; j < end; ++j) {
      m_measuredImpulse[j] = 0.5 * (1.0 - std::cos(kTwoPi * j / (length - 1))) * h[j];
    }
  } else {
    for (int k = 0; k < kPoints; ++k) {
      m_measuredImpulse[k] = 0.5 * (1.0 - std::cos(kTwoPi * (k - kHalf) / (kPoints - 1))) * h[k];
    }
  }
}
