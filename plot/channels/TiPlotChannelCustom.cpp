#include "plot/channels/TiPlotChannelCustom.h"

#include <cmath>
#include <vector>

#include "plot/base/EPlotError.h"
#include "plot/base/TiChangeGroup.h"
#include "plot/channels/TiPlotDataNullList.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/iChannelColors.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"
#include "plot/streaming/iPlotDataFile.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

TiPlotChannelCustom::TiPlotChannelCustom(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                          std::move(onRename)),
      m_dataList(std::make_unique<TiPlotDataNullList>()) {
  CreateOPCObjects();
  TiPlotStoredAppearance& stored = m_dataList->Stored();
  stored.TraceLineColor = clRed;
  stored.TraceLineWidth = 1;
  stored.MarkerSize = 3;
  stored.MarkerPenColor = clRed;
  stored.MarkerBrushColor = clRed;
  m_markersFont.SetColor(clWhite);
  m_markersFont.SetStyle(TFontStyles{TFontStyle::fsBold});
  m_markersFont.OnChange = [this](TObject*) { DoChange(); };
}

TiPlotChannelCustom::~TiPlotChannelCustom() { m_log.StopQuietly(); }

void TiPlotChannelCustom::GiveFirstReferences(TiPlotObject& object) {
  auto& channel = static_cast<TiPlotChannelCustom&>(object);
  channel.m_titleText = channel.Name();
  TiPlotMasterManager& master = channel.Owner()->Master();
  std::vector<TColor> colours;
  for (TiPlotObject* o : master.ChannelManager().Snapshot()) {
    if (auto* c = dynamic_cast<TiPlotChannelCustom*>(o)) {
      colours.push_back(c->Color());
    }
  }
  channel.m_dataList->Stored().TraceLineColor = NextChannelColor(colours);
  if (master.XAxisManager().Count() > 0) {
    channel.m_xAxisName = master.XAxisManager().Items(0)->Name();
  }
  if (master.YAxisManager().Count() > 0) {
    channel.m_yAxisName = master.YAxisManager().Items(0)->Name();
  }
}

// ---- data entry -------------------------------------------------------------

int TiPlotChannelCustom::AddXY(double x, double y) { return AddPoint(x, y, false, false); }

int TiPlotChannelCustom::AddPoint(double x, double y, bool null, bool empty) {
  // The point's change and those of the axes tracking it are one repaint
  // request: the throttle looks at the clock once a point, not per change.
  const TiChangeGroup changes(*Owner());
  const int index = m_dataList->Add(x, y, null, empty);
  m_running.Fold(x, y);
  TrackPoint(index, x, y, null, empty);
  if (m_log.Active()) {
    m_log.AddRow(ChannelLogLine(GetX(index), GetY(index), Owner()->DataFileSeparator()));
  }
  DoChange();
  if (m_log.Active() && (m_logBufferSize < 2 || m_log.PendingRows() >= m_logBufferSize)) {
    FlushLog();
  }
  return index;
}

void TiPlotChannelCustom::TrackPoint(int index, double x, double y, bool null, bool empty) {
  if (!m_xAxisTrackingEnabled && !m_yAxisTrackingEnabled) {
    return;
  }
  // X follows every point that is not a gap; Y only valid points, so an
  // empty or null point's placeholder Y never widens the range.
  if (MarkersVisible()) {
    if (null) {
      return;
    }
    if (m_xAxisTrackingEnabled && XAxis() != nullptr) {
      XAxis()->NewTrackingData(GetXMarkerMax(index));
      XAxis()->NewTrackingData(GetXMarkerMin(index));
    }
    if (!empty && m_yAxisTrackingEnabled && YAxis() != nullptr) {
      YAxis()->NewTrackingData(GetYMarkerMax(index));
      YAxis()->NewTrackingData(GetYMarkerMin(index));
    }
    return;
  }
  if (m_xAxisTrackingEnabled && XAxis() != nullptr) {
    XAxis()->NewTrackingData(x);
  }
  if (m_yAxisTrackingEnabled && YAxis() != nullptr && !null && !empty) {
    YAxis()->NewTrackingData(y);
  }
}

void TiPlotChannelCustom::AddXYArrays(const std::vector<double>& xData, const std::vector<double>& yData) {
  if (xData.size() != yData.size()) {
    throw EPlotError(QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
  }
  for (std::size_t i = 0; i < xData.size(); ++i) {
    AddPoint(xData[i], yData[i], false, false);
  }
}

void TiPlotChannelCustom::CheckAddXY(const std::vector<double>&, bool) const {}

void TiPlotChannelCustom::Clear() {
  if (m_log.Active()) {
    LogDeactivate();
  }
  m_running.Reset();
  m_startIndex = -1;
  m_stopIndex = -1;
  m_dataList->Clear();
  DoChange();
}

void TiPlotChannelCustom::DeletePoints(int size) {
  if (size == Count()) {
    Clear();
    return;
  }
  m_dataList->DeletePoints(size);
  DoChange();
}

void TiPlotChannelCustom::SetCount(int value) {
  m_dataList->SetCapacity(value);
  DoChange();
}

void TiPlotChannelCustom::SetRingBufferSize(int value) {
  m_dataList->SetRingBufferSize(value);
  DoChange();
}

void TiPlotChannelCustom::SetX(int index, double value) {
  m_dataList->SetX(index, value);
  DoChange();
}

void TiPlotChannelCustom::SetY(int index, double value) {
  m_dataList->SetY(index, value);
  DoChange();
}

void TiPlotChannelCustom::SetNull(int index, bool value) {
  m_dataList->SetNull(index, value);
  DoChange();
}

void TiPlotChannelCustom::SetEmpty(int index, bool value) {
  m_dataList->SetEmpty(index, value);
  DoChange();
}

// ---- statistics -------------------------------------------------------------

namespace {

template <typename Pick, typename Better>
double ScanValid(const TiPlotChannelCustom& c, double start, Pick pick, Better better) {
  double result = start;
  for (int i = 0; i < c.Count(); ++i) {
    if (c.GetValid(i) && better(pick(i), result)) {
      result = pick(i);
    }
  }
  return result;
}

}  // namespace

double TiPlotChannelCustom::GetXMax() {
  m_running.StoreXMax(ScanValid(*this, -1e300, [this](int i) { return GetX(i); }, std::greater<>()));
  return m_running.XMax();
}

double TiPlotChannelCustom::GetXMin() {
  m_running.StoreXMin(ScanValid(*this, 1e300, [this](int i) { return GetX(i); }, std::less<>()));
  return m_running.XMin();
}

double TiPlotChannelCustom::GetYMax() {
  m_running.StoreYMax(ScanValid(*this, -1e300, [this](int i) { return GetY(i); }, std::greater<>()));
  return m_running.YMax();
}

double TiPlotChannelCustom::GetYMin() {
  m_running.StoreYMin(ScanValid(*this, 1e300, [this](int i) { return GetY(i); }, std::less<>()));
  return m_running.YMin();
}

double TiPlotChannelCustom::GetXMean() {
  long double total = 0;
  int count = 0;
  for (int i = 0; i < Count(); ++i) {
    if (GetValid(i)) {
      total += GetX(i);
      ++count;
    }
  }
  return m_running.StoreXMean(count, total);
}

double TiPlotChannelCustom::GetYMean() {
  long double total = 0;
  int count = 0;
  for (int i = 0; i < Count(); ++i) {
    if (GetValid(i)) {
      total += GetY(i);
      ++count;
    }
  }
  return m_running.StoreYMean(count, total);
}

void TiPlotChannelCustom::ReCalcRunningMinMaxMean() {
  // One pass over the list's storage: the scan of 10^7 points must not
  // pay four virtual look-ups and two long divisions a point.
  TiPlotValidTotals t;
  m_dataList->FoldValid(t);
  m_running.StoreAll(t);
}

// ---- axes -------------------------------------------------------------------

TiPlotXAxis* TiPlotChannelCustom::ResolveXAxis() {
  const int index = Owner()->GetXAxisIndexByName(m_xAxisName);
  m_xAxis = index >= 0 ? Owner()->XAxis(index) : nullptr;
  return m_xAxis;
}

TiPlotYAxis* TiPlotChannelCustom::ResolveYAxis() {
  const int index = Owner()->GetYAxisIndexByName(m_yAxisName);
  m_yAxis = index >= 0 ? Owner()->YAxis(index) : nullptr;
  return m_yAxis;
}

void TiPlotChannelCustom::SetXAxisName(const QString& value) {
  if (StoreValue(value, m_xAxisName)) {
    m_xAxis = nullptr;
    DoChange();
  }
}

void TiPlotChannelCustom::SetYAxisName(const QString& value) {
  if (StoreValue(value, m_yAxisName)) {
    m_yAxis = nullptr;
    DoChange();
  }
}

void TiPlotChannelCustom::NotificationRemove(TObject* sender) {
  TiPlotManagerObject::NotificationRemove(sender);
  if (sender == m_xAxis) {
    m_xAxis = nullptr;
  }
  if (sender == m_yAxis) {
    m_yAxis = nullptr;
  }
}

void TiPlotChannelCustom::NotificationRename(TObject* sender) {
  TiPlotManagerObject::NotificationRename(sender);
  if (m_xAxis != nullptr && sender == m_xAxis) {
    m_xAxisName = m_xAxis->Name();
  }
  if (m_yAxis != nullptr && sender == m_yAxis) {
    m_yAxisName = m_yAxis->Name();
  }
}

QString TiPlotChannelCustom::GetXValueText(double value) {
  return XAxis() != nullptr ? XAxis()->GetCursorText(value) : TranslateString(QStringLiteral("No X-Axis"));
}

QString TiPlotChannelCustom::GetYValueText(double value) {
  return YAxis() != nullptr ? YAxis()->GetCursorText(value) : TranslateString(QStringLiteral("No Y-Axis"));
}

double TiPlotChannelCustom::MarkerSpan(bool xAxis) {
  TiPlotAxis* axis = xAxis ? static_cast<TiPlotAxis*>(XAxis()) : static_cast<TiPlotAxis*>(YAxis());
  if (axis == nullptr) {
    throw EPlotError(xAxis ? QStringLiteral("X-Axis not assigned") : QStringLiteral("Y-Axis not assigned"));
  }
  return std::fabs(axis->PixelsToPosition(axis->MinPixels() + MarkersSize()) - axis->Min());
}

double TiPlotChannelCustom::GetXMarkerMax(int index) {
  if (GetNull(index)) {
    throw EPlotError(QStringLiteral("Data Point Null"));
  }
  return MarkersVisible() ? GetX(index) + MarkerSpan(true) : GetX(index);
}

double TiPlotChannelCustom::GetXMarkerMin(int index) {
  if (GetNull(index)) {
    throw EPlotError(QStringLiteral("Data Point Null"));
  }
  return MarkersVisible() ? GetX(index) - MarkerSpan(true) : GetX(index);
}

double TiPlotChannelCustom::GetYMarkerMax(int index) {
  if (GetNull(index)) {
    throw EPlotError(QStringLiteral("Data Point Null"));
  }
  return MarkersVisible() ? GetY(index) + MarkerSpan(false) : GetY(index);
}

double TiPlotChannelCustom::GetYMarkerMin(int index) {
  if (GetNull(index)) {
    throw EPlotError(QStringLiteral("Data Point Null"));
  }
  return MarkersVisible() ? GetY(index) - MarkerSpan(false) : GetY(index);
}

// ---- stored appearance --------------------------------------------------------
// These write the list's stored values and always signal a change.

void TiPlotChannelCustom::SetColor(TColor value) {
  m_dataList->Stored().TraceLineColor = value;
  DoChange();
}

void TiPlotChannelCustom::SetTraceLineStyle(TiPlotLineStyle value) {
  m_dataList->Stored().TraceLineStyle = value;
  DoChange();
}

void TiPlotChannelCustom::SetTraceLineWidth(int value) {
  m_dataList->Stored().TraceLineWidth = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersVisible(bool value) {
  m_dataList->Stored().MarkerVisible = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersSize(int value) {
  m_dataList->Stored().MarkerSize = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersStyle(TiPlotMarkerStyle value) {
  m_dataList->Stored().MarkerStyle = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersPenColor(TColor value) {
  m_dataList->Stored().MarkerPenColor = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersPenStyle(TPenStyle value) {
  m_dataList->Stored().MarkerPenStyle = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersPenWidth(int value) {
  m_dataList->Stored().MarkerPenWidth = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersBrushColor(TColor value) {
  m_dataList->Stored().MarkerBrushColor = value;
  DoChange();
}

void TiPlotChannelCustom::SetMarkersBrushStyle(TBrushStyle value) {
  m_dataList->Stored().MarkerBrushStyle = value;
  DoChange();
}

// ---- data cursor texts ----------------------------------------------------------

QString TiPlotChannelCustom::BuildCursorTexts(TiPlotDataCursorStyle style, TiPlotDataPointStatus status, double x,
                                              double y, bool digital, bool inverseWithCursorText) {
  m_dataCursorXText.clear();
  m_dataCursorYText.clear();
  m_dataCursorXValue = x;
  m_dataCursorYValue = y;
  m_dataCursorStatus = status;
  if (XAxis() == nullptr) {
    m_dataCursorXText = TranslateString(QStringLiteral("No X-Axis"));
    return m_dataCursorXText;
  }
  const auto readingText = [&] {
    if (YAxis() == nullptr) {
      return TranslateString(QStringLiteral("No Y-Axis"));
    }
    if (status == TiPlotDataPointStatus::ipdpsValid) {
      if (digital) {
        return TranslateString(y != 0 ? QStringLiteral("High") : QStringLiteral("Low"));
      }
      return GetYValueText(y);
    }
    return TranslateString(status == TiPlotDataPointStatus::ipdpsNull ? QStringLiteral("Null")
                                                                      : QStringLiteral("Empty"));
  };
  switch (style) {
    case TiPlotDataCursorStyle::ipcsValueXY:
      m_dataCursorXText = GetXValueText(x);
      m_dataCursorYText = readingText();
      return m_dataCursorXText + QStringLiteral(", ") + m_dataCursorYText;
    case TiPlotDataCursorStyle::ipcsValueX:
    case TiPlotDataCursorStyle::ipcsDeltaX:
      m_dataCursorXText = GetXValueText(x);
      return m_dataCursorXText;
    case TiPlotDataCursorStyle::ipcsValueY:
      m_dataCursorYText = readingText();
      return m_dataCursorYText;
    case TiPlotDataCursorStyle::ipcsDeltaY:
      m_dataCursorYText = YAxis() != nullptr ? GetYValueText(y) : TranslateString(QStringLiteral("No Y-Axis"));
      return m_dataCursorYText;
    case TiPlotDataCursorStyle::ipcsInverseDeltaX:
      if (!(x < 1e301)) {
        m_dataCursorXText = TranslateString(QStringLiteral("Infinite"));
      } else {
        m_dataCursorXText = inverseWithCursorText ? GetXValueText(x) : XAxis()->GetCursorValueText(x);
      }
      return m_dataCursorXText;
  }
  return {};
}
