#pragma once

/// Integer conversions of the plot's doubles that may be infinite, NaN or
/// beyond the int range (a zero-sized scale, an increment of 0): NaN gives
/// 0, everything else is clamped to the int range. Rounding is ties-to-even,
/// truncation toward zero, as in platform/core/Rounding.h. Any thread.
int RoundSafe(double value);
int TruncSafe(double value);
