#pragma once

struct TiPlotValidTotals;

/// The running statistics of a channel: count, extremes and extended
/// precision sums of every point it was given (null and empty ones with the
/// Y they carry), and the means. A fold only adds: the means are brought up
/// to date when they are read, so an append pays no division; the answers
/// are those of a mean computed after every fold. The scans of the channel
/// store their own results through the Store operations. Owned by its
/// channel; GUI thread only.
class TiPlotRunningStatistics {
public:
  /// The empty state: maxima -1e300, minima +1e300, means, count and sums 0.
  void Reset();
  void Fold(double x, double y) {
    m_xMax = x > m_xMax ? x : m_xMax;
    m_xMin = x < m_xMin ? x : m_xMin;
    m_yMax = y > m_yMax ? y : m_yMax;
    m_yMin = y < m_yMin ? y : m_yMin;
    ++m_count;
    m_xTotal += x;
    m_yTotal += y;
    m_meansDue = true;
  }

  double XMin() const { return m_xMin; }
  double XMax() const { return m_xMax; }
  double YMin() const { return m_yMin; }
  double YMax() const { return m_yMax; }
  double XMean() const;
  double YMean() const;

  void StoreXMin(double value) { m_xMin = value; }
  void StoreXMax(double value) { m_xMax = value; }
  void StoreYMin(double value) { m_yMin = value; }
  void StoreYMax(double value) { m_yMax = value; }
  /// A scan's count and X sum, and the X mean from them; the Y mean keeps
  /// the value it had.
  double StoreXMean(int count, long double total);
  /// The same for Y.
  double StoreYMean(int count, long double total);
  /// Every value from a full scan.
  void StoreAll(const TiPlotValidTotals& totals);

private:
  static double Mean(long double total, int count) {
    return count > 0 ? static_cast<double>(total / count) : 0;
  }
  /// A scan's count and sum of one axis, and that axis's mean from them.
  double StoreMean(int count, long double total, long double& sum, double& mean);
  /// Computes the means the folds since the last reading left due.
  void SettleMeans() const;

  int m_count = 0;
  double m_xMin = 1e300;
  double m_xMax = -1e300;
  double m_yMin = 1e300;
  double m_yMax = -1e300;
  long double m_xTotal = 0;
  long double m_yTotal = 0;
  mutable double m_xMean = 0;
  mutable double m_yMean = 0;
  mutable bool m_meansDue = false;
};
