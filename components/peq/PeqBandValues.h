#pragma once

#include <array>
#include <optional>

/// The grids on which the band editor panels keep an equaliser band, and
/// the conversions between physical values and grid steps. Pure functions;
/// any thread.
///
/// Frequency: `FreqIndex` 0..300 on a 1/30-octave grid, f(i) = 1000 x
/// r^(i - 170) Hz; a panel stores the step s = i - 170. Q: `QIndex` 0..100
/// into `PeqQTable`. Gain: a signed step of 0.1 dB (0.2 dB on the two-step
/// all-pass panel).

/// Which gain grid and text forms a panel class uses.
enum class PeqFlavour : unsigned char {
  Standard,      ///< 0.1 dB steps, +-12 dB typed, C-locale texts
  TwoStepGain,   ///< 0.2 dB steps, +-20 dB typed, locale texts
};

/// r = 2^(1/30).
constexpr double kPeqFreqRatio = 1.0233738919967750;
constexpr int kPeqFreqIndexMax = 300;
constexpr int kPeqQIndexMax = 100;

/// The 101 Q values of `QIndex` 0..100 (index 16 is 1.0, 35 is 3.0).
extern const std::array<double, kPeqQIndexMax + 1> PeqQTable;

/// `FreqIndex` of a value in Hz, or in kHz with the flag: the grid index
/// rounded (a fraction above 0.5 goes up) and held within 0..300.
int PeqFreqToIndex(double value, bool kiloHertz);
/// Hz of any frequency index, also outside 0..300.
double PeqIndexToFreq(int index);
/// Hz of a frequency step (index - 170).
double PeqStepToFreq(int step);
/// `QIndex` of a Q value with the base 1.0594, held within 0..100.
int PeqQToIndex(double q);
/// The table value of a Q index; an index outside 0..100 is held within it.
double PeqQOfIndex(int index);
/// A Q index as an owner passes it (a double, truncated), held within
/// 0..100; NaN gives 0.
int PeqQIndexOfArgument(double qIndex);

/// Frequency step of a frequency an owner sets: the step moves away from
/// zero only when the fraction of the grid position, rounded to two
/// decimals (TwoStepGain: to three significant digits), is 0.60 or more;
/// not held within the grid. Empty for a frequency that is not a positive
/// finite number or lies more than 999 steps off 1 kHz.
std::optional<int> PeqFreqStepOfHertz(double hertz, PeqFlavour flavour);

/// Gain step of a whole band an owner sets. Standard: the gain in
/// hundredths truncated, then tenths truncated, one further from zero when
/// the dropped hundredth is above 5 (3.36 -> 34, 3.35 -> 33). TwoStepGain:
/// gain x 5 truncated.
int PeqGainStepOfBand(double gain, PeqFlavour flavour);
/// Gain step of a gain an owner sets alone: gain x 10 (x 5) truncated
/// (3.36 -> 33). Values beyond the int range are held at its ends.
int PeqGainStepOfGain(double gain, PeqFlavour flavour);
/// dB of one gain step: 0.1 or 0.2.
double PeqGainStepDb(PeqFlavour flavour);
/// The limit of a typed gain in dB: 12 or 20.
double PeqTypedGainLimit(PeqFlavour flavour);
