#pragma once

#include <cstdint>

/// The arithmetic helpers the drawing and value code shares: "round" is
/// ties-to-even (banker's rounding), "div" truncates toward zero (C++'s
/// integer division already does), "trunc" drops the fraction. Any thread.

/// Nearest integer; a tie goes to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int Round(double value);
std::int64_t Round64(double value);

/// The integer part, toward zero.
int Trunc(double value);

/// a * b / c computed in 64 bits and rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);
