#include "plot/channels/TiPlotRunningStatistics.h"

#include "plot/channels/TiPlotDataCustomList.h"

void TiPlotRunningStatistics::Reset() { *this = TiPlotRunningStatistics(); }

void TiPlotRunningStatistics::SettleMeans() const {
  if (m_meansDue) {
    m_xMean = Mean(m_xTotal, m_count);
    m_yMean = Mean(m_yTotal, m_count);
    m_meansDue = false;
  }
}

double TiPlotRunningStatistics::XMean() const {
  SettleMeans();
  return m_xMean;
}

double TiPlotRunningStatistics::YMean() const {
  SettleMeans();
  return m_yMean;
}

double TiPlotRunningStatistics::StoreXMean(int count, long double total) {
  return StoreMean(count, total, m_xTotal, m_xMean);
}

double TiPlotRunningStatistics::StoreYMean(int count, long double total) {
  return StoreMean(count, total, m_yTotal, m_yMean);
}

double TiPlotRunningStatistics::StoreMean(int count, long double total, long double& sum, double& mean) {
  SettleMeans();
  m_count = count;
  sum = total;
  mean = Mean(total, count);
  return mean;
}

void TiPlotRunningStatistics::StoreAll(const TiPlotValidTotals& totals) {
  m_count = totals.Count;
  m_xMin = totals.XMin;
  m_xMax = totals.XMax;
  m_yMin = totals.YMin;
  m_yMax = totals.YMax;
  m_xTotal = totals.XTotal;
  m_yTotal = totals.YTotal;
  m_xMean = Mean(totals.XTotal, totals.Count);
  m_yMean = Mean(totals.YTotal, totals.Count);
  m_meansDue = false;
}
