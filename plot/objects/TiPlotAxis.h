#pragma once

#include <cstddef>
#include <vector>

#include "platform/text/TFont.h"
#include "platform/drawing/TPen.h"
#include "plot/base/iPlotTypes.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/objects/TiPlotAxisTypes.h"

/// The scale of a plot: the visible range as Min and Span, linear or
/// decimal-logarithmic, optionally reversed; converts between values,
/// pixels and fractions of the scale; generates its ticks and their value
/// texts; reports the room it needs and draws itself (line, ticks, labels,
/// title, selection frame) and, for the data view, its grid lines.
///
/// Ranges: Span stays in [1e-300, 1e300], Min in [-1e300, 1e300]; NaN
/// counts as the upper bound. Min/Span changes fire the plot's
/// On[X|Y]AxisMinChange, ...SpanChange and ...MinSpanChange events.
/// Owned by the X or Y axis manager; GUI thread only.
class TiPlotAxis : public TiPlotLayoutObject {
public:
  TiPlotAxis(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
             TNotifyEvent onRename);
  ~TiPlotAxis() override;

  // Range and scale (TiPlotAxis.cpp).
  double Min() const { return m_min; }
  void SetMin(double value);
  double Span() const { return m_span; }
  void SetSpan(double value);
  double Max() const { return m_min + m_span; }
  double Mid() const { return m_min + m_span / 2; }
  /// Both ends with one pair of events; on a log scale values <= 0 become 1.
  void SetMinSpan(double newMin, double newSpan);
  /// While set, SetMin and SetSpan fire no change events.
  bool BlockMinSpanEvents() const { return m_blockMinSpanEvents; }
  void SetBlockMinSpanEvents(bool value) { m_blockMinSpanEvents = value; }
  double DesiredIncrement() const { return m_desiredIncrement; }
  /// 0 means automatic spacing; clamped to [0, 1e300]; no events.
  void SetDesiredIncrement(double value);
  double DesiredStart() const { return m_desiredStart; }
  void SetDesiredStart(double value);
  TiPlotScaleType ScaleType() const { return m_scaleType; }
  /// Switching to log with Min <= 0 sets Min to 1 (no events).
  void SetScaleType(TiPlotScaleType value);
  bool ReverseScale() const { return m_reverseScale; }
  void SetReverseScale(bool value);

  // Conversions.
  int PositionToPixels(double value) const;
  /// PositionToPixels of many values at once (the channels' draw path).
  void PositionsToPixels(const double* values, int* pixels, std::size_t count) const;
  /// The pixels of values on a log scale given their decimal logarithms
  /// (callers that draw the same points again keep the logarithms): no
  /// logarithm is taken here. A value <= 0 is given as log10(1) = 0.
  void Log10PositionsToPixels(const double* log10Values, int* pixels, std::size_t count) const;
  double PixelsToPosition(int value) const;
  int WidthToPixels(double value) const;
  /// Fraction (0..1) of the scale; ignores the scale type.
  double PositionToPercent(double value) const;
  double PercentToPosition(double value) const;
  bool PointOnScale(double value) const;
  bool ValueOnScale(double value) const { return PointOnScale(value); }
  int MinPixels() const { return PositionToPixels(Min()); }
  int MaxPixels() const { return PositionToPixels(Max()); }
  /// Geometry of the scale from DrawRect, the stacking flags and the labels.
  void CalcScaleRect(TCanvas& canvas);
  int GetScaleLength() const;
  void ZoomToRect(const TRect& rect);
  TRect ScaleRect() const { return m_scaleRect; }
  TRect FocusRect() const { return m_focusRect; }
  TiQuadSide QuadSide() const { return m_quadSide; }
  /// The axis of the other kind named CartesianChildRefAxisName (cached).
  TiPlotAxis* GetCartesianRefAxis();
  /// The axis of the same kind named AlignRefAxisName (cached).
  TiPlotAxis* GetAlignRefAxis();

  // Tracking, zoom and scroll (TiPlotAxis_Tracking.cpp).
  bool TrackingEnabled() const { return m_trackingEnabled; }
  /// Switching off stores the resume values, switching on restores them
  /// (with RestoreValuesOnResume).
  void SetTrackingEnabled(bool value);
  TiPlotTrackingStyle TrackingStyle() const { return m_trackingStyle; }
  void SetTrackingStyle(TiPlotTrackingStyle value) { StoreAndChange(value, m_trackingStyle); }
  TiPlotTrackingIncrementStyle TrackingIncrementStyle() const { return m_trackingIncrementStyle; }
  void SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle value) {
    StoreAndChange(value, m_trackingIncrementStyle);
  }
  TiPlotAlignFirstStyle TrackingAlignFirstStyle() const { return m_trackingAlignFirstStyle; }
  void SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle value) { StoreAndChange(value, m_trackingAlignFirstStyle); }
  double TrackingScrollCompressMax() const { return m_trackingScrollCompressMax; }
  void SetTrackingScrollCompressMax(double value) { StoreAndChange(value, m_trackingScrollCompressMax); }
  double TrackingSpanMinimum() const { return m_trackingSpanMinimum; }
  void SetTrackingSpanMinimum(double value) { StoreAndChange(value, m_trackingSpanMinimum); }
  double TrackingMaxMargin() const { return m_trackingMaxMargin; }
  void SetTrackingMaxMargin(double value) { StoreAndChange(value, m_trackingMaxMargin); }
  double TrackingMinMargin() const { return m_trackingMinMargin; }
  void SetTrackingMinMargin(double value) { StoreAndChange(value, m_trackingMinMargin); }
  bool RestoreValuesOnResume() const { return m_restoreValuesOnResume; }
  void SetRestoreValuesOnResume(bool value) { StoreAndChange(value, m_restoreValuesOnResume); }
  bool ScrollMinMaxEnabled() const { return m_scrollMinMaxEnabled; }
  void SetScrollMinMaxEnabled(bool value) { StoreAndChange(value, m_scrollMinMaxEnabled); }
  double ScrollMin() const { return m_scrollMin; }
  void SetScrollMin(double value) { StoreAndChange(value, m_scrollMin); }
  double ScrollMax() const { return m_scrollMax; }
  void SetScrollMax(double value) { StoreAndChange(value, m_scrollMax); }
  TiPlotAxisMode Mode() const { return m_mode; }
  void SetMode(TiPlotAxisMode value) { StoreAndChange(value, m_mode); }
  double CursorScaler() const { return m_cursorScaler; }
  void SetCursorScaler(double value) { StoreAndChange(value, m_cursorScaler); }
  /// A channel reports a new value on this axis.
  void NewTrackingData(double value);
  /// The next tracked value is treated as the first.
  void ResetFirstAlign() { m_firstAlignDone = false; }
  void UpdateResumeValues();
  /// Linear: span times value about the middle (EPlotError "Linear Scale
  /// Zoom Factor must be Greater than Zero" for value <= 0); log: Min
  /// divided and Span multiplied by 10^value.
  void Zoom(double value);
  /// Fits the range to the channels on this axis (fit values / running
  /// values).
  void ZoomToFit();
  void ZoomToFitFast();
  /// Moves the range by a fraction of the span (ScrollMin/ScrollMax kept).
  void ScrollBy(double fraction);
  /// Zooms by 10^exponent about the middle (positive zooms in).
  void ZoomBy(double exponent);
  /// Mode, with scroll and zoom swapped while Ctrl is held.
  TiPlotAxisMode GetEffectiveMode() const;
  // Mouse and keys (TiPlotAxis_Input.cpp): any user input switches
  // tracking off; MasterUIInput relays it to the other axes of the kind.
  bool MasterUIInput() const { return m_masterUIInput; }
  void SetMasterUIInput(bool value) { StoreAndChange(value, m_masterUIInput); }
  void DoMouseLeft(const TiPlotMouseData& mouseData) override;
  void DoMouseMove(const TiPlotMouseData& mouseData) override;
  void DoMouseUp(const TiPlotMouseData& mouseData) override;
  bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) override;
  void DoKeyDown(WORD& charCode, TShiftState shift, TPopupMenu* popupMenu) override;
  void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) override;
  TCursor GetMouseCursor(TPoint point) override;
  /// "Tracking Enabled" (checked while on), "Update Resume Values" (while
  /// off and the range moved), "Zoom to Fit", then "Edit...".
  void AddMenuItems(TPopupMenu& popupMenu) override;

  // Ticks (TiPlotAxis_Ticks.cpp).
  /// Appends a tick; EPlotError "Log Scale Requires Position to be Greater
  /// Than Zero" for a position <= 0 on a log scale.
  int TickListAdd(double position, const QString& label, TiPlotTickType style);
  void TickListClear();
  int TickListCount() const { return int(m_ticks.size()); }
  const TiPlotTickObject& GetTick(int index) const { return m_ticks.at(index); }
  bool TickListCustom() const { return m_tickListCustom; }
  void SetTickListCustom(bool value);
  double MajorIncrement() const { return m_majorIncrement; }
  double MinorIncrement() const { return m_minorIncrement; }
  /// Rebuilds the tick list for the current scale (unless TickListCustom).
  void GenerateTicks(TCanvas& canvas);
  void UpdateTickPixels();

  // Value texts (TiPlotAxis_Texts.cpp).
  QString FormatValueText(const TiPlotTextSettings& settings, double value, double& minLength);
  QString GetLabelText(double value);
  QString GetCursorText(double value);
  QString GetCursorValueText(double value);
  QString GetLegendText(double value);
  QString GetMeasuredLabelText(double value);
  int GetMaxLabelWidth(TCanvas& canvas, const TFont& font);
  int GetLegendMinWidth(TCanvas& canvas, const TFont& font);
  int GetCursorMinWidth(TCanvas& canvas, const TFont& font);
  QString CustomizeLabelEventText() const { return m_customizeLabelEventText; }
  void SetCustomizeLabelEventText(const QString& value);
  const TiPlotTextSettings& Labels() const { return m_labels; }
  const TiPlotTextSettings& Cursor() const { return m_cursor; }
  const TiPlotTextSettings& Legend() const { return m_legend; }
  /// Replace a whole settings set (repaints on a change).
  void SetLabels(const TiPlotTextSettings& value);
  void SetCursor(const TiPlotTextSettings& value);
  void SetLegend(const TiPlotTextSettings& value);
  bool CursorUseDefaultFormat() const { return m_cursorUseDefaultFormat; }
  void SetCursorUseDefaultFormat(bool value);
  bool LegendUseDefaultFormat() const { return m_legendUseDefaultFormat; }
  void SetLegendUseDefaultFormat(bool value);
  // The settings one by one (a changed value repaints).
  TiPlotTextFormat LabelsFormatStyle() const { return m_labels.FormatStyle; }
  void SetLabelsFormatStyle(TiPlotTextFormat value);
  QString DateTimeFormat() const { return m_labels.DateTimeFormat; }
  void SetDateTimeFormat(const QString& value);
  TiPrecisionStyle LabelsPrecisionStyle() const { return m_labels.PrecisionStyle; }
  void SetLabelsPrecisionStyle(TiPrecisionStyle value);
  int LabelsPrecision() const { return m_labels.Precision; }
  void SetLabelsPrecision(int value);
  double LabelsMinLength() const { return m_labels.MinLength; }
  void SetLabelsMinLength(double value);
  bool LabelsMinLengthAutoAdjust() const { return m_labels.MinLengthAutoAdjust; }
  void SetLabelsMinLengthAutoAdjust(bool value);
  TiPlotTextFormat CursorFormatStyle() const { return m_cursor.FormatStyle; }
  void SetCursorFormatStyle(TiPlotTextFormat value);
  QString CursorDateTimeFormat() const { return m_cursor.DateTimeFormat; }
  void SetCursorDateTimeFormat(const QString& value);
  TiPrecisionStyle CursorPrecisionStyle() const { return m_cursor.PrecisionStyle; }
  void SetCursorPrecisionStyle(TiPrecisionStyle value);
  int CursorPrecision() const { return m_cursor.Precision; }
  void SetCursorPrecision(int value);
  double CursorMinLength() const { return m_cursor.MinLength; }
  void SetCursorMinLength(double value);
  bool CursorMinLengthAutoAdjust() const { return m_cursor.MinLengthAutoAdjust; }
  void SetCursorMinLengthAutoAdjust(bool value);
  TiPlotTextFormat LegendFormatStyle() const { return m_legend.FormatStyle; }
  void SetLegendFormatStyle(TiPlotTextFormat value);
  QString LegendDateTimeFormat() const { return m_legend.DateTimeFormat; }
  void SetLegendDateTimeFormat(const QString& value);
  TiPrecisionStyle LegendPrecisionStyle() const { return m_legend.PrecisionStyle; }
  void SetLegendPrecisionStyle(TiPrecisionStyle value);
  int LegendPrecision() const { return m_legend.Precision; }
  void SetLegendPrecision(int value);
  double LegendMinLength() const { return m_legend.MinLength; }
  void SetLegendMinLength(double value);
  bool LegendMinLengthAutoAdjust() const { return m_legend.MinLengthAutoAdjust; }
  void SetLegendMinLengthAutoAdjust(bool value);

  // Look (TiPlotAxis_Look.cpp).
  int InnerMargin() const { return m_innerMargin; }
  void SetInnerMargin(int value);
  int OuterMargin() const { return m_outerMargin; }
  void SetOuterMargin(int value);
  QString Title() const { return m_title; }
  void SetTitle(const QString& value);
  double TitleMargin() const { return m_titleMargin; }
  void SetTitleMargin(double value);
  TFont& TitleFont() { return m_titleFont; }
  void SetTitleFont(const TFont& font) { m_titleFont.Assign(font); }
  bool TitleShow() const { return m_titleShow; }
  void SetTitleShow(bool value);
  bool TitleRotated() const { return m_titleRotated; }
  void SetTitleRotated(bool value);
  int MajorLength() const { return m_majorLength; }
  void SetMajorLength(int value);
  int MinorLength() const { return m_minorLength; }
  void SetMinorLength(int value);
  int MinorCount() const { return m_minorCount; }
  void SetMinorCount(int value);
  bool LabelsVisible() const { return m_labelsVisible; }
  void SetLabelsVisible(bool value);
  double LabelsMargin() const { return m_labelsMargin; }
  void SetLabelsMargin(double value);
  TFont& LabelsFont() { return m_labelsFont; }
  void SetLabelsFont(const TFont& font) { m_labelsFont.Assign(font); }
  double LabelSeparation() const { return m_labelSeparation; }
  void SetLabelSeparation(double value);
  TiRotationAngle LabelsRotation() const { return m_labelsRotation; }
  void SetLabelsRotation(TiRotationAngle value);
  bool ScaleLineShow() const { return m_scaleLineShow; }
  void SetScaleLineShow(bool value);
  bool ScaleLinesShow() const { return m_scaleLinesShow; }
  void SetScaleLinesShow(bool value);
  TColor ScaleLinesColor() const { return m_scaleLinesColor; }
  void SetScaleLinesColor(TColor value);
  double StackingEndsMargin() const { return m_stackingEndsMargin; }
  void SetStackingEndsMargin(double value);
  TiPlotCartesianStyle CartesianStyle() const { return m_cartesianStyle; }
  void SetCartesianStyle(TiPlotCartesianStyle value);
  bool IsCartesian() const { return m_cartesianStyle != TiPlotCartesianStyle::ipcsNone; }
  QString CartesianChildRefAxisName() const { return m_cartesianChildRefAxisName; }
  void SetCartesianChildRefAxisName(const QString& value);
  double CartesianChildRefValue() const { return m_cartesianChildRefValue; }
  void SetCartesianChildRefValue(double value);
  QString AlignRefAxisName() const { return m_alignRefAxisName; }
  void SetAlignRefAxisName(const QString& value);
  bool GridLinesVisible() const { return m_gridLinesVisible; }
  void SetGridLinesVisible(bool value);

  // Size and drawing (TiPlotAxis_Draw.cpp).
  int GetRequiredWidth(TCanvas& canvas) override;
  int GetRequiredEndMargin(TCanvas& canvas) override;
  void PrepareForDraw(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  /// The grid lines of the shown ticks across rect, with the given pens.
  void DrawGridLines(TCanvas& canvas, const TRect& rect, const TPen& majorPen, const TPen& minorPen, bool majors,
                     bool minors) const;

  bool MouseHitTest(const TiPlotMouseData& mouseData) const override;
  void NotificationRemove(TObject* sender) override;
  void NotificationRename(TObject* sender) override;
  void NotificationSetFocus(TObject* sender) override;

protected:
  /// The axes the reference names are looked up among.
  virtual TiPlotObjectKind OtherAxisKind() const = 0;

private:
  void FireMinChange(double oldValue, double newValue);
  void FireSpanChange(double oldValue, double newValue);
  void FireMinSpanChange(double oldMin, double oldSpan, double newMin, double newSpan);
  TiPlotAxis* FindAxis(TiPlotObjectKind kind, const QString& name) const;
  void UpdateLogCache();
  // Ticks.
  void AddTick(TiPlotTickType type, double value);
  void GenerateLogTicks(int n);
  void ChooseDecimalIncrement(int n, int& count);
  void ChooseDateTimeIncrement(int n, int& count);
  void ChoosePrice32ndsIncrement(int n, int& count);
  double FirstTickPosition(double start);
  void WalkTicks(double p, bool minors);
  // Drawing.
  void DrawScaleLinesAndTicks(TCanvas& canvas);
  void DrawScaleLine(TCanvas& canvas);
  void DrawTickMark(TCanvas& canvas, int pixel, int from, int to);
  void DrawLabel(TCanvas& canvas, const TiPlotTickObject& tick);
  void DrawTitle(TCanvas& canvas);
  int LabelGap(TCanvas& canvas) const;

  void AlignToIncrement();
  void FitTo(double maximum, double minimum, bool spanMinimum);
  bool m_trackingEnabled = true;
  TiPlotTrackingStyle m_trackingStyle = TiPlotTrackingStyle::iptsScaleMinMax;
  TiPlotTrackingIncrementStyle m_trackingIncrementStyle = TiPlotTrackingIncrementStyle::iptisMinimum;
  TiPlotAlignFirstStyle m_trackingAlignFirstStyle = TiPlotAlignFirstStyle::ipafsMin;
  double m_trackingScrollCompressMax = 0;
  double m_trackingSpanMinimum = 0;
  double m_trackingMaxMargin = 0;
  double m_trackingMinMargin = 0;
  bool m_restoreValuesOnResume = true;
  bool m_scrollMinMaxEnabled = false;
  double m_scrollMin = 0;
  double m_scrollMax = 100;
  TiPlotAxisMode m_mode = TiPlotAxisMode::ipamScroll;
  double m_cursorScaler = 1;
  bool m_masterUIInput = false;
  bool m_firstAlignDone = false;
  bool m_axisMouseDown = false;
  int m_mouseDownX = 0;
  int m_mouseDownY = 0;
  double m_mouseDownMin = 0;
  double m_mouseDownSpan = 0;
  double m_previousMin = 0;
  double m_previousSpan = 100;
  double m_previousLabelsMinLength = 0;
  // Geometry.
  int m_actualStart = 0;
  int m_actualStop = 0;
  double m_pixelsPerSpanUnit = 0;
  // Log scale, cached on every range or geometry change: log10 of the
  // effective Min (Min when above 0, else 1), the decades shown
  // log10(m + s) - log10(m), and pixels per decade along the scale.
  double m_logMin = 0;
  double m_logRange = 0;
  double m_pixelsPerDecade = 0;
  TiPlotAxis* m_cartesianRefAxis = nullptr;
  TiPlotAxis* m_alignRefAxis = nullptr;
  bool m_blockMinSpanEvents = false;
  std::vector<TiPlotTickObject> m_ticks;
  TiQuadSide m_quadSide = TiQuadSide::iqsBottom;
  TRect m_scaleRect;
  TRect m_focusRect;
  int m_requiredWidth = 0;
  bool m_allowLabelMinAdjust = false;
  // Properties.
  double m_span = 100;
  double m_min = 0;
  bool m_reverseScale = false;
  int m_innerMargin = 5;
  int m_outerMargin = 5;
  double m_stackingEndsMargin = 0.5;
  int m_minorLength = 3;
  int m_majorLength = 7;
  int m_minorCount = 1;
  bool m_labelsVisible = true;
  double m_labelsMargin = 0.25;
  TFont m_labelsFont;
  double m_labelSeparation = 2;
  double m_titleMargin = 0.25;
  TFont m_titleFont;
  bool m_titleShow = false;
  QString m_title;
  bool m_titleRotated = false;
  bool m_scaleLineShow = true;
  TColor m_scaleLinesColor = clWhite;
  TiPlotScaleType m_scaleType = TiPlotScaleType::ipstLinear;
  double m_desiredIncrement = 0;
  double m_desiredStart = 0;
  bool m_monthModeEnabled = false;
  bool m_yearModeEnabled = false;
  double m_majorIncrement = 0;
  double m_minorIncrement = 0;
  TiPlotCartesianStyle m_cartesianStyle = TiPlotCartesianStyle::ipcsNone;
  double m_cartesianChildRefValue = 0;
  QString m_cartesianChildRefAxisName = QStringLiteral("<None>");
  bool m_gridLinesVisible = true;
  bool m_scaleLinesShow = true;
  TiPlotTextSettings m_labels;
  bool m_cursorUseDefaultFormat = true;
  TiPlotTextSettings m_cursor;
  bool m_legendUseDefaultFormat = true;
  TiPlotTextSettings m_legend;
  bool m_tickListCustom = false;
  QString m_alignRefAxisName = QStringLiteral("<None>");
  TiRotationAngle m_labelsRotation = TiRotationAngle::ira000;
  QString m_customizeLabelEventText;
  bool m_customizeLabelEventModified = false;
};
