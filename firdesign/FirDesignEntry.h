#pragma once

#include <optional>

#include <QString>

/// The rules by which the FIR designer reads what is typed into its edits
/// and writes the values back. Every number is read in the C locale from the
/// longest prefix of an optional sign, digits and one point (no exponent, no
/// hexadecimal). Pure functions; any thread.
namespace FirDesignEntry {

/// Import gain: units "dB" in any letter case cut off, at most one decimal;
/// held within +-12 dB. The value holder's step trunc(dB x 10 + 120), or
/// nothing when the text is refused.
std::optional<int> GainStep(const QString& text);
/// A delay: units "ms" in any letter case cut off; held within minMs..maxMs.
/// The step in samples at 96 kHz (a fraction above one half rounds away from
/// zero on the positive side, anything else is cut toward zero), or nothing
/// when the text is refused.
std::optional<int> DelayStep(const QString& text, double minMs, double maxMs);
/// Tap count: any text, its value held within 32..2048 and cut toward zero
/// (a text that is no number gives 32).
int TapsStep(const QString& text);
/// A range frequency: "Hz" in any letter case cut off, then a "k" or "K"
/// that makes it kilohertz. The FreqIndex held within -29..308, or nothing
/// when the text is refused ("0" among others).
std::optional<int> RangeIndex(const QString& text);

/// "+%1.1fdB" of the holder position's dB, or "-%1.1fdB" below 0 dB.
QString GainText(int position);
/// "%1.3fms" of samples at 96 kHz.
QString DelayText(int samples);
/// "%4.2fKHz" of the index's frequency from 1 kHz up, else "%4.1fHz".
QString FrequencyText(double hertz);

}  // namespace FirDesignEntry
