#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "platform/text/TFont.h"
#include "plot/channels/TiPlotChannelTypes.h"
#include "plot/channels/TiPlotDataCustomList.h"
#include "plot/channels/TiPlotRunningStatistics.h"
#include "plot/core/TiPlotManagerObject.h"
#include "plot/streaming/TiPlotDataLog.h"
#include "plot/streaming/iPlotDataFile.h"

class TiOPCItem;
class TiOPCItemManager;
class TiOPCManager;
class TiPlotDataCursor;
class TiPlotXAxis;
class TiPlotYAxis;

/// Common base of the time-series and X-Y channels: owns the channel's
/// point list, binds to one X and one Y axis by name, keeps running
/// statistics of what it was given, feeds new values to the axes'
/// tracking, and offers the shared drawing services (clipped segments,
/// filled quadrilaterals, the straight trace, markers in twelve shapes).
/// The subclasses decide the draw range, the fit values and the data
/// cursor reading. Owned by the plot's channel manager; GUI thread only.
class TiPlotChannelCustom : public TiPlotManagerObject {
public:
  TiPlotChannelCustom(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                      TNotifyEvent onRename);
  ~TiPlotChannelCustom() override;

  /// What the channel manager gives a new channel: TitleText = Name, the
  /// next palette colour and the names of the plot's first X and Y axes.
  static void GiveFirstReferences(TiPlotObject& object);

  // Data entry.
  /// Adds one valid point and answers its index.
  virtual int AddXY(double x, double y);
  /// Adds the pairs of two equally long arrays (no ordering check); EPlotError
  /// "X-Data and Y-Data hogh bound dimension must match" (adding nothing)
  /// when their lengths differ.
  void AddXYArrays(const std::vector<double>& xData, const std::vector<double>& yData);
  /// Throws what AddXY would throw for the first of these X values, as if
  /// they were added in turn (fromEmpty: to the channel once cleared);
  /// adds nothing. No check here.
  virtual void CheckAddXY(const std::vector<double>& xs, bool fromEmpty) const;
  /// Ends logging (writing what is pending; a failed write throws and
  /// clears nothing), resets the statistics and the draw range, empties
  /// the list.
  void Clear();
  /// Removes the oldest size points; size == Count is Clear.
  void DeletePoints(int size);
  int Count() const { return m_dataList->Count(); }
  /// Sets the list's capacity (a smaller value drops points).
  void SetCount(int value);
  int Capacity() const { return m_dataList->Capacity(); }
  long long MemoryUsed() const { return m_dataList->MemoryUsed(); }
  int DataPointSize() const { return m_dataList->DataPointSize(); }
  int MaxDataPoints() const { return m_dataList->MaxDataPoints(); }
  int RingBufferSize() const { return m_dataList->RingBufferSize(); }
  void SetRingBufferSize(int value);

  // Points.
  double GetX(int index) const { return m_dataList->GetX(index); }
  double GetY(int index) const { return m_dataList->GetY(index); }
  bool GetNull(int index) const { return m_dataList->GetNull(index); }
  bool GetEmpty(int index) const { return m_dataList->GetEmpty(index); }
  bool GetValid(int index) const { return !GetNull(index) && !GetEmpty(index); }
  void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const {
    m_dataList->GetXYEmptyNull(index, x, y, empty, null);
  }
  /// The point as the data files hold it.
  TiDataFilePoint FilePoint(int index) const;
  void SetX(int index, double value);
  void SetY(int index, double value);
  void SetNull(int index, bool value);
  void SetEmpty(int index, bool value);
  const TiPlotDataCustomList& DataList() const { return *m_dataList; }
  /// A point's own look where the list keeps it per point (the full-feature
  /// list; the standard list keeps marker visibility and style), else the
  /// channel-wide value.
  TColor GetPointTraceLineColor(int index) const { return m_dataList->GetTraceLineColor(index); }
  int GetPointTraceLineWidth(int index) const { return m_dataList->GetTraceLineWidth(index); }
  TiPlotLineStyle GetPointTraceLineStyle(int index) const { return m_dataList->GetTraceLineStyle(index); }
  bool GetPointMarkerVisible(int index) const { return m_dataList->GetMarkerVisible(index); }
  int GetPointMarkerSize(int index) const { return m_dataList->GetMarkerSize(index); }
  TiPlotMarkerStyle GetPointMarkerStyle(int index) const { return m_dataList->GetMarkerStyle(index); }
  TColor GetPointMarkerPenColor(int index) const { return m_dataList->GetMarkerPenColor(index); }
  int GetPointMarkerPenWidth(int index) const { return m_dataList->GetMarkerPenWidth(index); }
  TPenStyle GetPointMarkerPenStyle(int index) const { return m_dataList->GetMarkerPenStyle(index); }
  TColor GetPointMarkerBrushColor(int index) const { return m_dataList->GetMarkerBrushColor(index); }
  TBrushStyle GetPointMarkerBrushStyle(int index) const { return m_dataList->GetMarkerBrushStyle(index); }
  QChar GetPointMarkerCharacter(int index) const { return m_dataList->GetMarkerCharacter(index); }
  double XFirst() const { return Count() > 0 ? GetX(0) : -1; }
  double XLast() const { return Count() > 0 ? GetX(Count() - 1) : -1; }
  double YFirst() const { return Count() > 0 ? GetY(0) : -1; }
  double YLast() const { return Count() > 0 ? GetY(Count() - 1) : -1; }
  int IndexFirst() const { return Count() > 0 ? 0 : -1; }
  int IndexLast() const { return Count() - 1; }
  /// The point widened by the marker size on its axis (X unchanged without
  /// markers); EPlotError "Data Point Null", "X-Axis not assigned" /
  /// "Y-Axis not assigned".
  double GetXMarkerMax(int index);
  double GetXMarkerMin(int index);
  double GetYMarkerMax(int index);
  double GetYMarkerMin(int index);

  // Statistics.
  double RunningXMin() const { return m_running.XMin(); }
  double RunningXMax() const { return m_running.XMax(); }
  double RunningXMean() const { return m_running.XMean(); }
  double RunningYMin() const { return m_running.YMin(); }
  double RunningYMax() const { return m_running.YMax(); }
  double RunningYMean() const { return m_running.YMean(); }
  /// Full scans over the valid points; each stores its answer in the
  /// matching running value.
  double GetXMax();
  double GetXMin();
  double GetXMean();
  double GetYMax();
  double GetYMin();
  double GetYMean();
  void ReCalcRunningMinMaxMean();

  // Axes.
  TiPlotXAxis* XAxis() { return m_xAxis != nullptr ? m_xAxis : ResolveXAxis(); }
  TiPlotYAxis* YAxis() { return m_yAxis != nullptr ? m_yAxis : ResolveYAxis(); }
  bool HasAxes() { return XAxis() != nullptr && YAxis() != nullptr; }
  QString XAxisName() const { return m_xAxisName; }
  void SetXAxisName(const QString& value);
  QString YAxisName() const { return m_yAxisName; }
  void SetYAxisName(const QString& value);
  bool XAxisTrackingEnabled() const { return m_xAxisTrackingEnabled; }
  void SetXAxisTrackingEnabled(bool value) { StoreAndChange(value, m_xAxisTrackingEnabled); }
  bool YAxisTrackingEnabled() const { return m_yAxisTrackingEnabled; }
  void SetYAxisTrackingEnabled(bool value) { StoreAndChange(value, m_yAxisTrackingEnabled); }
  QString GetXValueText(double value);
  QString GetYValueText(double value);

  // Look.
  QString TitleText() const { return m_titleText; }
  void SetTitleText(const QString& value) { StoreAndChange(value, m_titleText); }
  bool VisibleInLegend() const { return m_visibleInLegend; }
  void SetVisibleInLegend(bool value) { StoreAndChange(value, m_visibleInLegend); }
  bool ClipToAxes() const { return m_clipToAxes; }
  void SetClipToAxes(bool value) { StoreAndChange(value, m_clipToAxes); }
  bool TraceVisible() const { return m_traceVisible; }
  void SetTraceVisible(bool value) { StoreAndChange(value, m_traceVisible); }
  TColor Color() const { return m_dataList->Stored().TraceLineColor; }
  void SetColor(TColor value);
  TiPlotLineStyle TraceLineStyle() const { return m_dataList->Stored().TraceLineStyle; }
  void SetTraceLineStyle(TiPlotLineStyle value);
  int TraceLineWidth() const { return m_dataList->Stored().TraceLineWidth; }
  void SetTraceLineWidth(int value);
  bool MarkersAllowIndividual() const { return m_markersAllowIndividual; }
  void SetMarkersAllowIndividual(bool value) { StoreAndChange(value, m_markersAllowIndividual); }
  bool MarkersPenUseChannelColor() const { return m_markersPenUseChannelColor; }
  void SetMarkersPenUseChannelColor(bool value) { StoreAndChange(value, m_markersPenUseChannelColor); }
  bool MarkersBrushUseChannelColor() const { return m_markersBrushUseChannelColor; }
  void SetMarkersBrushUseChannelColor(bool value) { StoreAndChange(value, m_markersBrushUseChannelColor); }
  int MarkersTurnOffLimit() const { return m_markersTurnOffLimit; }
  void SetMarkersTurnOffLimit(int value) { StoreAndChange(value, m_markersTurnOffLimit); }
  bool MarkersVisible() const { return m_dataList->Stored().MarkerVisible; }
  void SetMarkersVisible(bool value);
  int MarkersSize() const { return m_dataList->Stored().MarkerSize; }
  void SetMarkersSize(int value);
  TiPlotMarkerStyle MarkersStyle() const { return m_dataList->Stored().MarkerStyle; }
  void SetMarkersStyle(TiPlotMarkerStyle value);
  TColor MarkersPenColor() const { return m_dataList->Stored().MarkerPenColor; }
  void SetMarkersPenColor(TColor value);
  TPenStyle MarkersPenStyle() const { return m_dataList->Stored().MarkerPenStyle; }
  void SetMarkersPenStyle(TPenStyle value);
  int MarkersPenWidth() const { return m_dataList->Stored().MarkerPenWidth; }
  void SetMarkersPenWidth(int value);
  TColor MarkersBrushColor() const { return m_dataList->Stored().MarkerBrushColor; }
  void SetMarkersBrushColor(TColor value);
  TBrushStyle MarkersBrushStyle() const { return m_dataList->Stored().MarkerBrushStyle; }
  void SetMarkersBrushStyle(TBrushStyle value);
  TFont& MarkersFont() { return m_markersFont; }
  void SetMarkersFont(const TFont& font) { m_markersFont.Assign(font); }
  TiPlotDataStyle DataStyle() const { return m_dataStyle; }
  /// Replaces the point list by the style's kind, keeping the channel's
  /// look and ring size; the points are discarded
  /// (TiPlotChannelCustom_DataStyle.cpp).
  void SetDataStyle(TiPlotDataStyle value);
  /// The X step of the compact-interval data style (-1 while it is still
  /// to be learned from the first two points); -1 for the other styles,
  /// whose points carry their own X.
  double Interval() const;
  /// Sets the compact-interval step, which moves every point after the
  /// first, and signals a change; no effect for the other styles.
  void SetInterval(double value);

  // Files and logging (TiPlotChannelCustom_Files.cpp). Fields are
  // separated by the plot's DataFileColumnSeparator.
  /// "File Type = Plot Channel Config" and the published properties but
  /// Name, prefixed "Channel."; EPlotError "Error Saving Properties - ".
  void SavePropertiesToFile(const QString& fileName);
  /// Checks the whole file, then applies it; a refused file changes
  /// nothing: EPlotError "Error Loading Properties - " + the reason
  /// ("Incompatible Plot Channel Configuration File Type").
  void LoadPropertiesFromFile(const QString& fileName);
  /// A line "X<sep>Y" (or "X<sep>Null") per point that is not empty.
  void SaveDataToFile(const QString& fileName);
  /// Reads and checks the whole file; then ends logging, clears when asked
  /// and adds the points without an X order check. A refused file changes
  /// nothing. A log whose last line was cut short loads the lines before it,
  /// then throws that the last row was incomplete.
  void LoadDataFromFile(const QString& fileName, bool clearPreviousData);
  QString LogFileName() const { return m_logFileName; }
  /// EPlotError for a different name while logging.
  void SetLogFileName(const QString& value);
  int LogBufferSize() const { return m_logBufferSize; }
  void SetLogBufferSize(int value) { m_logBufferSize = value; }
  bool LoggingActive() const { return m_log.Active(); }
  /// Logging on: append to an existing file, or start it empty.
  /// EPlotError "Log File Name not Defined", "Logging Already Active" or
  /// the file's reason; logging then stays off.
  void LogActivate(bool append);
  /// Writes the pending lines, then logging off; "Logging not Active". A
  /// failed write throws and keeps logging on with its lines.
  void LogDeactivate();
  /// Appends the pending lines in one write; a failed write throws and
  /// keeps them for the next.
  void FlushLog();

  // Drawing (TiPlotChannelCustom_Draw.cpp).
  int DrawStartIndex() const { return m_startIndex; }
  int DrawStopIndex() const { return m_stopIndex; }
  virtual void CalcDrawStartIndex() = 0;
  virtual void CalcDrawStopIndex() = 0;
  virtual double GetFitXMax() = 0;
  virtual double GetFitXMin() = 0;
  virtual double GetFitYMax() = 0;
  virtual double GetFitYMin() = 0;
  /// Reads the cursor's pointers, hands the values back and sets its text.
  virtual void UpdateDataCursor(TiPlotDataCursor& cursor) = 0;
  TPoint GetPointPixels(int index);
  TRect DataRectToPixels(double x1, double y1, double x2, double y2);
  /// One data-space segment, clipped in X always and in Y with ClipToAxes;
  /// percentY: the Y values are percentages of data view 0's height.
  void DrawLine(TCanvas& canvas, bool percentY, double x1, double y1, double x2, double y2);
  void DrawFillPolygon(TCanvas& canvas, const double (&xs)[4], const double (&ys)[4]);
  virtual void DrawTrace(TCanvas& canvas, TColor backGroundColor);
  virtual void DrawMarkers(TCanvas& canvas, TColor backGroundColor);
  bool IsMarkerDrawn(int index);
  /// One marker centred on point; index -1 draws the legend's sample.
  void DrawMarker(TCanvas& canvas, int index, TColor backGroundColor, TPoint point);
  TRect GetMarkerRect(int index);
  TRect LegendRect() const { return m_legendRect; }
  void SetLegendRect(const TRect& rect) { m_legendRect = rect; }

  // Mouse (TiPlotChannelCustom_Mouse.cpp). Points are picked only in the
  // plot's select mode; the legend entry always counts.
  bool ShowDataPointHints() const { return m_showDataPointHints; }
  void SetShowDataPointHints(bool value) { m_showDataPointHints = value; }
  bool UserCanMoveDataPoints() const { return m_userCanMoveDataPoints; }
  void SetUserCanMoveDataPoints(bool value) { m_userCanMoveDataPoints = value; }
  TiPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return m_userCanMoveDataPointsStyle; }
  void SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle value) { m_userCanMoveDataPointsStyle = value; }
  /// The point the last hit test found (-1: none) and its rectangle.
  int SelectDataIndex() const { return m_selectDataIndex; }
  TRect SelectHitTestRect() const { return m_selectHitTestRect; }
  /// Whether a data point is held by the left button.
  bool SelectMouseDown() const { return m_selectMouseDown; }
  /// The legend entry, then (in select mode) the first bar or marker of the
  /// draw range under the mouse; records the picked point.
  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;
  /// The picked point's values as a hint placed beside it in data view 0.
  void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) override;
  /// Holds the picked point when the press lies on it.
  void DoMouseLeft(const TiPlotMouseData& mouseData) override;
  /// Drags the held point by UserCanMoveDataPointsStyle; a point deleted
  /// meanwhile ends the hold.
  void DoMouseMove(const TiPlotMouseData& mouseData) override;
  /// Releases the held point (click over it, OnDataPointMoved when it
  /// changed) or clicks the channel over its legend entry.
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  /// The hand point unless OnGetMouseCursorChannel changes it.
  TCursor GetMouseCursor(TPoint point) override;
  /// "Edit..." while UserCanEdit.
  void AddMenuItems(TPopupMenu& popupMenu) override;

  // Data cursor reading.
  QString DataCursorXText() const { return m_dataCursorXText; }
  QString DataCursorYText() const { return m_dataCursorYText; }
  double DataCursorXValue() const { return m_dataCursorXValue; }
  double DataCursorYValue() const { return m_dataCursorYValue; }
  TiPlotDataPointStatus DataCursorStatus() const { return m_dataCursorStatus; }

  void NotificationRemove(TObject* sender) override;
  void NotificationRename(TObject* sender) override;

  // OPC binding (TiPlotChannelCustom_Opc.cpp): two OPC items bound to
  // "Data" (item 0 the main one, item 1 the second) and an OPC manager for
  // the channel's group; nothing starts while the plot is designed. The
  // values are applied on the GUI thread; a value that is not a number
  // adds no point.
  /// The inherited announcement, then OPCActivate with OPCAutoConnect.
  void DoInsert() override;
  virtual void OPCActivate() = 0;
  virtual void OPCActivateSuspend() = 0;
  virtual void OPCDeactivate() = 0;
  virtual void OPCUpdateSuspend() = 0;
  virtual void OPCUpdateResume() = 0;
  QString OPCComputerName() const;
  void SetOPCComputerName(const QString& value);
  QString OPCServerName() const;
  void SetOPCServerName(const QString& value);
  QString OPCItemName() const;
  void SetOPCItemName(const QString& value);
  QString OPCItem2Name() const;
  void SetOPCItem2Name(const QString& value);
  int OPCUpdateRate() const;
  void SetOPCUpdateRate(int value);
  double OPCScalar() const;
  void SetOPCScalar(double value);
  double OPCOffset() const;
  void SetOPCOffset(double value);
  double OPCScalar2() const;
  void SetOPCScalar2(double value);
  double OPCOffset2() const;
  void SetOPCOffset2(double value);
  bool OPCAutoConnect() const;
  void SetOPCAutoConnect(bool value);
  bool OPCActive() const;
  bool OPCQualityGood() const;
  TiOPCItemManager& OPCItemManager() const { return *m_opcItemManager; }
  TiOPCManager& OPCManager() const { return *m_opcManager; }

protected:
  /// The single path of every added point: store, statistics, tracking,
  /// change.
  int AddPoint(double x, double y, bool null, bool empty);
  TiPlotDataCustomList& List() { return *m_dataList; }
  /// Writes one stored appearance value of the list and signals a change,
  /// changed or not.
  template <typename V>
  void WriteStored(V TiPlotStoredAppearance::*field, V value) {
    m_dataList->Stored().*field = value;
    DoChange();
  }
  void SetDrawRange(int start, int stop) {
    m_startIndex = start;
    m_stopIndex = stop;
  }
  void SetDrawStart(int start) { m_startIndex = start; }
  void SetDrawStop(int stop) { m_stopIndex = stop; }
  /// Sets the pen of the trace: colour, style and width (1 given as 0).
  void SetTracePen(TCanvas& canvas, TColor color, TiPlotLineStyle style, int width) const;
  /// Clips the canvas to the rectangle of the two axes' ranges.
  void ClipCanvasToAxes(TCanvas& canvas);
  /// Stores a cursor reading and builds its texts; digital channels name
  /// levels "High" / "Low". Answers the cursor's display text.
  QString BuildCursorTexts(TiPlotDataCursorStyle style, TiPlotDataPointStatus status, double x, double y, bool digital,
                           bool inverseWithCursorText);
  void TrackPoint(int index, double x, double y, bool null, bool empty);
  // OPC binding.
  void CreateOPCObjects();
  TiOPCItem& OPCItem(int index) const;
  bool OPCDesigning() const;
  /// The name of the channel's OPC group: its address in hexadecimal.
  QString OPCUniqueGroupName() const;
  /// Reads both items' values as numbers; false when one is not a number.
  bool OPCGroupValues(double& x, double& y) const;
  /// Whether the hit test looks at bars instead of markers, and point
  /// index's bar (none here).
  virtual bool BarsPickable() const { return false; }
  virtual bool PointHasBar(int) const { return false; }
  virtual TRect GetBarRect(int) { return {}; }

private:
  /// The hit test of MouseHitTest, which the dispatch declares const but
  /// which records the picked point.
  bool PickTest(const TiPlotMouseData& mouseData);
  /// Ends a hold whose point no longer exists; true while one is held.
  bool HoldStillValid();
  /// The index the held point has now; -1 once it is gone.
  int HeldIndex() const;
  double MarkerSpan(bool xAxis);
  /// The axis named XAxisName / YAxisName, cached; null when none has it.
  TiPlotXAxis* ResolveXAxis();
  TiPlotYAxis* ResolveYAxis();

  std::unique_ptr<TiPlotDataCustomList> m_dataList;
  TiPlotXAxis* m_xAxis = nullptr;
  TiPlotYAxis* m_yAxis = nullptr;
  int m_startIndex = 0;
  int m_stopIndex = 0;
  QString m_titleText;
  QString m_xAxisName;
  QString m_yAxisName;
  bool m_xAxisTrackingEnabled = true;
  bool m_yAxisTrackingEnabled = true;
  bool m_markersAllowIndividual = false;
  int m_markersTurnOffLimit = 0;
  TRect m_legendRect;
  bool m_showDataPointHints = false;
  bool m_userCanMoveDataPoints = false;
  TiPlotChannelDataPointMoveStyle m_userCanMoveDataPointsStyle = TiPlotChannelDataPointMoveStyle::ipcdpmsXandY;
  int m_selectDataIndex = -1;
  TRect m_selectHitTestRect;
  bool m_selectMouseDown = false;
  bool m_selectHoldLost = false;
  /// The held point by the number it was added as (see
  /// TiPlotDataCustomList::Removed), so a ring that moves on keeps it.
  long long m_selectMouseDownSerial = -1;
  int m_mouseDownDataIndex = -1;
  TRect m_selectDownRect;
  double m_mouseDownValueX = 0;
  double m_mouseDownValueY = 0;
  int m_mouseDownPixelX = 0;
  int m_mouseDownPixelY = 0;
  bool m_visibleInLegend = true;
  bool m_clipToAxes = false;
  bool m_markersBrushUseChannelColor = true;
  bool m_markersPenUseChannelColor = true;
  bool m_traceVisible = true;
  TiPlotRunningStatistics m_running;
  TiPlotDataStyle m_dataStyle = TiPlotDataStyle::ipdsStandard;
  TFont m_markersFont;
  QString m_dataCursorXText;
  QString m_dataCursorYText;
  double m_dataCursorXValue = 0;
  double m_dataCursorYValue = 0;
  TiPlotDataPointStatus m_dataCursorStatus = TiPlotDataPointStatus::ipdpsValid;
  QString m_logFileName;
  int m_logBufferSize = 0;
  TiPlotDataLog m_log;
  // OPC binding: the items go before the manager.
  std::unique_ptr<TiOPCManager> m_opcManager;
  std::unique_ptr<TiOPCItemManager> m_opcItemManager;
};
