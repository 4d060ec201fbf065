#include "dsp/float_mat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

float_mat::float_mat(std::size_t rows, std::size_t columns, double value) {
  if (rows == 0 || columns == 0) {
    std::fprintf(stderr, "cannot build matrix with %d rows and %d columns\n", int(rows), int(columns));
    return;
  }
  m_rows.assign(rows, float_vect(columns, value));
}

float_mat::float_mat(const float_vect& column) {
  m_rows.reserve(column.size());
  for (const double v : column) {
    m_rows.push_back(float_vect{v});
  }
}

float_mat operator*(const float_mat& a, const float_mat& b) {
  float_mat result(a.nr_rows(), b.nr_cols(), 0.0);
  if (a.nr_cols() != b.nr_rows()) {
    std::fputs("incompatible matrices in multiplication\n", stderr);
    return result;
  }
  for (std::size_t i = 0; i < a.nr_rows(); ++i) {
    for (std::size_t j = 0; j < b.nr_cols(); ++j) {
      double sum = 0.0;
      for (std::size_t k = 0; k < a.nr_cols(); ++k) {
        sum += a[i][k] * b[k][j];
      }
      result[i][j] = sum;
    }
  }
  return result;
}

float_mat transpose(const float_mat& a) {
  float_mat result(a.nr_cols(), a.nr_rows(), 0.0);
  for (std::size_t i = 0; i < a.nr_rows(); ++i) {
    for (std::size_t j = 0; j < a.nr_cols(); ++j) {
      result[j][i] = a[i][j];
    }
  }
  return result;
}

bool lu_factorize(float_mat& a, int_vect& idx, double tol) {
  if (tol <= 0.0) {
    tol = kLuDefaultTolerance;
  }
  const std::size_t n = a.nr_rows();
  if (n == 0 || a.nr_cols() != n) {
    std::fputs("lu_factorize(): cannot handle empty or nonsquare matrices.\n", stderr);
    return false;
  }
  float_vect scale(n);
  for (std::size_t i = 0; i < n; ++i) {
    double largest = 0.0;
    for (std::size_t j = 0; j < n; ++j) {
      largest = std::max(largest, std::fabs(a[i][j]));
    }
    if (largest == 0.0) {
      std::fputs("lu_factorize(): zero pivot found.\n", stderr);
      return false;
    }
    scale[i] = 1.0 / largest;
  }
  idx.assign(n, 0);
  // Crout's method, column by column.
  for (std::size_t j = 0; j < n; ++j) {
    for (std::size_t i = 0; i < j; ++i) {
      double sum = a[i][j];
      for (std::size_t k = 0; k < i; ++k) {
        sum -= a[i][k] * a[k][j];
      }
      a[i][j] = sum;
    }
    double largest = 0.0;
    std::size_t pivot = j;
    for (std::size_t i = j; i < n; ++i) {
      double sum = a[i][j];
      for (std::size_t k = 0; k < j; ++k) {
        sum -= a[i][k] * a[k][j];
      }
      a[i][j] = sum;
      const double scaled = scale[i] * std::fabs(sum);
      if (scaled >= largest) {
        largest = scaled;
        pivot = i;
      }
    }
    if (pivot != j) {
      std::swap(a[pivot], a[j]);
      scale[pivot] = scale[j];
    }
    idx[j] = int(pivot);
    if (std::fabs(a[j][j]) < tol) {
      a[j][j] = tol;
    }
    for (std::size_t i = j + 1; i < n; ++i) {
      a[i][j] /= a[j][j];
    }
  }
  return true;
}

float_mat invert(const float_mat& a) {
  float_mat lu = a;
  int_vect idx;
  if (!lu_factorize(lu, idx)) {
    return {};
  }
  const std::size_t n = lu.nr_rows();
  float_mat result(n, n, 0.0);
  for (std::size_t col = 0; col < n; ++col) {
    // Column `col` of the identity, permuted as the factorisation swapped
    // rows, then forward and back substitution.
    float_vect x(n, 0.0);
    x[col] = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
      std::swap(x[i], x[idx[i]]);
    }
    for (std::size_t i = 0; i < n; ++i) {
      double sum = x[i];
      for (std::size_t k = 0; k < i; ++k) {
        sum -= lu[i][k] * x[k];
      }
      x[i] = sum;
    }
    for (std::size_t i = n; i-- > 0;) {
      double sum = x[i];
      for (std::size_t k = i + 1; k < n; ++k) {
        sum -= lu[i][k] * x[k];
      }
      x[i] = sum / lu[i][i];
    }
    for (std::size_t i = 0; i < n; ++i) {
      result[i][col] = x[i];
    }
  }
  return result;
}
