#pragma once

#include <optional>

/// Coefficients of one second-order section at 96 kHz:
/// H(z) = (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2), a0 = 1.
struct BiquadCoefficients {
  double b0 = 1.0;
  double b1 = 0.0;
  double b2 = 0.0;
  double a0 = 1.0;
  double a1 = 0.0;
  double a2 = 0.0;
};

/// Section type codes; stored in the response sections and passed by the
/// editors, hence the explicit values.
enum BiquadType : int {
  BiquadPeaking = 1,
  BiquadLowShelf = 2,
  BiquadHighShelf = 3,
  BiquadHighPass2 = 4,
  BiquadLowPass2 = 5,
  BiquadBandPass = 6,
  BiquadAllPass1 = 7,
  BiquadLowPass1 = 8,
  BiquadHighPass1Inverted = 9,
  BiquadUnity = 10,
  BiquadCrossoverLowPass1 = 11,
  BiquadCrossoverLowPass2 = 12,
  BiquadCrossoverLowPassProto = 13,
  BiquadCrossoverHighPass1 = 14,
  BiquadCrossoverHighPass2 = 15,
  BiquadCrossoverHighPassProto = 16,
  BiquadAllPass2 = 17,
  BiquadGain = 18,
  BiquadNotch = 19,
};

/// The sample rate every section is designed for.
inline constexpr double kBiquadSampleRate = 96000.0;

/// Designs one section by the bilinear transform from its type code, f0 (Hz),
/// gain (dB), Q and the crossover prototype coefficients c0, c1 (types 11-16).
/// An unknown type, or parameters that give non-finite coefficients (such as
/// Q 0 where the formula divides by it), give no result. Pure, any thread.
std::optional<BiquadCoefficients> DesignBiquad(int type, double frequency, double gain, double q,
                                               float c0 = 0.0f, float c1 = 0.0f);

/// The FIR designer's section design: the same formulas for codes 1-10, 17
/// and 19; without prototype coefficients code 11 is the plain first-order
/// low pass, 12 and 15 the second-order low and high pass with damping 1 and
/// 14 the plain first-order high pass. Codes 13, 16 and 18 are not part of
/// it and give no result.
std::optional<BiquadCoefficients> FirDesignBiquadCoefficients(int code, double q, double gain,
                                                              double frequency);

/// Section code of an FIR designer band: band types 0-7 (Peak, Low Shelf,
/// High Shelf, LPF -6dB, LPF -12dB, HPF -6dB, HPF -12dB, Allpass 1) map to
/// 1, 2, 3, 8, 5, 9, 4, 7; a bypassed band is code 10. Another band type
/// gives 0, which designs nothing.
int FirDesignSectionType(int bandType, bool bypassed);
