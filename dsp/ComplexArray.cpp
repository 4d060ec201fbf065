#include "dsp/ComplexArray.h"

#include <cmath>
#include <vector>

namespace {

template <typename T>
void Rotate(T* array, int k, int n) {
  if (n <= 0) {
    return;
  }
  const int shift = ((k % n) + n) % n;
  if (shift == 0) {
    return;
  }
  const std::vector<T> old(array, array + n);
  for (int i = 0; i < n; ++i) {
    array[i] = old[(i - shift + n) % n];
  }
}

}  // namespace

void RotateComplex(std::complex<double>* array, int k, int n) {
  Rotate(array, k, n);
}

void RotateReal(double* array, int k, int n) {
  Rotate(array, k, n);
}

int IndexOfMax(const double* array, int n) {
  double largest = 0.0;
  int index = 0;
  for (int i = 0; i < n; ++i) {
    if (array[i] >= largest) {
      largest = array[i];
      index = i;
    }
  }
  return index;
}

double ComplexMagnitude(double re, double im) {
  return std::sqrt(re * re + im * im);
}

std::complex<double> ComplexAdd(std::complex<double> a, std::complex<double> b) {
  return {a.real() + b.real(), a.imag() + b.imag()};
}

void InterpolateOntoGrid(int gridCount, int dataCount, const double* gridX, const double* dataX,
                         const double* dataY, double lowFill, double highFill, double* output) {
  for (int i = 0; i < gridCount; ++i) {
    output[i] = lowFill;
  }
  int g = 0;
  for (int j = 1; j < dataCount; ++j) {
    while (g < gridCount && gridX[g] < dataX[j]) {
      if (gridX[g] >= dataX[j - 1]) {
        const double slope = (dataY[j] - dataY[j - 1]) / (dataX[j] - dataX[j - 1]);
        output[g] = dataY[j - 1] + (gridX[g] - dataX[j - 1]) * slope;
      }
      ++g;
    }
  }
  // Past the last segment; with a single data point the points below it
  // still keep the low fill.
  for (; g < gridCount; ++g) {
    if (dataCount < 1 || gridX[g] >= dataX[0]) {
      output[g] = highFill;
    }
  }
}

bool IsSignedNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    text.remove_prefix(1);
  }
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || c == '.')) {
      return false;
    }
  }
  return true;
}
