#include "dialogs/LinkGrid.h"

#include <array>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Op = LinkOperation;
using Kind = LinkOperation::Kind;
using Masks = std::array<unsigned, 9>;

/// Every channel unlinked: its own bit only.
constexpr Masks kUnlinked{1, 2, 4, 1, 2, 4, 8, 16, 32};

LinkGrid GridOf(const Masks& masks) {
  LinkGrid grid;
  for (int channel = 0; channel < 9; ++channel) {
    grid.ShowChannelLinks(channel, masks[std::size_t(channel)]);
  }
  return grid;
}

std::array<int, 9> PressedColumns(const LinkGrid& grid) {
  std::array<int, 9> columns{};
  for (int row = 0; row < 9; ++row) {
    columns[std::size_t(row)] = grid.PressedColumn(row);
  }
  return columns;
}

TEST(LinkGridTest, NewGrid_pressesEveryDiagonalAndEnablesEveryCellOfTheTwoTriangles) {
  const LinkGrid grid;
  int cells = 0;
  for (int row = 0; row < 9; ++row) {
    EXPECT_EQ(grid.PressedColumn(row), row);
    for (int column = 0; column < 9; ++column) {
      cells += LinkGrid::HasCell(row, column) ? 1 : 0;
      EXPECT_EQ(grid.IsEnabled(row, column), LinkGrid::HasCell(row, column)) << row << "," << column;
    }
  }
  EXPECT_EQ(cells, 27);
  EXPECT_FALSE(LinkGrid::HasCell(3, 2));  // an output row has no input column
  EXPECT_FALSE(LinkGrid::HasCell(4, 5));  // nor a column right of its diagonal
  EXPECT_FALSE(grid.Edited());
}

struct ShowCase {
  const char* name;
  Masks masks;
  std::array<int, 9> pressed;
};

TEST(LinkGridTest, ShowChannelLinks_pressesTheRowsOfEachMaskInItsColumn) {
  const ShowCase cases[] = {
      {"unlinked", kUnlinked, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {"InC joins InA", {0b101, 0b010, 0, 1, 2, 4, 8, 16, 32}, {0, 1, 0, 3, 4, 5, 6, 7, 8}},
      {"all inputs and all outputs", {0b111, 0, 0, 0b111111, 0, 0, 0, 0, 0}, {0, 0, 0, 3, 3, 3, 3, 3, 3}},
      {"two output groups", {1, 2, 4, 0b000101, 0b001010, 0, 0, 0b110000, 0}, {0, 1, 2, 3, 4, 3, 4, 7, 7}},
      // A row whose bit no mask holds keeps its state.
      {"member of nobody", {1, 2, 0, 1, 2, 4, 8, 16, 32}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const ShowCase& c : cases) {
    EXPECT_EQ(PressedColumns(GridOf(c.masks)), c.pressed) << c.name;
  }
}

TEST(LinkGridTest, ReadOutWithInCInInAsGroup_enablesTheCellOfInCUnderInB) {
  const LinkGrid grid = GridOf({0b101, 0b010, 0, 1, 2, 4, 8, 16, 32});
  EXPECT_TRUE(grid.IsPressed(2, 0));
  EXPECT_TRUE(grid.IsPressed(0, 0));
  EXPECT_TRUE(grid.IsPressed(1, 1));
  EXPECT_TRUE(grid.IsEnabled(2, 1));
  EXPECT_TRUE(grid.Edited());  // the presses ran the row actions
}

TEST(LinkGridTest, Out2JoiningOut1_freesOut2sMembersAndDisablesItsColumn) {
  LinkGrid grid = GridOf({1, 2, 4, 0b000001, 0b011010, 0b000100, 0, 0, 0b100000});
  ASSERT_TRUE(grid.IsPressed(6, 4));
  ASSERT_TRUE(grid.IsPressed(7, 4));
  grid.Press(4, 3);
  EXPECT_TRUE(grid.IsPressed(4, 3));
  EXPECT_TRUE(grid.IsPressed(6, 6));
  EXPECT_TRUE(grid.IsPressed(7, 7));
  for (int row = 5; row <= 8; ++row) {
    EXPECT_FALSE(grid.IsEnabled(row, 4)) << row;  // (Out4, Out2) among them
  }
  EXPECT_TRUE(grid.IsEnabled(6, 3));
  const Masks before{1, 2, 4, 0b000001, 0b011010, 0b000100, 0, 0, 0b100000};
  const std::vector<Op> expected{{Kind::Caption, 3, 4}, {Kind::Copy, 3, 4}, {Kind::Mask, 3, 0b11},
                                 {Kind::Mask, 4, 0},    {Kind::Caption, 6, 6}, {Kind::Copy, 6, 6},
                                 {Kind::Mask, 6, 0b1000}, {Kind::Caption, 7, 7}, {Kind::Copy, 7, 7},
                                 {Kind::Mask, 7, 0b10000}};
  EXPECT_EQ(grid.Reconcile(before, 1), expected);
}

TEST(LinkGridTest, Leading_againEnablesTheColumnBelowAndPressesNothing) {
  LinkGrid grid;
  grid.Press(5, 4);  // Out3 joins Out2
  EXPECT_FALSE(grid.IsEnabled(6, 5));
  grid.Press(5, 5);
  EXPECT_TRUE(grid.IsEnabled(6, 5));
  EXPECT_TRUE(grid.IsPressed(6, 6));
}

struct ReconcileCase {
  const char* name;
  Masks masks;
  std::vector<std::pair<int, int>> presses;
  int run;
  std::vector<Op> operations;
};

TEST(LinkGridTest, Reconcile_copiesEachNewMemberThenStoresEachChangedMaskColumnByColumn) {
  const ReconcileCase cases[] = {
      {"no change", kUnlinked, {}, 1, {}},
      {"InC joins InA, run 1", kUnlinked, {{2, 0}}, 1, {{Kind::Copy, 0, 2}, {Kind::Mask, 0, 5}, {Kind::Mask, 2, 0}}},
      {"InC joins InA, run 2",
       kUnlinked,
       {{2, 0}},
       2,
       {{Kind::Caption, 0, 2}, {Kind::Copy, 0, 2}, {Kind::Mask, 0, 5}, {Kind::Mask, 2, 0}}},
      {"after a stored run", {0b101, 2, 0, 1, 2, 4, 8, 16, 32}, {{2, 0}}, 2, {}},
      {"two output groups in column order",
       kUnlinked,
       {{4, 3}, {6, 5}},
       1,
       {{Kind::Caption, 3, 4},
        {Kind::Copy, 3, 4},
        {Kind::Mask, 3, 3},
        {Kind::Mask, 4, 0},
        {Kind::Caption, 5, 6},
        {Kind::Copy, 5, 6},
        {Kind::Mask, 5, 12},
        {Kind::Mask, 6, 0}}},
      {"a member leaves", {0b011, 0, 4, 1, 2, 4, 8, 16, 32}, {{1, 1}}, 1,
       {{Kind::Mask, 0, 1}, {Kind::Copy, 1, 1}, {Kind::Mask, 1, 2}}},
  };
  for (const ReconcileCase& c : cases) {
    LinkGrid grid = GridOf(c.masks);
    for (const auto& [row, column] : c.presses) {
      grid.Press(row, column);
    }
    EXPECT_EQ(grid.Reconcile(c.masks, c.run), c.operations) << c.name;
  }
}

TEST(LinkGridTest, ComputeTotalTaps_chargesEachLeaderForEveryRowInItsColumn) {
  const std::array<int, 9> taps{2048, 2048, 0, 352, 0, 100, 0, 0, 0};
  LinkGrid grid;
  EXPECT_EQ(grid.ComputeTotalTaps(taps), 4096 + 452);
  grid.Press(2, 0);
  grid.Press(8, 3);
  EXPECT_EQ(grid.ComputeTotalTaps(taps), 6144 + 704 + 100);
  grid.Press(1, 0);  // InB's own taps no longer count
  EXPECT_EQ(grid.ComputeTotalTaps(taps), 6144 + 804);
}

}  // namespace
