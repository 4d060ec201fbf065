#pragma once

/// What an output's FIR design record and filter record say by number, and
/// where the editors keep an output's FIR.
namespace FirKinds {

/// The design record's FIR types: off, the three designed filters, and a
/// set of coefficients loaded from a file.
inline constexpr int kFirOff = 0;
inline constexpr int kLowPass = 1;
inline constexpr int kHighPass = 2;
inline constexpr int kBandPass = 3;
inline constexpr int kFirCoefficientSet = 4;

/// The filter record's modes: IIR only, and IIR followed by the FIR.
inline constexpr int kModeIir = 0;
inline constexpr int kModeIirFir = 2;

/// The section of an output's response curves that draws its FIR.
inline constexpr int kOutputFirSection = 30;
/// The bytes of a FIR's name in the unit.
inline constexpr int kFirNameBytes = 8;

}  // namespace FirKinds
