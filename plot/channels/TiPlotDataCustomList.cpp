#include "plot/channels/TiPlotDataCustomList.h"

#include <climits>

#include "plot/base/EPlotError.h"

TiPlotDataCustomList::TiPlotDataCustomList(int dataPointSize)
    : m_dataPointSize(dataPointSize), m_maxDataPoints(INT_MAX / dataPointSize) {}

int TiPlotDataCustomList::GetListIndex(int index) const {
  if (index < 0 || index >= m_count) {
    throw EPlotError(QStringLiteral("Index out of Bounds"));
  }
  if (m_tail == 0) {
    return index;
  }
  const int position = index + m_tail;
  return position > m_count - 1 ? position - m_count : position;
}

void TiPlotDataCustomList::Grow() {
  const int c = m_capacity;
  const long long grown = c > 64 ? c + c / 4 : c > 8 ? c + 16 : c + 4;
  if (grown > m_maxDataPoints) {
    throw EPlotError(QStringLiteral("Exceed Maximum List Size"));
  }
  SetCapacity(static_cast<int>(grown));
}

int TiPlotDataCustomList::NextAddPosition() {
  if (!m_ringBufferEnabled || m_count < m_capacity) {
    if (m_count == m_capacity) {
      Grow();
    }
    return m_count++;
  }
  // A full ring overwrites its oldest point, which sits at the tail.
  ++m_removed;
  const int position = m_tail;
  m_tail = m_tail + 1 == m_count ? 0 : m_tail + 1;
  return position;
}

void TiPlotDataCustomList::CheckCapacity(int newCapacity) const {
  if (newCapacity > m_maxDataPoints) {
    throw EPlotError(QStringLiteral("Exceed Maximum List Size"));
  }
}

void TiPlotDataCustomList::StoreCapacity(int newCapacity) {
  m_capacity = newCapacity;
  if (m_count > newCapacity) {
    m_count = newCapacity;
  }
}

void TiPlotDataCustomList::CheckDeleteSize(int size) const {
  if (size < 0 || size >= m_count) {
    throw EPlotError(QStringLiteral("Delete size out of Range"));
  }
}

void TiPlotDataCustomList::Clear() {
  m_removed += m_count;
  m_count = 0;
  m_tail = 0;
  if (!m_ringBufferEnabled) {
    SetCapacity(0);
  }
}

void TiPlotDataCustomList::SetRingBufferSize(int value) {
  if (value <= 0) {
    if (m_ringBufferEnabled) {
      m_ringBufferEnabled = false;
      if (m_tail != 0) {
        Clear();
      }
    }
    return;
  }
  m_ringBufferEnabled = true;
  if (value == m_capacity) {
    return;
  }
  if (m_tail != 0) {
    Clear();
  }
  if (value > m_capacity) {
    SetCapacity(value);
  } else {
    if (value < m_count) {
      DeletePoints(m_count - value);
    }
    SetCapacity(value);
  }
}
