#pragma once

#include <memory>
#include <vector>

#include "components/PlotEnums.h"
#include "platform/drawing/TColor.h"

/// One curve of a plot: x and y values (NumPoints of each), its colour,
/// style and id, and the next member of its list, which it owns.
struct TPlotListMember {
  TPlotListMember() = default;
  /// Copies the points, colour, style and id; Next is null.
  TPlotListMember(const TPlotListMember& other);
  TPlotListMember& operator=(const TPlotListMember&) = delete;
  ~TPlotListMember();

  std::vector<double> X;
  std::vector<double> Y;
  TColor Color = clBlack;
  TMyPlotStyle Style = TMyPlotStyle::Line;
  int NumPoints = 0;
  int PlotId = 0;
  std::unique_ptr<TPlotListMember> Next;
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

  TPlotListMember* Head() const { return m_head.get(); }

  void DeleteAll();
  /// The first member with the id, or nullptr.
  bool Find(int plotId, TPlotListMember*& member) const;
  /// Replaces the points of the curve with the id (its colour, style and
  /// place stay; result true) or adds a new curve at Head (result false).
  /// The points may be the list's own.
  bool AddOrReplace(const double* x, const double* y, int count, int plotId, TColor color, TMyPlotStyle style);
  /// Unlinks and frees the first curve with the id; false when none has it.
  bool Remove(int plotId);
  /// AddOrReplace of every curve of the other list, from its Head on; the
  /// other list may be this one.
  void AppendFrom(const TPlotList& other);

private:
  std::unique_ptr<TPlotListMember> m_head;
};
