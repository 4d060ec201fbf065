#pragma once

#include <vector>

#include "dsp/BiquadDesign.h"
#include "dsp/FrequencyGrid.h"

/// One filter section of a response plot: its parameters, its own coefficient
/// set and its response curve on the frequency grid. Every setter recomputes
/// the curve in the section's current magnitude or phase mode; changing the
/// mode alone recomputes nothing. A biquad's magnitude curve is kept as its
/// power ratios, from which a plot's total is taken with one logarithm a
/// point; its dB values are computed when first asked for. Owned by its
/// `Plot`; GUI thread only.
class PlotSection {
public:
  /// Starts flat: gain 0, 1000 Hz, Q 0.4, type 3.
  PlotSection();

  /// Stores the parameters and recomputes the biquad curve. A type that
  /// designs nothing keeps the section's previous coefficients.
  void SetFilter(double gain, double frequency, double q, int type);
  /// The same with the prototype coefficients of the crossover types.
  void SetCrossoverSection(double gain, double frequency, double q, int type, float c0, float c1);
  /// Stores the parameters, designs the windowed FIR and computes its curve;
  /// a design that fails keeps the previous FIR coefficients for the curve.
  void SetFirDesign(int firType, int window, double lower, double upper, int taps);
  /// Copies up to 4096 coefficients and computes their curve by FFT.
  void SetFirTaps(const float* coefficients, int count);

  void SetPhaseMode(bool phase) { m_phaseMode = phase; }
  bool GetPhaseMode() const { return m_phaseMode; }
  void SetRemoveFirLatency(bool remove) { m_removeFirLatency = remove; }
  bool GetRemoveFirLatency() const { return m_removeFirLatency; }

  int GetType() const { return m_type; }
  double GetFrequency() const { return m_frequency; }
  double GetGain() const { return m_gain; }
  double GetQ() const { return m_q; }
  float GetC0() const { return m_c0; }
  float GetC1() const { return m_c1; }
  int GetFirType() const { return m_firType; }
  int GetFirWindow() const { return m_firWindow; }
  int GetFirTaps() const { return m_firTaps; }
  double GetFirLowerFrequency() const { return m_firLower; }
  double GetFirUpperFrequency() const { return m_firUpper; }

  const ResponseCurve& GetCurve() const;
  /// Replaces the curve, e.g. with a copy of another plot's total.
  void SetCurve(const ResponseCurve& curve);
  /// |H|^2 at every grid point where the curve is a biquad's magnitude and
  /// exactly 10 log10 of these (none beyond +-200 dB), else nullptr.
  const double* GetPowerRatios() const;

private:
  void ComputeBiquadCurve();
  /// The curve no longer comes from power ratios.
  void DropPowerRatios();

  float m_c0 = 0.0f;
  float m_c1 = 0.0f;
  int m_firWindow = 0;
  int m_firType = 0;
  int m_firTaps = 0;
  double m_firUpper = 0.0;
  double m_firLower = 0.0;
  bool m_removeFirLatency = false;
  bool m_phaseMode = false;
  int m_type = 0;
  double m_frequency = 0.0;
  double m_gain = 0.0;
  double m_q = 0.0;
  BiquadCoefficients m_biquad;
  std::vector<double> m_firCoefficients{1.0};
  std::vector<float> m_firTapCopy;
  /// The biquad's power ratios when m_ratioSource says so; allocated on the
  /// first biquad computed here (a new section shares the flat shelf's).
  std::vector<double> m_powerRatios;
  enum class RatioSource { None, FlatShelf, Own };
  RatioSource m_ratioSource = RatioSource::FlatShelf;
  /// Every own power ratio lies within +-200 dB.
  bool m_ratiosWithinCurveRange = false;
  /// Set while m_curve has not yet been computed from m_biquad.
  mutable bool m_curvePending = false;
  mutable ResponseCurve m_curve{};
};
