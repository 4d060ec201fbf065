#pragma once

#include <cstddef>
#include <vector>

/// A growable array of doubles, and of pivot indices.
using float_vect = std::vector<double>;
using int_vect = std::vector<int>;

/// A dense matrix as an array of rows, for the smoothing's least-squares
/// fits. Errors are written as one line to the error stream. Plain value
/// type, any thread.
class float_mat {
public:
  float_mat() = default;
  /// rows x columns, every element `value`; 0 rows or columns writes an
  /// error line and gives the empty matrix.
  float_mat(std::size_t rows, std::size_t columns, double value = 0.0);
  /// A single-column matrix holding the vector.
  explicit float_mat(const float_vect& column);

  std::size_t nr_rows() const { return m_rows.size(); }
  std::size_t nr_cols() const { return m_rows.empty() ? 0 : m_rows.front().size(); }

  float_vect& operator[](std::size_t row) { return m_rows[row]; }
  const float_vect& operator[](std::size_t row) const { return m_rows[row]; }

private:
  std::vector<float_vect> m_rows;
};

/// Matrix product; for p x q times r x s with q != r it writes an error line
/// and returns the p x s zero matrix.
float_mat operator*(const float_mat& a, const float_mat& b);

float_mat transpose(const float_mat& a);

/// Default tolerance of lu_factorize: pivots smaller in magnitude are
/// replaced by it.
inline constexpr double kLuDefaultTolerance = 1.0e-20;

/// LU decomposition in place with partial pivoting on row-scaled elements;
/// idx receives the row permutation. tol <= 0 means kLuDefaultTolerance.
/// Returns false (after an error line) for an empty or non-square matrix or
/// a row of zeros.
bool lu_factorize(float_mat& a, int_vect& idx, double tol = kLuDefaultTolerance);

/// The inverse by LU decomposition; the empty matrix when that fails.
float_mat invert(const float_mat& a);
