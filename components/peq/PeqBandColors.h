#pragma once

#include <array>

#include "platform/drawing/TColor.h"

/// The band-number colours of the band panels: a cycle of 14 written out
/// three times (rows beyond them start the cycle again).
inline constexpr std::array<TColor, 42> PeqBandColors = {
    clRed,    clYellow, clFuchsia, clAqua,   clLime,  clBlue,  clSkyBlue, clPurple, clTeal,  clMaroon, clCream,
    clOlive,  clGray,   clNavy,    clRed,    clYellow, clFuchsia, clAqua,  clLime,   clBlue,  clSkyBlue, clPurple,
    clTeal,   clMaroon, clCream,   clOlive,  clGray,  clNavy,  clRed,     clYellow, clFuchsia, clAqua,  clLime,
    clBlue,   clSkyBlue, clPurple, clTeal,   clMaroon, clCream, clOlive,  clGray,   clNavy,
};
