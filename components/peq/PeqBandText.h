#pragma once

#include <optional>

#include <QString>

#include "components/peq/PeqBandValues.h"

/// The texts of a band panel's value boxes and the rules by which a panel
/// reads what the user typed into them. Pure functions; any thread.
/// `decimalPoint` is the locale's separator, used by the TwoStepGain forms
/// only; the other forms are written in the C locale.

/// "%4.2fKHz" of the kHz from 1000 Hz on, else "%4.1fHz": "1.00KHz", "977.2Hz".
QString PeqFreqText(double hertz);
/// "%1.2f" of a Q ("0.40", "128.00"); TwoStepGain: fixed, two decimals,
/// with the locale's separator.
QString PeqQText(double q, PeqFlavour flavour, const QString& decimalPoint);
/// "%1.1fdB" of a gain ("-3.5dB"); TwoStepGain: the shortest decimal form
/// with the locale's separator and "dB" ("0dB", "3.2dB", "-20dB").
QString PeqGainText(double gain, PeqFlavour flavour, const QString& decimalPoint);

/// `FreqIndex` of a typed frequency ("1k", "1kHz", "1000Hz", "1000" all give
/// 170), read as every frequency box reads it (TypedFrequencyHertz, "0"
/// refused); empty when the text is rejected.
std::optional<int> PeqTypedFreqIndex(const QString& text);
/// `QIndex` of a typed Q: held within 0.4..128, then `PeqQToIndex`; empty
/// when rejected by the same rules as a frequency.
std::optional<int> PeqTypedQIndex(const QString& text);
/// Gain step of a typed gain: a "dB" dropped, cut after the first decimal,
/// held within the flavour's limits, then x 10 (x 5) in single precision
/// and truncated; empty when rejected (empty, "-", ".", a character other
/// than digits, ".", "," and "-", two points or minus signs, nothing after
/// the point, or no number).
std::optional<int> PeqTypedGainStep(const QString& text, PeqFlavour flavour);
