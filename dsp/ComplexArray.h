#pragma once

#include <complex>
#include <string_view>

// Small routines on arrays of doubles and of complex points, shared by the
// response curves and the FIR designer. Pure functions, any thread.

/// Circular shift of n points in place by k places: new[i] = old[(i - k) mod n].
/// A negative k shifts left. Any k is taken modulo n; n <= 0 does nothing.
void RotateComplex(std::complex<double>* array, int k, int n);
void RotateReal(double* array, int k, int n);

/// Index of the largest value that is at least 0.0; a later index wins a tie,
/// so all zeros give n - 1. 0 when every value is negative or n is 0.
int IndexOfMax(const double* array, int n);

double ComplexMagnitude(double re, double im);
std::complex<double> ComplexAdd(std::complex<double> a, std::complex<double> b);

/// Piecewise-linear resampling of the data points (dataX[j], dataY[j]) onto
/// gridCount ascending grid points. Grid points below dataX[0] get lowFill,
/// those at or above the last data x get highFill. Both x arrays ascend.
void InterpolateOntoGrid(int gridCount, int dataCount, const double* gridX, const double* dataX,
                         const double* dataY, double lowFill, double highFill, double* output);

/// True when the text, after an optional leading "+" or "-", holds only
/// decimal digits and points (an empty rest counts as a number).
bool IsSignedNumber(std::string_view text);
