#pragma once

#include "dsp/float_mat.h"

// Savitzky-Golay smoothing: every output point is the value at that point of
// the least-squares polynomial of degree d fitted to a window of 2w + 1
// input points; the first and last w points use the polynomial of the first
// or last full window. Errors go to the error stream as one line. Pure
// functions, any thread.

/// The smoothed copy of v. w < 1, d < 0, d >= 2w + 1 (a fit through every
/// window point or beyond) or fewer than 2w + 2 points write
/// "sgsmooth: parameter error." and give n zeros.
float_vect sgsmooth(const float_vect& v, int w, int d);

/// Smooths n doubles in place with sgsmooth. On a parameter error the error
/// line is written and the array is left as it was.
void SgSmoothArray(int n, double* values, int w, int d);
