#include <algorithm>
#include <cmath>
#include <limits>

#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

int TiPlotChannel::CalcIndex(double targetValue) {
  if (XAxis() == nullptr || Count() == 0) {
    return -1;
  }
  int i = 0;
  if (m_xIncreasing) {
    if (targetValue < XFirst() || targetValue > XLast()) {
      return -1;
    }
    i = SearchAscending(targetValue);
    if (GetX(i) < targetValue) {
      ++i;
    }
  } else {
    if (targetValue > XFirst() || targetValue < XLast()) {
      return -1;
    }
    i = SearchDescending(targetValue);
    if (GetX(i) < targetValue) {
      --i;
    }
  }
  return std::clamp(i, 0, Count() - 1);
}

bool TiPlotChannel::GetYInterpolated(double xValue, double& yValue) {
  if (Count() > 0) {
    if (GetValid(0) && GetX(0) == xValue) {
      yValue = GetY(0);
      return true;
    }
    if (GetValid(Count() - 1) && GetX(Count() - 1) == xValue) {
      yValue = GetY(Count() - 1);
      return true;
    }
  }
  yValue = 0;
  const int i = CalcIndex(xValue);
  if (i == -1) {
    return false;
  }
  const int j = m_xIncreasing ? i - 1 : i + 1;
  if (j < 0 || j >= Count()) {
    return false;
  }
  if (m_digitalEnabled) {
    yValue = GetY(j);
    return true;
  }
  if (GetX(i) != xValue) {
    if (i < 1 || GetNull(i) || GetNull(j)) {
      return false;
    }
    const int b = XAxis()->PositionToPixels(GetX(j));
    const int c = XAxis()->PositionToPixels(GetX(i));
    const int d = XAxis()->PositionToPixels(xValue);
    if (b - c != 0 && d - c != 0) {
      yValue = GetY(i) + (d - c) * (GetY(j) - GetY(i)) / (b - c);
      return true;
    }
  }
  yValue = GetY(i);
  return true;
}

TiPlotDataPointStatus TiPlotChannel::GetCursorYValue(double xValue, double& yValue) {
  yValue = 0;
  if (Count() == 0) {
    return TiPlotDataPointStatus::ipdpsEmpty;
  }
  if (xValue == XFirst() && GetValid(0)) {
    yValue = YFirst();
    return TiPlotDataPointStatus::ipdpsValid;
  }
  if (xValue == XLast() && GetValid(Count() - 1)) {
    yValue = YLast();
    return TiPlotDataPointStatus::ipdpsValid;
  }
  if (!m_digitalEnabled && (m_interpolationStyle == TiPlotInterpolationStyle::ipistCubicSpline ||
      m_interpolationStyle == TiPlotInterpolationStyle::ipistPolynomial ||
      m_interpolationStyle == TiPlotInterpolationStyle::ipistRational)) {
    const int c = XAxis() != nullptr ? XAxis()->PositionToPixels(xValue) : 0;
    if (c < m_pixelListStart || c > m_pixelListStop || (m_pixelListStart == 0 && m_pixelListStop == 0) ||
        xValue < XFirst() || xValue > XLast() || std::size_t(c - m_pixelListStart) >= m_pixelList.size()) {
      return TiPlotDataPointStatus::ipdpsEmpty;
    }
    const PixelPoint& p = m_pixelList[std::size_t(c - m_pixelListStart)];
    yValue = p.YValue;
    return p.Null ? TiPlotDataPointStatus::ipdpsNull : TiPlotDataPointStatus::ipdpsValid;
  }
  if (!m_digitalEnabled && (m_interpolationStyle == TiPlotInterpolationStyle::ipistDifferential ||
                            m_interpolationStyle == TiPlotInterpolationStyle::ipistDifferentialTerminated)) {
    const int j = CalcIndex(xValue) - 1;
    if (j < 0) {
      if (m_interpolationStyle == TiPlotInterpolationStyle::ipistDifferential && GetValid(Count() - 1) &&
          xValue > XLast()) {
        yValue = YLast();
        return TiPlotDataPointStatus::ipdpsValid;
      }
      return TiPlotDataPointStatus::ipdpsEmpty;
    }
    yValue = GetY(j);
    return TiPlotDataPointStatus::ipdpsValid;
  }
  return GetYInterpolated(xValue, yValue) ? TiPlotDataPointStatus::ipdpsValid : TiPlotDataPointStatus::ipdpsEmpty;
}

void TiPlotChannel::UpdateDataCursor(TiPlotDataCursor& cursor) {
  TiPlotDataView* view = cursor.DataView();
  if (!HasAxes() || view == nullptr) {
    return;
  }
  TiPlotXAxis* xAxis = XAxis();
  const auto pointerX = [&](double position) {
    return xAxis->PixelsToPosition(view->PositionPercentToPixelsX(position));
  };
  const double x1 = pointerX(cursor.Pointer1Position());
  const double x2 = pointerX(cursor.Pointer2Position());
  double x = 0;
  double y = 0;
  TiPlotDataPointStatus status = TiPlotDataPointStatus::ipdpsValid;
  switch (cursor.Style()) {
    case TiPlotDataCursorStyle::ipcsValueXY:
    case TiPlotDataCursorStyle::ipcsValueX:
    case TiPlotDataCursorStyle::ipcsValueY:
      x = x1;
      status = GetCursorYValue(x, y);
      break;
    case TiPlotDataCursorStyle::ipcsDeltaX:
      x = std::fabs(x1 - x2) * xAxis->CursorScaler();
      break;
    case TiPlotDataCursorStyle::ipcsDeltaY: {
      const auto pointerY = [&](double position) {
        return YAxis()->PixelsToPosition(view->PositionPercentToPixelsY(position));
      };
      y = std::fabs(pointerY(cursor.Pointer1Position()) - pointerY(cursor.Pointer2Position()));
      break;
    }
    case TiPlotDataCursorStyle::ipcsInverseDeltaX: {
      const double d = std::fabs(x1 - x2);
      x = d != 0 && xAxis->CursorScaler() != 0 ? 1 / (d * xAxis->CursorScaler())
                                                : std::numeric_limits<double>::infinity();
      break;
    }
  }
  cursor.SetValues(status, y, x);
  cursor.SetCursorDisplayText(BuildCursorTexts(cursor.Style(), status, x, y, m_digitalEnabled, false));
}
