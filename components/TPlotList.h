#pragma once

#include <memory>

#include "components/PlotEnums.h"
#include "platform/TColor.h"

/// One curve of a plot: owned x and y arrays of NumPoints values, its
/// colour, style and id, and the next member of its list.
struct TPlotListMember {
  TPlotListMember() = default;
  /// Copies the points, colour, style and id; Next is null.
  TPlotListMember(const TPlotListMember& other);
  TPlotListMember& operator=(const TPlotListMember&) = delete;
  ~TPlotListMember() { FreeArrays(); }

  void FreeArrays();

  double* X = nullptr;
  double* Y = nullptr;
  TColor Color = clBlack;
  TMyPlotStyle Style = TMyPlotStyle::Line;
  int NumPoints = 0;
  int PlotId = 0;
  TPlotListMember* Next = nullptr;
};

/// The curves of a plot, keyed by PlotId, as a singly linked list drawn
/// from Head to the end. New curves go in at Head. The list owns its
/// members and their points; callers keep their own arrays (the list
/// copies). Owned by its plot; GUI thread.
class TPlotList {
public:
  TPlotList() = default;
  /// A copy holding the curves in the reverse order of the source.
  TPlotList(const TPlotList& other);
  TPlotList& operator=(const TPlotList&) = delete;
  ~TPlotList() { DeleteAll(); }

  TPlotListMember* Head() const { return m_head; }

  void DeleteAll();
  /// The first member with the id, or nullptr.
  bool Find(int plotId, TPlotListMember*& member) const;
  /// Replaces the points of the curve with the id (its colour, style and
  /// place stay; result true) or adds a new curve at Head (result false).
  bool AddOrReplace(const double* x, const double* y, int count, int plotId, TColor color, TMyPlotStyle style);
  /// Unlinks and frees the first curve with the id; false when none has it.
  bool Remove(int plotId);
  /// AddOrReplace of every curve of the other list, from its Head on.
  void AppendFrom(const TPlotList& other);

private:
  TPlotListMember* m_head = nullptr;
};
