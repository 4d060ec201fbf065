#pragma once

#include <array>
#include <complex>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "firdesign/ResponseRecords.h"

class DesignedFirReceiver;
class FirDesignControls;
class FirDesignView;

/// The computation of the FIR designer: it reads a loudspeaker measurement
/// and an optional target onto the designer's logarithmic frequency grid,
/// estimates the measurement's impulse, forms the design target from import
/// gain and delay, equaliser, ranges and smoothing, synthesises the FIR
/// coefficients with their predicted result and hands them to a channel.
/// Owned by the designer dialog for the whole run; it reads the dialog's
/// switches and bands through FirDesignControls and shows its curves and
/// values through FirDesignView, both of which must outlive it. GUI thread
/// only.
class FirDesignEngine {
public:
  static constexpr int kPoints = 4096;
  static constexpr int kHalf = kPoints / 2;
  static constexpr double kSampleRate = 96000.0;
  /// Width of one bin of the 4096-point transform at 96 kHz.
  static constexpr double kBinWidth = kSampleRate / kPoints;
  /// Top of the log grid after an import (before it: 96 kHz).
  static constexpr double kImportGridTop = 48000.0;
  static constexpr int kMinTaps = 32;
  static constexpr int kMaxTaps = 2048;
  /// Range of the import delay value holder (+-10 ms at 96 kHz).
  static constexpr int kMaxImportDelay = 960;
  /// Import gain value holder: 0..240 in 0.1 dB steps, 120 is 0 dB.
  static constexpr int kImportGainZero = 120;
  static constexpr int kMaxImportGainPosition = 240;

  using Curve = std::array<double, kPoints>;

  /// The state the designer has when it is created: 512 taps with the time
  /// zero at 256, no gain or delay, both ranges 500 Hz to 20.16 kHz, no
  /// smoothing, the grid in its 96 kHz form and every curve 0. Shows nothing.
  FirDesignEngine(const FirDesignControls& controls, FirDesignView& view);

  /// `SmoothingHalfWidth` of item 0..7 of the smoothing list (OFF, 1, 1/2,
  /// 1/3, 1/6, 1/12, 1/24, 1/48); 0 for any other item.
  static int SmoothingHalfWidthOfItem(int item);

  // Measurement and target import. A refused file shows "SID_INFO_ERROR_UNIT",
  // sets its name label to "FirFile" and changes nothing else.

  /// Reads a measurement file, resamples it with a flat extension to 48 kHz,
  /// estimates its impulse, applies the automatic gain and delay whose
  /// switches are down, runs the design and names the FIR after the file.
  /// False when the file was refused.
  bool ImportMeasurement(const QString& path);
  /// Reads a target file (it returns to 0 dB above its last-but-one record)
  /// and, while the target switch is down, runs the design. False when refused.
  bool ImportTarget(const QString& path);
  /// Removes the measurement: its curves, table levels, saved phase and
  /// impulse become 0, the names "FileName", the gain automatic, the delay 0,
  /// and the design runs.
  void ClearMeasurement();
  /// Plot channels 8 and 9: the target while the target switch is down, else
  /// zero lines.
  void ShowTargetCurves();

  // Design target.

  /// Import gain := the negated mean measured level above 100 Hz, cut toward
  /// zero to 0.1 dB and kept within +-12 dB (0 dB without such a point).
  void ApplyAutoGain();
  /// Import delay := minus the index of the impulse's largest sample, kept
  /// within +-960 samples.
  void ApplyAutoDelay();
  /// The measured phase with the impulse moved by the import delay (the
  /// imported phase itself at delay 0).
  void CompensateImportDelay();
  /// The equaliser's magnitude on the grid from the ten bands (plot channel 6).
  void ComputeEqCurve();
  /// Design magnitude and phase from measurement, equaliser, target, gain
  /// and ranges (plot channels 0 to 3).
  void BuildDesignTarget();
  /// The smoothed copies of the design target (Savitzky-Golay, degree 1).
  void SmoothDesignTarget();

  // Synthesis.

  /// The FIR of `DesignTaps` coefficients with its time zero at
  /// `DesignOutputDelay` that cancels the smoothed design target, and its own
  /// response (plot channels 4 and 5).
  void SynthesizeFir();
  /// FIR response plus measurement plus import gain (plot channels 10, 11).
  void ShowPredictedResult();
  /// Hands `DesignTaps` coefficients and the FIR name to the input or output
  /// store of `DesignChannel`.
  void ApplyDesignedFir(DesignedFirReceiver& receiver) const;

  // Parameters.

  /// Import gain holder position, kept within 0..240; ImportGain follows.
  void SetImportGainPosition(int position);
  int ImportGainPosition() const { return m_importGainPosition; }
  float ImportGain() const { return m_importGain; }
  /// Import delay in samples, kept within +-960; shown with three decimals.
  void SetImportDelay(int samples);
  float ImportDelay() const { return m_importDelay; }

  /// Range bounds as FreqIndex values.
  void SetMagnitudeRange(int low, int high);
  void SetPhaseRange(int low, int high);
  int MagnitudeRangeLow() const { return m_magnitudeLow; }
  int MagnitudeRangeHigh() const { return m_magnitudeHigh; }
  int PhaseRangeLow() const { return m_phaseLow; }
  int PhaseRangeHigh() const { return m_phaseHigh; }

  void SetEqBypassed(bool bypassed) { m_eqBypassed = bypassed; }
  bool EqBypassed() const { return m_eqBypassed; }
  void SetSmoothingHalfWidth(int halfWidth);
  int SmoothingHalfWidth() const { return m_smoothingHalfWidth; }

  /// Tap count, kept within 32..2048; the time zero is kept within half of it.
  void SetDesignTaps(int taps);
  int DesignTaps() const { return m_designTaps; }
  /// Tap of the time zero, kept within 0..DesignTaps / 2.
  void SetDesignOutputDelay(int delay);
  int DesignOutputDelay() const { return m_designOutputDelay; }
  void SetDesignChannel(int channel) { m_designChannel = channel; }
  int DesignChannel() const { return m_designChannel; }
  /// The FIR name: at most 8 bytes of the system code page, cut at a
  /// character boundary; edFirName is not touched.
  void SetDesignFirName(const QString& name);
  const QByteArray& DesignFirName() const { return m_designFirName; }

  // Curves and tables.

  const Curve& LogFrequencyGrid() const { return m_logGrid; }
  const Curve& BinFrequencyGrid() const { return m_binGrid; }
  const Curve& MeasuredMagnitude() const { return m_measuredMagnitude; }
  const Curve& MeasuredPhase() const { return m_measuredPhase; }
  const Curve& TargetMagnitude() const { return m_targetMagnitude; }
  const Curve& TargetPhase() const { return m_targetPhase; }
  const Curve& MeasuredImpulse() const { return m_measuredImpulse; }
  const Curve& EqMagnitude() const { return m_eqMagnitude; }
  const Curve& DesignMagnitude() const { return m_designMagnitude; }
  const Curve& DesignPhase() const { return m_designPhase; }
  const Curve& SmoothedMagnitude() const { return m_smoothedMagnitude; }
  const Curve& SmoothedPhase() const { return m_smoothedPhase; }
  const Curve& DesignCoefficients() const { return m_coefficients; }
  const Curve& FirMagnitude() const { return m_firMagnitude; }
  const Curve& FirPhase() const { return m_firPhase; }
  const Curve& PredictedMagnitude() const { return m_predictedMagnitude; }
  const Curve& PredictedPhase() const { return m_predictedPhase; }
  /// `MeasurementTable`: the kept records, the extension point 10 Hz above
  /// the last of them and the point at 48 kHz; PointCount() of them are
  /// measured points.
  const std::vector<double>& TableFrequency() const { return m_tableFrequency; }
  const std::vector<double>& TableMagnitude() const { return m_tableMagnitude; }
  const std::vector<double>& TablePhase() const { return m_tablePhase; }
  int PointCount() const { return m_pointCount; }

private:
  void SetLogGridTop(double top);
  /// Puts the log grid into its import form; on the first import the
  /// equaliser curve is computed again for the new grid.
  void UseImportGrid();
  /// The file's records, or nullopt after showing the refusal and setting the
  /// label that `showName` sets to "FirFile".
  std::optional<ResponseRecords> ReadImport(const QString& path, void (FirDesignView::*showName)(const QString&));
  /// Resamples points (x, y), ascending, onto the log grid: below the first
  /// point its value, from the last point on its value.
  void ResampleOntoLogGrid(const std::vector<double>& x, const std::vector<double>& y, Curve& out) const;
  /// Real part of the 4096-point inverse transform of the spectrum whose
  /// bins 0..2048 are `sign` x magnitude (dB) and `sign` x phase (degrees)
  /// resampled from the log grid (fills below and above as given), and whose
  /// other bins are their complex conjugates.
  void ImpulseOfLogResponse(const Curve& magnitude, const Curve& phase, double magnitudeBelow,
                            double magnitudeAbove, double phaseBelow, double phaseAbove, double sign,
                            Curve& impulse) const;
  void EstimateImpulse();
  /// Phase of a bin in degrees, -180..180: 0 when the real part is 0.
  static double PhaseDegrees(std::complex<double> value);
  void ShowGridCurve(int channel, const Curve& values);
  void ShowZeroLine(int channel);
  void ShowImportDelayHolder(const char* format);
  void RunDesignChain();
  /// At most 8 bytes of the text in the system code page, whole characters.
  static QByteArray FirNameBytes(const QString& text);
  /// FirNameBytes of the file's name without folder and extension.
  static QByteArray FileNameBytes(const QString& path);

  const FirDesignControls& m_controls;
  FirDesignView& m_view;

  Curve m_logGrid{};
  bool m_importGrid = false;
  Curve m_binGrid{};
  std::vector<double> m_tableFrequency;
  std::vector<double> m_tableMagnitude;
  std::vector<double> m_tablePhase;
  int m_pointCount = kPoints;

  Curve m_measuredMagnitude{};
  Curve m_measuredPhase{};
  Curve m_importedPhase{};
  Curve m_targetMagnitude{};
  Curve m_targetPhase{};
  Curve m_measuredImpulse{};

  int m_importGainPosition = kImportGainZero;
  float m_importGain = 0.0f;
  float m_importDelay = 0.0f;
  int m_magnitudeLow = 140;
  int m_magnitudeHigh = 300;
  int m_phaseLow = 140;
  int m_phaseHigh = 300;
  bool m_eqBypassed = false;
  int m_smoothingHalfWidth = 0;

  Curve m_eqMagnitude{};
  Curve m_designMagnitude{};
  Curve m_designPhase{};
  Curve m_smoothedMagnitude{};
  Curve m_smoothedPhase{};

  int m_designTaps = 512;
  int m_designOutputDelay = 256;
  int m_designChannel = 0;
  QByteArray m_designFirName = "FirName";
  Curve m_coefficients{};
  Curve m_firMagnitude{};
  Curve m_firPhase{};
  Curve m_predictedMagnitude{};
  Curve m_predictedPhase{};
};
