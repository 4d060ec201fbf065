#pragma once

#include <QByteArray>
#include <QString>

/// The kinds of typed value entry: what a numeric box accepts and how its
/// text turns into a position of the box's holding control.
enum class TypedEntryKind : int {
  Level = 0,               ///< channel gain and mix level (0.1 dB, 0.5 dB below -20 dB)
  Threshold = 1,           ///< dynamics threshold, 0.5 dB per position
  Knee = 2,                ///< whole dB
  Time = 3,                ///< attack and release, position = ms - 1
  CompressorRatio = 4,     ///< ratio table; digits, ":" and "."
  LimiterRatio = 5,        ///< as the compressor, also "," and the blank
  GateRatio = 6,           ///< millisecond suffixes, "Max" at the top
  SideChainEqType = 7,     ///< the compressor's side-chain filter type
  CutFrequency = 8,        ///< FreqIndex 0..300 of a crossover cut
  SideChainFrequency = 9,  ///< as a cut frequency; "0" is refused
  Bandwidth = 10,          ///< QIndex of an equaliser band
  PeqGain = 11,            ///< equaliser band gain code, 120 = 0 dB
  Delay = 12,              ///< samples, read in the stored display unit
};

/// The holding control a box writes to, as the entry sees it.
struct TypedEntryControl {
  int min = 0;
  int max = 0;
  int position = 0;
  /// The delay display unit (0 ms, 1 m, 2 ft); other kinds ignore it.
  int delayUnit = 0;
};

/// What became of a typed text.
struct TypedEntryResult {
  enum class Verdict : int { Accepted = 0, Unchanged = 1, Rejected = 2 };
  Verdict verdict = Verdict::Rejected;
  /// The position to set when accepted, else the control's own position.
  int position = 0;
};

/// The engine behind every numeric box: turns the text a user typed into a
/// position of the holding control (or refuses it) and gives the text of a
/// position. It reads the text as bytes (a character outside ASCII fails
/// every check), numbers by the C rule (leading number, "," ends it)
/// without the C library and whatever the process locale, and never lets
/// an out-of-range number wrap. A text equal to the text of the current
/// position is unchanged, so leaving a box without typing changes nothing.
/// Stateless; any thread.
class TypedValueEntry {
public:
  TypedValueEntry(TypedEntryKind kind, TypedEntryControl control) : m_kind(kind), m_control(control) {}

  /// The verdict on a box's text. An accepted position lies in the
  /// control's Min..Max and differs from its position.
  TypedEntryResult Evaluate(const QString& text) const;
  /// The box text of a position of this kind.
  QString Text(int position) const;

private:
  TypedEntryResult Reject() const { return {TypedEntryResult::Verdict::Rejected, m_control.position}; }
  TypedEntryResult Decide(int position) const;
  TypedEntryResult EvaluateBytes(QByteArray text) const;
  TypedEntryResult Decibels(QByteArray text) const;
  TypedEntryResult Time(QByteArray text) const;
  TypedEntryResult Ratio(QByteArray text, const QByteArray& unstripped) const;
  TypedEntryResult SideChainType(QByteArray text) const;
  TypedEntryResult Frequency(const QByteArray& text) const;
  TypedEntryResult Bandwidth(const QByteArray& text) const;
  TypedEntryResult Delay(QByteArray text) const;

  TypedEntryKind m_kind;
  TypedEntryControl m_control;
};
