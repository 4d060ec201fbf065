#pragma once

#include <array>
#include <span>
#include <vector>

#include "dialogs/LinkOperation.h"

/// The link dialog's grid without its buttons: for each channel (a row) the
/// column it is pressed in, which cells are enabled, the row action that a
/// press runs, and what the grid means for the unit model. Rows and columns
/// are ChannelIndex values; a cell (row, column) exists for a column of the
/// row's kind at or left of the row (the diagonal). A row pressed on its
/// diagonal leads its own group; a row pressed in a lower column is a member
/// of that column's group. Owned by the dialog; GUI thread only.
class LinkGrid {
public:
  static constexpr int kChannels = 9;
  using Masks = std::span<const unsigned, kChannels>;
  using Taps = std::span<const int, kChannels>;

  /// Every row pressed on its diagonal, every cell enabled.
  LinkGrid();

  static bool HasCell(int row, int column);
  static int FirstOfKind(int channel) { return channel < 3 ? 0 : 3; }
  static int LastOfKind(int channel) { return channel < 3 ? 2 : 8; }

  int PressedColumn(int row) const { return m_pressed.at(std::size_t(row)); }
  bool IsPressed(int row, int column) const { return HasCell(row, column) && PressedColumn(row) == column; }
  /// False for a cell that does not exist.
  bool IsEnabled(int row, int column) const;
  /// Set by every row action; only the dialog's showing clears it.
  bool Edited() const { return m_edited; }
  void ClearEdited() { m_edited = false; }

  /// A press of a cell by the user or by code: the cell goes down, the other
  /// cells of its row up, and the row's action runs (rows that have more
  /// than one cell). A cell that does not exist changes nothing.
  void Press(int row, int column);
  /// Puts one channel's LinkMask into the grid: presses (row, channel) for
  /// every row of the kind from `channel` on whose bit the mask holds.
  void ShowChannelLinks(int channel, unsigned mask);

  /// Sum over the columns of the column's taps times its pressed cells.
  int ComputeTotalTaps(Taps taps) const;
  /// The operations that make the unit model (its link masks `masks`) follow
  /// the grid, in order: per column a caption (outputs, and inputs in run 2)
  /// and a copy for every newly joined row, then the column's mask when it
  /// changed.
  std::vector<LinkOperation> Reconcile(Masks masks, int run) const;

private:
  void RowAction(int row, int column);

  std::array<int, kChannels> m_pressed{};
  /// [row][column]
  std::array<std::array<bool, kChannels>, kChannels> m_enabled{};
  bool m_edited = false;
};
