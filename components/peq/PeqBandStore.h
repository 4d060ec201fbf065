#pragma once

#include <array>

#include <QString>

#include "components/peq/PeqBandValues.h"

/// The stored steps of one band row.
struct PeqBandSteps {
  int freqStep = 0;  ///< `FreqIndex` - 170
  int qIndex = 0;    ///< `QIndex`
  int gainStep = 0;  ///< in 0.1 dB (0.2 dB for TwoStepGain)
  bool bypass = false;
};

/// What a value box shows after a typed text was read, and whether the
/// text was taken (a rejected text leaves the stored step and shows it).
struct PeqTypedResult {
  QString shown;
  bool accepted = false;
};

/// The band values of one band editor panel: 50 rows of steps, the owner's
/// setters and the user's typed texts turned into steps, and the text each
/// value box shows. Rows outside 0..49 are ignored by the setters and read
/// as an empty band. Owned by its panel; GUI thread (plain data).
class PeqBandStore {
public:
  static constexpr int kRows = 50;

  /// `decimalPoint`: the locale's separator for the TwoStepGain texts.
  PeqBandStore(PeqFlavour flavour, QString decimalPoint);

  PeqFlavour Flavour() const { return m_flavour; }
  static bool IsRow(int row) { return row >= 0 && row < kRows; }
  PeqBandSteps Row(int row) const;

  double Freq(int row) const;
  double Q(int row) const;
  double Gain(int row) const;
  bool Bypass(int row) const { return Row(row).bypass; }

  // The owner's setters; each returns the text its box shows then.
  /// Setter rounding; a refused frequency keeps the step.
  QString SetFreq(int row, double hertz);
  /// The gain alone; the box shows the gain as passed.
  QString SetGain(int row, double gain);
  /// The gain of a whole band (its own rounding); shown as passed.
  QString SetBandGain(int row, double gain);
  /// A `QIndex` as a double, truncated and held within 0..100.
  QString SetQ(int row, double qIndex);
  void SetBypass(int row, bool bypass);
  /// Flips the bypass flag and returns the new one.
  bool ToggleBypass(int row);

  // The user's typed texts.
  PeqTypedResult TypeFreq(int row, const QString& text);
  PeqTypedResult TypeQ(int row, const QString& text);
  PeqTypedResult TypeGain(int row, const QString& text);

  // The stored values in their box forms.
  QString FreqText(int row) const;
  QString QText(int row) const;
  QString GainText(int row) const;
  QString GainTextOf(double gain) const;

private:
  PeqBandSteps* Writable(int row) { return IsRow(row) ? &m_rows[std::size_t(row)] : nullptr; }

  PeqFlavour m_flavour;
  QString m_decimalPoint;
  std::array<PeqBandSteps, kRows> m_rows{};
};
