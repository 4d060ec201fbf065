#include "components/TPlotList.h"

#include <algorithm>

TPlotListMember::TPlotListMember(const TPlotListMember& other)
    : X(other.X), Y(other.Y), Color(other.Color), Style(other.Style), NumPoints(other.NumPoints),
      PlotId(other.PlotId) {}

// Unlinks the rest of the list one member at a time, so that a long list
// does not free itself recursively.
TPlotListMember::~TPlotListMember() {
  while (Next) {
    Next = std::move(Next->Next);
  }
}

TPlotList::TPlotList(const TPlotList& other) {
  for (const TPlotListMember* m = other.Head(); m != nullptr; m = m->Next.get()) {
    auto copy = std::make_unique<TPlotListMember>(*m);
    copy->Next = std::move(m_head);
    m_head = std::move(copy);
  }
}

void TPlotList::DeleteAll() { m_head.reset(); }

bool TPlotList::Find(int plotId, TPlotListMember*& member) const {
  for (member = m_head.get(); member != nullptr; member = member->Next.get()) {
    if (member->PlotId == plotId) {
      return true;
    }
  }
  return false;
}

bool TPlotList::AddOrReplace(const double* x, const double* y, int count, int plotId, TColor color,
                             TMyPlotStyle style) {
  count = std::max(count, 0);
  // Copied before the member lets go of its own points, which x and y may be.
  std::vector<double> xs(x, x + count);
  std::vector<double> ys(y, y + count);
  TPlotListMember* member = nullptr;
  const bool found = Find(plotId, member);
  if (!found) {
    auto added = std::make_unique<TPlotListMember>();
    added->PlotId = plotId;
    added->Color = color;
    added->Style = style;
    added->Next = std::move(m_head);
    m_head = std::move(added);
    member = m_head.get();
  }
  member->X = std::move(xs);
  member->Y = std::move(ys);
  member->NumPoints = count;
  return found;
}

bool TPlotList::Remove(int plotId) {
  std::unique_ptr<TPlotListMember>* link = &m_head;
  while (*link && (*link)->PlotId != plotId) {
    link = &(*link)->Next;
  }
  if (!*link) {
    return false;
  }
  *link = std::move((*link)->Next);
  return true;
}

void TPlotList::AppendFrom(const TPlotList& other) {
  for (const TPlotListMember* m = other.Head(); m != nullptr; m = m->Next.get()) {
    AddOrReplace(m->X.data(), m->Y.data(), m->NumPoints, m->PlotId, m->Color, m->Style);
  }
}
