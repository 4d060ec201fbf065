#include "plot/base/TiLimitDataList.h"

#include "plot/base/EPlotError.h"

int TiLimitDataList::Add(double value1, double value2, double value3) {
  if (m_count == m_capacity) {
    const int delta = m_capacity > 64 ? m_capacity / 4 : m_capacity > 8 ? 16 : 4;
    SetCapacity(m_capacity + delta);
  }
  m_items[m_count] = {value1, value2, value3};
  return m_count++;
}

void TiLimitDataList::SetCapacity(int newCapacity) {
  if (newCapacity > 134217727) {
    throw EPlotError(QStringLiteral("Exceed Maximum List Size"));
  }
  if (newCapacity == m_capacity) {
    return;
  }
  m_items.resize(newCapacity < 0 ? 0 : newCapacity);
  m_capacity = int(m_items.size());
  if (m_count > m_capacity) {
    m_count = m_capacity;
  }
}

void TiLimitDataList::Clear() {
  m_count = 0;
  SetCapacity(0);
}

const TiLimitDataRecord& TiLimitDataList::Item(int index) const {
  if (index < 0 || index >= m_count) {
    throw EPlotError(QStringLiteral("Index out of Bounds"));
  }
  return m_items[index];
}
