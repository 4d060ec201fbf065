#include "plot/channels/TiPlotChannel.h"

#include <deque>

#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotComponent.h"

TiPlotChannel::TiPlotChannel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                             TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  TiPlotStoredAppearance& stored = List().Stored();
  stored.BarWidth = 5;
  stored.BarPenColor = clRed;
  stored.BarBrushColor = clRed;
  ResetElapsedStartTime();
}

void TiPlotChannel::ResetElapsedStartTime() { m_elapsedStartTime = TiPlotComponent::GetNow(); }

void TiPlotChannel::StartTimeReset() {
  if (m_resetStartTimeOnFirstDataPoint && Count() == 0) {
    ResetElapsedStartTime();
  }
}

void TiPlotChannel::AddYArray(double xInterval, const std::vector<double>& yData) {
  StartTimeReset();
  const double base = Count() > 0 ? XLast() : 0;
  for (std::size_t i = 0; i < yData.size(); ++i) {
    AddPoint(base + double(i) * xInterval, yData[i], false, false);
  }
}

int TiPlotChannel::AddYNow(double y) {
  StartTimeReset();
  return AddPoint(TiPlotComponent::GetNow(), y, false, false);
}

int TiPlotChannel::AddYElapsedTime(double y) {
  StartTimeReset();
  return AddPoint(TiPlotComponent::GetNow() - m_elapsedStartTime, y, false, false);
}

int TiPlotChannel::AddYElapsedSeconds(double y) {
  StartTimeReset();
  return AddPoint((TiPlotComponent::GetNow() - m_elapsedStartTime) * 60 * 60 * 24, y, false, false);
}

namespace {

/// The order check of a list whose first two X are x0 and x1 and whose
/// last is last: the direction of the first two holds for x.
void CheckOrder(double x0, double x1, double last, double x) {
  if (x1 >= x0) {
    if (x < last) {
      throw EPlotError(QStringLiteral("New Data-Point X-Value is out of order"));
    }
  } else if (x > last) {
    throw EPlotError(QStringLiteral("New Data-Point X-Value is out of order."));
  }
}

}  // namespace

void TiPlotChannel::CheckXOrder(double x) const {
  if (m_allowOutOfOrderXValues || Count() < 2) {
    return;
  }
  CheckOrder(GetX(0), GetX(1), GetX(Count() - 1), x);
}

void TiPlotChannel::CheckAddXY(const std::vector<double>& xs, bool fromEmpty) const {
  if (m_allowOutOfOrderXValues) {
    return;
  }
  // The X the list would hold as the values arrive: a ring drops its
  // oldest, so its first two change; otherwise the first two and the last
  // are all the check looks at.
  const int ring = RingBufferSize();
  std::deque<double> held;
  int count = fromEmpty ? 0 : Count();
  for (int i = 0; i < count; ++i) {
    if (ring > 0 || i < 2 || i == count - 1) {
      held.push_back(GetX(i));
    }
  }
  for (const double x : xs) {
    if (count >= 2) {
      CheckOrder(held[0], held[1], held.back(), x);
    }
    held.push_back(x);
    ++count;
    if (ring > 0 && count > ring) {
      held.pop_front();
      --count;
    } else if (ring == 0 && held.size() > 3) {
      held.erase(held.begin() + 2);
    }
  }
}

int TiPlotChannel::AddXY(double x, double y) {
  StartTimeReset();
  CheckXOrder(x);
  return AddPoint(x, y, false, false);
}

int TiPlotChannel::AddXNull(double x) {
  StartTimeReset();
  CheckXOrder(x);
  return AddPoint(x, 0, true, false);
}

int TiPlotChannel::AddXEmpty(double x) {
  StartTimeReset();
  CheckXOrder(x);
  return AddPoint(x, 0, false, true);
}

void TiPlotChannel::SetBarWidth(double value) {
  List().Stored().BarWidth = value;
  DoChange();
}

void TiPlotChannel::SetBarReference(double value) {
  List().Stored().BarReference = value;
  DoChange();
}
