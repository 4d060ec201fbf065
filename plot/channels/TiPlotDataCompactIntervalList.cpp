#include "plot/channels/TiPlotDataCompactIntervalList.h"

#include "plot/base/EPlotError.h"

TiPlotDataCompactIntervalList::TiPlotDataCompactIntervalList() {
  static_assert(sizeof(TiPlotDataCompactInterval) == 4);
}

void TiPlotDataCompactIntervalList::SetX(int index, double value) {
  if (Count() == 0 || index != 0) {
    throw EPlotError(QStringLiteral(
        "Data Style does not support setting individual X-Value with the exception of the first X-Value"));
  }
  m_firstX = value;
}

void TiPlotDataCompactIntervalList::GetXYEmptyNull(int index, double& x, double& y, bool& empty,
                                                   bool& null) const {
  y = RecordAt(index).Y;
  x = GetX(index);
  empty = false;
  null = false;
}

int TiPlotDataCompactIntervalList::Add(double x, double y, bool, bool) {
  if (Count() == 0) {
    m_firstX = x;
  } else if (Count() == 1 && m_interval == kUnknownInterval) {
    m_interval = x - m_firstX;
  }
  const bool overwrites = RingBufferSize() > 0 && Count() == Capacity();
  NextRecord() = {static_cast<float>(y)};
  // The oldest point is gone: the new oldest is one interval further on.
  // This holds for a ring of one point too, once the interval is known.
  if (overwrites && m_interval != kUnknownInterval) {
    m_firstX += m_interval;
  }
  return Count() - 1;
}

void TiPlotDataCompactIntervalList::DeletePoints(int size) {
  if (size < 0 || size > Count()) {
    throw EPlotError(QStringLiteral("Delete size out of Range"));
  }
  RemoveOldest(size);
  m_firstX += size * m_interval;
}

void TiPlotDataCompactIntervalList::Clear() {
  TiPlotDataRecordList::Clear();
  m_interval = kUnknownInterval;
}

void TiPlotDataCompactIntervalList::FoldValid(TiPlotValidTotals& totals) const {
  FoldRecords(totals, [this](int index, const TiPlotDataCompactInterval& r) {
    return TiPlotValidPoint{GetX(index), r.Y, true};
  });
}
