#pragma once

#include <complex>

/// Forward DFT of n complex points, X[k] = sum x[m] e^(-j2pi km/n), unscaled.
/// n must be a power of two and at least 2; otherwise nothing is written and
/// the result is false. The input is left unchanged and may be the output
/// array itself. Pure function, any thread.
bool Fft(int n, const std::complex<double>* in, std::complex<double>* out);

/// Inverse DFT: x[m] = (1/n) sum X[k] e^(+j2pi km/n). Note the argument order:
/// output before input. Same conditions and result as Fft.
bool InverseFft(int n, std::complex<double>* out, const std::complex<double>* in);
