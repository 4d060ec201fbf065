#include "plot/channels/TiXYPlotChannel.h"

#include <cmath>
#include <functional>
#include <limits>

#include "platform/drawing/TCanvas.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

TiXYPlotChannel::TiXYPlotChannel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                 TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
  BindOPCHandlers();
}

int TiXYPlotChannel::AddNull() {
  const int index = List().Add(0, 0, true, false);
  DoChange();
  return index;
}

int TiXYPlotChannel::AddEmpty() {
  const int index = List().Add(0, 0, false, true);
  DoChange();
  return index;
}

void TiXYPlotChannel::CalcDrawStartIndex() { SetDrawStart(0); }

void TiXYPlotChannel::CalcDrawStopIndex() { SetDrawStop(Count() - 1); }

void TiXYPlotChannel::PrepareForDraw(TCanvas&) {
  SetCanDraw(false);
  if (HasAxes() && Visible() && Count() > 0) {
    CalcDrawStartIndex();
    CalcDrawStopIndex();
    SetCanDraw(true);
  }
}

void TiXYPlotChannel::Draw(TCanvas& canvas, TColor backGroundColor) {
  if (ClipToAxes()) {
    ClipCanvasToAxes(canvas);
  }
  DrawTrace(canvas, backGroundColor);
  DrawMarkers(canvas, backGroundColor);
}

template <typename Pick, typename Better>
double TiXYPlotChannel::Fit(double empty, Pick pick, Better better) {
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  double result = empty;
  if (!HasAxes() || !Visible()) {
    return result;
  }
  for (int i = 0; i < Count(); ++i) {
    if (GetValid(i)) {
      const double v = pick(i);
      if (better(v, result)) {
        result = v;
      }
    }
  }
  return result;
}

double TiXYPlotChannel::GetFitXMax() {
  return Fit(-1e300, [this](int i) { return GetXMarkerMax(i); }, std::greater<>());
}

double TiXYPlotChannel::GetFitXMin() {
  return Fit(1e300, [this](int i) { return GetXMarkerMin(i); }, std::less<>());
}

double TiXYPlotChannel::GetFitYMax() {
  return Fit(-1e300, [this](int i) { return GetYMarkerMax(i); }, std::greater<>());
}

double TiXYPlotChannel::GetFitYMin() {
  return Fit(1e300, [this](int i) { return GetYMarkerMin(i); }, std::less<>());
}

void TiXYPlotChannel::UpdateDataCursor(TiPlotDataCursor& cursor) {
  double x = 0;
  double y = 0;
  if (HasAxes()) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    const TiPlotDataView* view = cursor.DataView();
    const bool viewX = view != nullptr && xAxis->StartPercent() != 0 && xAxis->StopPercent() != 100;
    const bool viewY = view != nullptr && yAxis->StartPercent() != 0 && yAxis->StopPercent() != 100;
    const auto xOf = [&](double p) {
      return viewX ? xAxis->PixelsToPosition(view->PositionPercentToPixelsX(p)) : xAxis->PercentToPosition(p / 100);
    };
    const auto yOf = [&](double p) {
      return viewY ? yAxis->PixelsToPosition(view->PositionPercentToPixelsY(p)) : yAxis->PercentToPosition(p / 100);
    };
    const double x1 = xOf(cursor.Pointer1Position());
    const double x2 = xOf(cursor.Pointer2Position());
    const double y1 = yOf(cursor.Pointer1Position());
    const double y2 = yOf(cursor.Pointer2Position());
    switch (cursor.Style()) {
      case TiPlotDataCursorStyle::ipcsValueXY:
        x = x1;
        y = y2;
        break;
      case TiPlotDataCursorStyle::ipcsValueX:
        x = x1;
        break;
      case TiPlotDataCursorStyle::ipcsValueY:
        y = y2;
        break;
      case TiPlotDataCursorStyle::ipcsDeltaX:
        x = std::fabs(x1 - x2);
        break;
      case TiPlotDataCursorStyle::ipcsDeltaY:
        y = std::fabs(y1 - y2);
        break;
      case TiPlotDataCursorStyle::ipcsInverseDeltaX:
        x = x1 == x2 || xAxis->CursorScaler() == 0 ? std::numeric_limits<double>::infinity()
                                                    : std::fabs(1 / (xAxis->CursorScaler() * (x1 - x2)));
        break;
    }
  }
  const TiPlotDataPointStatus status = TiPlotDataPointStatus::ipdpsValid;
  cursor.SetValues(status, y, x);
  cursor.SetCursorDisplayText(BuildCursorTexts(cursor.Style(), status, x, y, false, true));
}
