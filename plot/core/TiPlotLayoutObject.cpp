#include "plot/core/TiPlotLayoutObject.h"

#include <algorithm>

#include "plot/base/iRounding.h"

TiPlotLayoutObject::TiPlotLayoutObject(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                       TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {}

void TiPlotLayoutObject::DoInsert() {
  TiPlotManagerObject::DoInsert();
  Raise(OnLayoutChange, this);
}

bool TiPlotLayoutObject::MouseHitTest(const TiPlotMouseData& mouseData) const {
  return DrawRect().Contains({mouseData.X, mouseData.Y});
}

void TiPlotLayoutObject::SetHorizontal(bool value) {
  if (StoreValue(value, m_horizontal)) {
    DoLayoutChange();
  }
}

void TiPlotLayoutObject::SetZOrder(int value) {
  if (StoreValue(value, m_zOrder)) {
    DoLayoutChange();
  }
}

void TiPlotLayoutObject::SetForceStacking(bool value) {
  if (StoreValue(value, m_forceStacking)) {
    DoLayoutChange();
  }
}

void TiPlotLayoutObject::SetStartPercent(double value) {
  value = std::clamp(value, 0.0, 100.0);
  if (m_stopPercent - value < 1) {
    m_stopPercent = value + 1;
    if (m_stopPercent > 100) {
      m_stopPercent = 100;
      value = 99;
    }
  }
  if (StoreDouble(value, m_startPercent)) {
    DoChange();
  }
}

void TiPlotLayoutObject::SetStopPercent(double value) {
  value = std::clamp(value, 0.0, 100.0);
  if (value - m_startPercent < 1) {
    m_startPercent = value - 1;
    if (m_startPercent < 0) {
      m_startPercent = 0;
      value = 1;
    }
  }
  if (StoreDouble(value, m_stopPercent)) {
    DoChange();
  }
}

void TiPlotLayoutObject::SetStartStopPercent(double start, double stop) {
  m_startPercent = start;
  m_stopPercent = stop;
  DoChange();
}

void TiPlotLayoutObject::SetReverseSide(bool value) {
  if (StoreValue(value, m_reverseSide)) {
    DoChange();
  }
}

void TiPlotLayoutObject::SetDrawRect(const TRect& r) {
  m_left = r.Left;
  m_top = r.Top;
  m_right = r.Right;
  m_bottom = r.Bottom;
}

int TiPlotLayoutObject::GetRequiredWidth(TCanvas&) { return 0; }

int TiPlotLayoutObject::GetRequiredEndMargin(TCanvas&) { return 0; }

QString TiPlotLayoutObject::GetZOrderSortKey() const {
  return QString::number(m_zOrder).rightJustified(3, QLatin1Char('0'));
}

QString TiPlotLayoutObject::GetStartPercentSortKey() const {
  return QString::number(RoundSafe(m_startPercent)).rightJustified(3, QLatin1Char('0'));
}

bool TiPlotLayoutObject::KeyPopupPoint(TPoint& point) const {
  point = {(m_left + m_right) / 2, (m_top + m_bottom) / 2};
  return true;
}
