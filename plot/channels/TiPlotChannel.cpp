#include "plot/channels/TiPlotChannel.h"

#include "plot/base/EPlotError.h"

TiPlotChannel::TiPlotChannel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                             TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  TiPlotStoredAppearance& stored = List().Stored();
  stored.BarWidth = 5;
  stored.BarPenColor = clRed;
  stored.BarBrushColor = clRed;
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
  CheckXOrder(x);
  return AddPoint(x, y, false, false);
}

int TiPlotChannel::AddXNull(double x) {
  CheckXOrder(x);
  return AddPoint(x, 0, true, false);
}

int TiPlotChannel::AddXEmpty(double x) {
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
