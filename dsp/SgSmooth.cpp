#include "dsp/SgSmooth.h"

#include <cstdio>

namespace {

bool ValidParameters(std::size_t n, int w, int d) {
  return w >= 1 && d >= 0 && d < 2 * w + 1 && n >= std::size_t(2 * w + 2);
}

// Weights that evaluate, at every window position, the degree-d
// least-squares fit to a window whose only non-zero point is 1 at `position`:
// row i of the result applied to a window gives the fit's value at i.
// (A^T A)^-1 A^T with A[i][j] = i^j is shared by every position.
class SgWeights {
public:
  SgWeights(int m, int d) : m_design(m, d + 1, 1.0) {
    for (int i = 0; i < m; ++i) {
      for (int j = 1; j <= d; ++j) {
        m_design[i][j] = m_design[i][j - 1] * i;
      }
    }
    const float_mat at = transpose(m_design);
    m_fit = invert(at * m_design) * at;
  }

  // Coefficient vector for a unit impulse at `position`.
  float_vect For(int position) const {
    const std::size_t m = m_design.nr_rows();
    const std::size_t terms = m_design.nr_cols();
    float_vect result(m, 0.0);
    for (std::size_t i = 0; i < m; ++i) {
      double value = 0.0;
      for (std::size_t k = 0; k < terms; ++k) {
        value += m_fit[k][position] * m_design[i][k];
      }
      result[i] = value;
    }
    return result;
  }

private:
  float_mat m_design;
  float_mat m_fit;
};

float_vect MovingAverage(const float_vect& v, int w) {
  const std::size_t n = v.size();
  const int m = 2 * w + 1;
  float_vect out(n, 0.0);
  for (int i = 0; i < w; ++i) {
    double head = 0.0;
    double tail = 0.0;
    for (int j = 0; j <= i; ++j) {
      head += v[j];
      tail += v[n - 1 - j];
    }
    out[i] = head / (i + 1);
    out[n - 1 - i] = tail / (i + 1);
  }
  for (std::size_t i = 0; i + m <= n; ++i) {
    double sum = 0.0;
    for (int j = 0; j < m; ++j) {
      sum += v[i + j];
    }
    out[i + w] = sum / m;
  }
  return out;
}

}  // namespace

float_vect sgsmooth(const float_vect& v, int w, int d) {
  const std::size_t n = v.size();
  if (!ValidParameters(n, w, d)) {
    std::fputs("sgsmooth: parameter error.\n", stderr);
    return float_vect(n, 0.0);
  }
  if (d == 0) {
    return MovingAverage(v, w);
  }
  const int m = 2 * w + 1;
  const SgWeights weights(m, d);
  float_vect out(n, 0.0);
  // The edges: the fit of the first (last, mirrored) window at position i.
  for (int i = 0; i < w; ++i) {
    const float_vect c = weights.For(i);
    double head = 0.0;
    double tail = 0.0;
    for (int j = 0; j < m; ++j) {
      head += c[j] * v[j];
      tail += c[j] * v[n - 1 - j];
    }
    out[i] = head;
    out[n - 1 - i] = tail;
  }
  const float_vect c = weights.For(w);
  for (std::size_t i = 0; i + m <= n; ++i) {
    double sum = 0.0;
    for (int j = 0; j < m; ++j) {
      sum += c[j] * v[i + j];
    }
    out[i + w] = sum;
  }
  return out;
}

void SgSmoothArray(int n, double* values, int w, int d) {
  if (n < 0) {
    n = 0;
  }
  const float_vect smoothed = sgsmooth(float_vect(values, values + n), w, d);
  if (!ValidParameters(std::size_t(n), w, d)) {
    return;
  }
  for (int i = 0; i < n; ++i) {
    values[i] = smoothed[i];
  }
}
