#include "components/TPlotList.h"

#include <algorithm>

namespace {

double* CopyOf(const double* values, int count) {
  auto* copy = new double[std::size_t(std::max(count, 0))];
  if (count > 0) {
    std::copy(values, values + count, copy);
  }
  return copy;
}

}  // namespace

TPlotListMember::TPlotListMember(const TPlotListMember& other)
    : X(CopyOf(other.X, other.NumPoints)),
      Y(CopyOf(other.Y, other.NumPoints)),
      Color(other.Color),
      Style(other.Style),
      NumPoints(other.NumPoints),
      PlotId(other.PlotId) {}

void TPlotListMember::FreeArrays() {
  delete[] X;
  delete[] Y;
  X = nullptr;
  Y = nullptr;
}

TPlotList::TPlotList(const TPlotList& other) {
  for (const TPlotListMember* m = other.m_head; m != nullptr; m = m->Next) {
    auto* copy = new TPlotListMember(*m);
    copy->Next = m_head;
    m_head = copy;
  }
}

void TPlotList::DeleteAll() {
  while (m_head != nullptr) {
    TPlotListMember* next = m_head->Next;
    delete m_head;
    m_head = next;
  }
}

bool TPlotList::Find(int plotId, TPlotListMember*& member) const {
  for (member = m_head; member != nullptr; member = member->Next) {
    if (member->PlotId == plotId) {
      return true;
    }
  }
  return false;
}

bool TPlotList::AddOrReplace(const double* x, const double* y, int count, int plotId, TColor color,
                             TMyPlotStyle style) {
  count = std::max(count, 0);
  TPlotListMember* member = nullptr;
  const bool found = Find(plotId, member);
  if (found) {
    member->FreeArrays();
  } else {
    member = new TPlotListMember;
    member->PlotId = plotId;
    member->Color = color;
    member->Style = style;
    member->Next = m_head;
    m_head = member;
  }
  member->X = CopyOf(x, count);
  member->Y = CopyOf(y, count);
  member->NumPoints = count;
  return found;
}

bool TPlotList::Remove(int plotId) {
  TPlotListMember** link = &m_head;
  while (*link != nullptr && (*link)->PlotId != plotId) {
    link = &(*link)->Next;
  }
  if (*link == nullptr) {
    return false;
  }
  TPlotListMember* member = *link;
  *link = member->Next;
  delete member;
  return true;
}

void TPlotList::AppendFrom(const TPlotList& other) {
  for (const TPlotListMember* m = other.m_head; m != nullptr; m = m->Next) {
    AddOrReplace(m->X, m->Y, m->NumPoints, m->PlotId, m->Color, m->Style);
  }
}
