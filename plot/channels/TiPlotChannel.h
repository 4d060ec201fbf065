#pragma once

#include <vector>

#include "plot/channels/TiOPCXValueSourceStyle.h"
#include "plot/channels/TiPlotChannelCustom.h"

/// The channel of TiPlot: a trace over an X axis that runs in one
/// direction (time, frequency). Adds the X ordering check on entry, the
/// draw range found by bisection, the fast min/max trace (a few strokes per
/// pixel column however many points share it), steps, the straight-line
/// fill and bars, and value lookup for data cursors. Owned by the plot's
/// channel manager; GUI thread only.
class TiPlotChannel : public TiPlotChannelCustom {
public:
  TiPlotChannel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Channel; }

  /// Checks the X order (unless AllowOutOfOrderXValues), then adds.
  /// EPlotError "New Data-Point X-Value is out of order" (ascending data)
  /// or the same with a full stop (descending data).
  int AddXY(double x, double y) override;
  /// The X order check over a run of values, as AddXY would meet them.
  void CheckAddXY(const std::vector<double>& xs, bool fromEmpty) const override;
  int AddXNull(double x);
  int AddXEmpty(double x);
  /// A high-low point: the list's own Add (X, 0) without statistics or
  /// log, then the four values (kept only by the full-feature list); the
  /// axes track X and High, Low, Open, Close (TiPlotChannel_HighLow.cpp).
  int AddHighLow(double x, double high, double low, double open, double close);
  double GetHigh(int index) const { return DataList().GetHigh(index); }
  double GetLow(int index) const { return DataList().GetLow(index); }
  double GetOpen(int index) const { return DataList().GetOpen(index); }
  double GetClose(int index) const { return DataList().GetClose(index); }
  /// A point's own bar where the list keeps it per point (the full-feature
  /// list), else the channel's bar.
  bool GetPointBarVisible(int index) const { return DataList().GetBarVisible(index); }
  double GetPointBarReference(int index) const { return DataList().GetBarReference(index); }
  double GetPointBarWidth(int index) const { return DataList().GetBarWidth(index); }
  TColor GetPointBarPenColor(int index) const { return DataList().GetBarPenColor(index); }
  int GetPointBarPenWidth(int index) const { return DataList().GetBarPenWidth(index); }
  TPenStyle GetPointBarPenStyle(int index) const { return DataList().GetBarPenStyle(index); }
  TColor GetPointBarBrushColor(int index) const { return DataList().GetBarBrushColor(index); }
  TBrushStyle GetPointBarBrushStyle(int index) const { return DataList().GetBarBrushStyle(index); }
  /// Values at a fixed X interval from the last point's X (0 when empty),
  /// the first landing on that X itself; no ordering check.
  void AddYArray(double xInterval, const std::vector<double>& yData);
  /// X = now (local date-time: days since 30 December 1899).
  int AddYNow(double y);
  /// X = days (or seconds) since ElapsedStartTime.
  int AddYElapsedTime(double y);
  int AddYElapsedSeconds(double y);
  double ElapsedStartTime() const { return m_elapsedStartTime; }
  void SetElapsedStartTime(double value) { m_elapsedStartTime = value; }
  void ResetElapsedStartTime();
  bool ResetStartTimeOnFirstDataPoint() const { return m_resetStartTimeOnFirstDataPoint; }
  void SetResetStartTimeOnFirstDataPoint(bool value) { m_resetStartTimeOnFirstDataPoint = value; }

  bool FastDrawEnabled() const { return m_fastDrawEnabled; }
  void SetFastDrawEnabled(bool value) { StoreAndChange(value, m_fastDrawEnabled); }
  bool AllowOutOfOrderXValues() const { return m_allowOutOfOrderXValues; }
  void SetAllowOutOfOrderXValues(bool value) { m_allowOutOfOrderXValues = value; }
  bool DrawOutOfOrderXValues() const { return m_drawOutOfOrderXValues; }
  void SetDrawOutOfOrderXValues(bool value) { StoreAndChange(value, m_drawOutOfOrderXValues); }
  TiPlotInterpolationStyle InterpolationStyle() const { return m_interpolationStyle; }
  void SetInterpolationStyle(TiPlotInterpolationStyle value) { StoreAndChange(value, m_interpolationStyle); }
  bool FillEnabled() const { return m_fillEnabled; }
  void SetFillEnabled(bool value) { StoreAndChange(value, m_fillEnabled); }
  double FillReference() const { return m_fillReference; }
  void SetFillReference(double value) { StoreAndChange(value, m_fillReference); }
  TBrushStyle FillStyle() const { return m_fillStyle; }
  void SetFillStyle(TBrushStyle value) { StoreAndChange(value, m_fillStyle); }
  TColor FillColor() const { return m_fillColor; }
  void SetFillColor(TColor value) { StoreAndChange(value, m_fillColor); }
  bool FillUseChannelColor() const { return m_fillUseChannelColor; }
  void SetFillUseChannelColor(bool value) { StoreAndChange(value, m_fillUseChannelColor); }
  bool DigitalEnabled() const { return m_digitalEnabled; }
  void SetDigitalEnabled(bool value) { StoreAndChange(value, m_digitalEnabled); }
  TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return m_digitalReferenceStyle; }
  void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle value) { StoreAndChange(value, m_digitalReferenceStyle); }
  double DigitalReferenceLow() const { return m_digitalReferenceLow; }
  void SetDigitalReferenceLow(double value) { StoreAndChange(value, m_digitalReferenceLow); }
  double DigitalReferenceHigh() const { return m_digitalReferenceHigh; }
  void SetDigitalReferenceHigh(double value) { StoreAndChange(value, m_digitalReferenceHigh); }
  bool BarEnabled() const { return m_barEnabled; }
  void SetBarEnabled(bool value) { StoreAndChange(value, m_barEnabled); }
  bool BarPenUseChannelColor() const { return m_barPenUseChannelColor; }
  void SetBarPenUseChannelColor(bool value) { StoreAndChange(value, m_barPenUseChannelColor); }
  bool BarBrushUseChannelColor() const { return m_barBrushUseChannelColor; }
  void SetBarBrushUseChannelColor(bool value) { StoreAndChange(value, m_barBrushUseChannelColor); }
  double BarWidth() const { return DataList().Stored().BarWidth; }
  void SetBarWidth(double value);
  double BarReference() const { return DataList().Stored().BarReference; }
  void SetBarReference(double value);
  // These write the list's stored bar values and always signal a change.
  TColor BarPenColor() const { return DataList().Stored().BarPenColor; }
  void SetBarPenColor(TColor value) { WriteStored(&TiPlotStoredAppearance::BarPenColor, value); }
  int BarPenWidth() const { return DataList().Stored().BarPenWidth; }
  void SetBarPenWidth(int value) { WriteStored(&TiPlotStoredAppearance::BarPenWidth, value); }
  TPenStyle BarPenStyle() const { return DataList().Stored().BarPenStyle; }
  void SetBarPenStyle(TPenStyle value) { WriteStored(&TiPlotStoredAppearance::BarPenStyle, value); }
  TColor BarBrushColor() const { return DataList().Stored().BarBrushColor; }
  void SetBarBrushColor(TColor value) { WriteStored(&TiPlotStoredAppearance::BarBrushColor, value); }
  TBrushStyle BarBrushStyle() const { return DataList().Stored().BarBrushStyle; }
  void SetBarBrushStyle(TBrushStyle value) { WriteStored(&TiPlotStoredAppearance::BarBrushStyle, value); }
  bool XIncreasing() const { return m_xIncreasing; }

  // High-low bars and candlesticks; widths and heights in axis units.
  TiPlotHighLowStyle HighLowStyle() const { return m_highLowStyle; }
  void SetHighLowStyle(TiPlotHighLowStyle value) { StoreAndChange(value, m_highLowStyle); }
  bool HighLowEnabled() const { return m_highLowEnabled; }
  void SetHighLowEnabled(bool value) { StoreAndChange(value, m_highLowEnabled); }
  TColor HighLowBarColor() const { return m_highLowBarColor; }
  void SetHighLowBarColor(TColor value) { StoreAndChange(value, m_highLowBarColor); }
  double HighLowBarWidth() const { return m_highLowBarWidth; }
  void SetHighLowBarWidth(double value) { StoreAndChange(value, m_highLowBarWidth); }
  bool HighLowOpenShow() const { return m_highLowOpenShow; }
  void SetHighLowOpenShow(bool value) { StoreAndChange(value, m_highLowOpenShow); }
  TColor HighLowOpenColor() const { return m_highLowOpenColor; }
  void SetHighLowOpenColor(TColor value) { StoreAndChange(value, m_highLowOpenColor); }
  double HighLowOpenWidth() const { return m_highLowOpenWidth; }
  void SetHighLowOpenWidth(double value) { StoreAndChange(value, m_highLowOpenWidth); }
  double HighLowOpenHeight() const { return m_highLowOpenHeight; }
  void SetHighLowOpenHeight(double value) { StoreAndChange(value, m_highLowOpenHeight); }
  bool HighLowCloseShow() const { return m_highLowCloseShow; }
  void SetHighLowCloseShow(bool value) { StoreAndChange(value, m_highLowCloseShow); }
  TColor HighLowCloseColor() const { return m_highLowCloseColor; }
  void SetHighLowCloseColor(TColor value) { StoreAndChange(value, m_highLowCloseColor); }
  double HighLowCloseWidth() const { return m_highLowCloseWidth; }
  void SetHighLowCloseWidth(double value) { StoreAndChange(value, m_highLowCloseWidth); }
  double HighLowCloseHeight() const { return m_highLowCloseHeight; }
  void SetHighLowCloseHeight(double value) { StoreAndChange(value, m_highLowCloseHeight); }
  TColor HighLowShadowColor() const { return m_highLowShadowColor; }
  void SetHighLowShadowColor(TColor value) { StoreAndChange(value, m_highLowShadowColor); }
  TColor HighLowBullishColor() const { return m_highLowBullishColor; }
  void SetHighLowBullishColor(TColor value) { StoreAndChange(value, m_highLowBullishColor); }
  TColor HighLowBearishColor() const { return m_highLowBearishColor; }
  void SetHighLowBearishColor(TColor value) { StoreAndChange(value, m_highLowBearishColor); }

  // Drawing (TiPlotChannel_Draw.cpp).
  void PrepareForDraw(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  void CalcDrawStartIndex() override;
  void CalcDrawStopIndex() override;
  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;
  void DrawTrace(TCanvas& canvas, TColor backGroundColor) override;
  /// A digital channel marks its points on the high and low levels.
  void DrawMarkers(TCanvas& canvas, TColor backGroundColor) override;
  /// The pixel rectangle of point index's bar, as drawn and as hit.
  TRect GetBarRect(int index) override;

  /// The inherited test; a right click also picks the channel when its
  /// trace passes within 10 pixels of the mouse along the Y axis' pixels.
  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;

  // Value lookup (TiPlotChannel_Lookup.cpp).
  /// The point at or beyond target in the data's direction; -1 outside.
  int CalcIndex(double targetValue);
  /// Linear interpolation in pixel space; false where no value exists.
  bool GetYInterpolated(double xValue, double& yValue);
  TiPlotDataPointStatus GetCursorYValue(double xValue, double& yValue);
  /// Records the value a curve style drew in a pixel column; EPlotError
  /// "Pixel List XPixel out of Range" outside the X axis' columns.
  void SetPixelPoint(int xPixel, double yValue);
  void UpdateDataCursor(TiPlotDataCursor& cursor) override;

  // OPC binding (TiPlotChannel_Opc.cpp): item 0 gives Y, with its time
  // stamp, the arrival time or the elapsed time as X; with iopcxvsOPCItem
  // a group update gives X from item 0 and Y from item 1 through AddXY.
  void OPCActivate() override;
  void OPCActivateSuspend() override;
  void OPCDeactivate() override;
  void OPCUpdateSuspend() override;
  void OPCUpdateResume() override;
  QString OPCGroupName() const;
  void SetOPCGroupName(const QString& value);
  TiOPCXValueSourceStyle OPCXValueSource() const { return m_opcXValueSource; }
  void SetOPCXValueSource(TiOPCXValueSourceStyle value) { m_opcXValueSource = value; }

protected:
  bool BarsPickable() const override { return m_barEnabled; }
  bool PointHasBar(int index) const override { return GetPointBarVisible(index); }

private:
  /// Whether the trace passes through the 20 x 20 box around the mouse.
  bool TraceNear(const TiPlotMouseData& mouseData);
  void CheckXOrder(double x) const;
  /// With ResetStartTimeOnFirstDataPoint, the first point of an empty
  /// channel restarts the elapsed time.
  void StartTimeReset();
  void UpdateXIncreasing();
  int SearchX(double value, bool ascending) const;
  int SearchAscending(double value) const;
  int SearchDescending(double value) const;
  void DrawFastTrace(TCanvas& canvas);
  void DrawSteps(TCanvas& canvas);
  /// Level runs between the high and low references (Y not 0 is high).
  void DrawDigital(TCanvas& canvas);
  void DrawStraightFill(TCanvas& canvas, TColor backGroundColor);
  void DrawBars(TCanvas& canvas, TColor backGroundColor);
  void SetFillBrush(TCanvas& canvas) const;
  /// Open/close bars or candlesticks of the draw range's valid points
  /// (TiPlotChannel_HighLow.cpp).
  void DrawHighLow(TCanvas& canvas, TColor backGroundColor);
  void DrawOpenClose(TCanvas& canvas, int index);
  void DrawCandleStick(TCanvas& canvas, int index);
  /// Spline, polynomial and rational curves, one value per pixel column
  /// (TiPlotChannel_Curves.cpp).
  void DrawCurves(TCanvas& canvas);
  template <typename Curve>
  void DrawColumns(TCanvas& canvas, double xFirst, double xLast, Curve&& curve);

  /// One pixel column of the curve styles: the value drawn there.
  struct PixelPoint {
    bool Null = true;
    int XPixel = 0;
    double YValue = 0;
  };
  std::vector<PixelPoint> m_pixelList;
  int m_pixelListStart = 0;
  int m_pixelListStop = 0;

  bool m_xIncreasing = true;
  double m_elapsedStartTime = 0;
  bool m_resetStartTimeOnFirstDataPoint = false;
  bool m_fastDrawEnabled = true;
  bool m_allowOutOfOrderXValues = true;
  bool m_drawOutOfOrderXValues = false;
  TiPlotInterpolationStyle m_interpolationStyle = TiPlotInterpolationStyle::ipistStraightLine;
  bool m_fillEnabled = false;
  double m_fillReference = 0;
  bool m_fillUseChannelColor = true;
  TBrushStyle m_fillStyle = TBrushStyle::bsSolid;
  TColor m_fillColor = clBlack;
  bool m_digitalEnabled = false;
  TiPlotDigitalReferenceStyle m_digitalReferenceStyle = TiPlotDigitalReferenceStyle::ipdrScale;
  double m_digitalReferenceLow = 10;
  double m_digitalReferenceHigh = 90;
  int m_pixelsHigh = 0;
  int m_pixelsLow = 0;
  TiPlotHighLowStyle m_highLowStyle = TiPlotHighLowStyle::iphlsOpenClose;
  bool m_highLowEnabled = false;
  TColor m_highLowBarColor = clAqua;
  double m_highLowBarWidth = 0.5;
  bool m_highLowOpenShow = true;
  TColor m_highLowOpenColor = clLime;
  double m_highLowOpenWidth = 1;
  double m_highLowOpenHeight = 1;
  bool m_highLowCloseShow = true;
  TColor m_highLowCloseColor = clRed;
  double m_highLowCloseWidth = 1;
  double m_highLowCloseHeight = 1;
  TColor m_highLowShadowColor = clGray;
  TColor m_highLowBullishColor = clWhite;
  TColor m_highLowBearishColor = clGray;
  bool m_barEnabled = false;
  bool m_barPenUseChannelColor = true;
  bool m_barBrushUseChannelColor = true;
  // OPC binding.
  void BindOPCHandlers();
  void OPCNewData(TiOPCItem& item);
  void OPCAfterGroupUpdate();
  TiOPCXValueSourceStyle m_opcXValueSource = TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp;
};
