#include "dialogs/LinkGrid.h"

LinkGrid::LinkGrid() {
  for (int row = 0; row < kChannels; ++row) {
    m_pressed[std::size_t(row)] = row;
    m_enabled[std::size_t(row)].fill(true);
  }
}

bool LinkGrid::HasCell(int row, int column) {
  return row >= 0 && row < kChannels && column >= 0 && column <= row && FirstOfKind(row) == FirstOfKind(column);
}

bool LinkGrid::IsEnabled(int row, int column) const {
  return HasCell(row, column) && m_enabled[std::size_t(row)][std::size_t(column)];
}

void LinkGrid::Press(int row, int column) {
  if (!HasCell(row, column)) {
    return;
  }
  m_pressed[std::size_t(row)] = column;
  // The first row of a kind has its diagonal only, and no action.
  if (row != FirstOfKind(row)) {
    RowAction(row, column);
  }
}

void LinkGrid::RowAction(int row, int column) {
  m_edited = true;
  const int last = LastOfKind(row);
  if (column == row) {
    for (int lower = row + 1; lower <= last; ++lower) {
      m_enabled[std::size_t(lower)][std::size_t(row)] = true;
    }
    return;
  }
  // The row joins a leader: no row may join it any more, and a row that was
  // its member leads again (and frees its own members in turn).
  for (int lower = row + 1; lower <= last; ++lower) {
    m_enabled[std::size_t(lower)][std::size_t(row)] = false;
    if (m_pressed[std::size_t(lower)] == row) {
      m_pressed[std::size_t(lower)] = lower;
      RowAction(lower, lower);
    }
  }
}

void LinkGrid::ShowChannelLinks(int channel, unsigned mask) {
  if (channel < 0 || channel >= kChannels) {
    return;
  }
  const int first = FirstOfKind(channel);
  for (int row = channel; row <= LastOfKind(channel); ++row) {
    if ((mask >> (row - first)) & 1u) {
      Press(row, channel);
    }
  }
}

int LinkGrid::ComputeTotalTaps(Taps taps) const {
  int total = 0;
  for (int column = 0; column < kChannels; ++column) {
    for (int row = column; row <= LastOfKind(column); ++row) {
      if (IsPressed(row, column)) {
        total += taps[std::size_t(column)];
      }
    }
  }
  return total;
}

std::vector<LinkOperation> LinkGrid::Reconcile(Masks masks, int run) const {
  std::vector<LinkOperation> operations;
  for (int column = 0; column < kChannels; ++column) {
    const int first = FirstOfKind(column);
    const bool output = first != 0;
    const unsigned old = masks[std::size_t(column)];
    unsigned mask = 0;
    for (int row = column; row <= LastOfKind(column); ++row) {
      if (!IsPressed(row, column)) {
        continue;
      }
      const unsigned bit = 1u << (row - first);
      mask |= bit;
      if ((old & bit) != 0) {
        continue;
      }
      if (output || run == 2) {
        operations.push_back({LinkOperation::Kind::Caption, column, row});
      }
      operations.push_back({LinkOperation::Kind::Copy, column, row});
    }
    if (old != mask) {
      operations.push_back({LinkOperation::Kind::Mask, column, int(mask)});
    }
  }
  return operations;
}
