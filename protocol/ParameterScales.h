#pragma once

#include <array>

#include <QString>

/// Conversions between the unit's parameter codes and user units, and the
/// texts that show them. Stateless; any thread. Conversions to codes do not
/// clamp: callers keep indices in their ranges. Texts use the C locale.

/// Ratio of neighbouring frequency indices: 2^(1/30), one 30th of an octave.
inline constexpr double kFreqIndexRatio = 1.023373891996775;
/// Delay samples per millisecond.
inline constexpr int kSamplesPerMs = 96;
/// Speed of sound in every delay conversion, m/s.
inline constexpr double kSpeedOfSound = 343.5;

/// Truncation toward zero that stays defined for any double: NaN gives 0,
/// values beyond int saturate.
int TruncToInt(double value);

/// Hz -> FreqIndex: ln(f / 1000) / ln(r) + 170, truncated toward zero and
/// raised by one when the dropped fraction is strictly above 0.5. 0 Hz (and
/// any value that is not a positive number) is taken as ln = -7.
int FreqToIndex(double hz);
/// FreqIndex -> Hz: 1000 x r^(index - 170).
double IndexToFreq(int index);

/// dB -> equaliser gain code: dB x 10 truncated toward zero, plus 120.
int GainToIndex(double db);
/// Equaliser gain code -> dB: (code - 120) x 0.1.
double IndexToGain(int code);

/// The 101 Q values of QIndex 0..100, as the unit's 32-bit floats.
extern const std::array<float, 101> QTable;
/// Q -> QIndex: 100 - b with b = ln(128 / Q) / ln(1.0596), raised by one when
/// its first decimal printed with "%1.10f" is 5 or more, truncated.
int QToIndex(double q);

/// Delay display units.
enum DelayUnit : int { DELAY_UNIT_MS = 0, DELAY_UNIT_METRES = 1, DELAY_UNIT_FEET = 2 };
/// A delay in the display unit -> samples, truncated toward zero; 0 for an
/// unknown unit.
int DelayToSamples(double value, int unit);

/// Channel gain and mix-level text of position p = code - 280: "+%3.1fdB"
/// of p x 0.1, or for p < 0 "-%3.1fdB" of 0.1 dB steps down to -20 dB and
/// 0.5 dB steps below.
QString GainCodeText(int position);
/// " %4.1fHz" below 1 kHz, else "%4.2fKHz".
QString FrequencyText(double hz);
/// "%4.1fHz" below 1 kHz, else "%4.2fKHz": the crossover and band boxes,
/// without the leading blank.
QString CutFrequencyText(double hz);
/// Delay of `samples` in the display unit: "%4.3fms", "%4.3fm" or "%4.3fft";
/// empty for an unknown unit.
QString DelayText(int samples, int unit);
/// A dynamics threshold control's position plus this is the threshold code.
inline constexpr int kThresholdOffset = 180;
/// Dynamics threshold code: "%+1.1fdB" of (code - 180) x 0.5.
QString ThresholdText(int code);
/// Attack or release code: milliseconds code + 1, "%3dms", or "%dms" for the gate.
QString DynamicsTimeText(int code, bool gate);
/// Ratio code: "1:" plus its text; code 15 "Limit", or "Max" for the gate;
/// empty outside 0..15.
QString RatioText(int code, bool gate);
/// Knee code: "%ddB".
QString KneeText(int code);
/// Designed-FIR taps code -> taps: 256 + 32 x code.
int FirTapsFromCode(int code);

/// Name tables, each entry the exact text.
extern const std::array<const char*, 11> PeqTypeNames;          ///< PeqType 0..10
extern const std::array<const char*, 16> RatioTexts;            ///< ratio code 0..15
/// The ratio of each ratio code 0..15; the last (20.1) stands for limiting.
extern const std::array<double, 16> RatioTable;
extern const std::array<const char*, 20> CrossoverSlopeNames;   ///< slope 1..20 at index slope - 1
extern const std::array<const char*, 10> SideChainEqTypeNames;  ///< compressor side-chain type 0..9
extern const std::array<const char*, 3> OutputModeNames;        ///< output processing mode 0..2
extern const std::array<const char*, 4> FirTypeNames;           ///< designed-FIR type 0..3
extern const std::array<const char*, 11> FirWindowNames;        ///< designed-FIR window 0..10
