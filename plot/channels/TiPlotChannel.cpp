#include "plot/channels/TiPlotChannel.h"

#include <QDateTime>

#include "plot/base/EPlotError.h"

TiPlotChannel::TiPlotChannel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                             TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  TiPlotStoredAppearance& stored = List().Stored();
  stored.BarWidth = 5;
  stored.BarPenColor = clRed;
  stored.BarBrushColor = clRed;
  ResetElapsedStartTime();
}

namespace {

/// The local date and time as days since 30 December 1899.
double Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const double localMs = double(now.toMSecsSinceEpoch()) + now.offsetFromUtc() * 1000.0;
  return localMs / 86400000.0 + 25569.0;
}

}  // namespace

void TiPlotChannel::ResetElapsedStartTime() { m_elapsedStartTime = Now(); }

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
  return AddPoint(Now(), y, false, false);
}

int TiPlotChannel::AddYElapsedTime(double y) {
  StartTimeReset();
  return AddPoint(Now() - m_elapsedStartTime, y, false, false);
}

int TiPlotChannel::AddYElapsedSeconds(double y) {
  StartTimeReset();
  return AddPoint((Now() - m_elapsedStartTime) * 60 * 60 * 24, y, false, false);
}

void TiPlotChannel::CheckXOrder(double x) const {
  if (m_allowOutOfOrderXValues || Count() < 2) {
    return;
  }
  const double last = GetX(Count() - 1);
  if (GetX(1) >= GetX(0)) {
    if (x < last) {
      throw EPlotError(QStringLiteral("New Data-Point X-Value is out of order"));
    }
  } else if (x > last) {
    throw EPlotError(QStringLiteral("New Data-Point X-Value is out of order."));
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
