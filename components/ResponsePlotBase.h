#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "components/PlotEnums.h"
#include "components/PlotOverlayState.h"
#include "components/TPaintPage.h"
#include "components/TPlotList.h"
#include "dsp/ResponsePlotTarget.h"
#include "platform/pictures/TBitmap.h"
#include "platform/text/TFont.h"
#include "platform/widgets/TPaintBox.h"

/// What both response plots share: a frequency-response plot control that
/// keeps curves by id (TPlotList), scales them onto its plot area, lays out
/// nine off-screen pages from font metrics and draws the grid, labels,
/// curves, band overlays and mouse read-out into them. A page reaches the
/// screen only when it is copied onto the control's surface (a bitmap of
/// the control's size that the paint event shows). Every property setter
/// stores the value and redraws as the plot's rules say; none raises an
/// event. `Visible` is the control's own flag: a plot on a hidden page
/// still draws into its pages. The two plots differ only in which lines of
/// a band's parameter text they write (ParamTextLines) and in their typed
/// copy operations. Owned by its Qt parent; GUI thread only.
class ResponsePlotBase : public TPaintBox, public ResponsePlotTarget {
public:
  /// Lines of a band's parameter text.
  enum class ParamLines { QFrequencyGain, QFrequency, Frequency, None };

  explicit ResponsePlotBase(QWidget* parent = nullptr);
  ~ResponsePlotBase() override;

  // Properties (ResponsePlotBase_Properties.cpp).
  bool AutoRedraw() const { return m_autoRedraw; }
  void SetAutoRedraw(bool value);
  TColor AxisColor() const { return m_axisColor; }
  void SetAxisColor(TColor value);
  TMyAxisStyle AxisStyle() const { return m_axisStyle; }
  void SetAxisStyle(TMyAxisStyle value);
  TMyAxisFormat XAxisFormat() const { return m_xAxisFormat; }
  void SetXAxisFormat(TMyAxisFormat value);
  TMyAxisFormat YAxisFormat() const { return m_yAxisFormat; }
  void SetYAxisFormat(TMyAxisFormat value);
  bool ShowXLabel() const { return m_showXLabel; }
  void SetShowXLabel(bool value);
  bool ShowYLabel() const { return m_showYLabel; }
  void SetShowYLabel(bool value);
  bool ShowCoordinates() const { return m_showCoordinates; }
  void SetShowCoordinates(bool value);
  bool YAutoScale() const { return m_yAutoScale; }
  void SetYAutoScale(bool value);
  bool XAutoScale() const { return m_xAutoScale; }
  void SetXAutoScale(bool value);
  double YLabelScale() const { return m_yLabelScale; }
  void SetYLabelScale(double value);
  double YMax() const { return m_yMax; }
  void SetYMax(double value);
  double YMin() const { return m_yMin; }
  void SetYMin(double value);
  double XMax() const { return m_xMax; }
  void SetXMax(double value);
  double XMin() const { return m_xMin; }
  void SetXMin(double value);
  int XLabelPrecision() const { return m_xLabelPrecision; }
  void SetXLabelPrecision(int value);
  int YLabelPrecision() const { return m_yLabelPrecision; }
  void SetYLabelPrecision(int value);
  int XLabelDigits() const { return m_xLabelDigits; }
  void SetXLabelDigits(int value);
  int YLabelDigits() const { return m_yLabelDigits; }
  void SetYLabelDigits(int value);
  TStringFloatFormat XLabelFormat() const { return m_xLabelFormat; }
  void SetXLabelFormat(TStringFloatFormat value);
  TStringFloatFormat YLabelFormat() const { return m_yLabelFormat; }
  void SetYLabelFormat(TStringFloatFormat value);
  int PointSize() const { return m_pointSize; }
  /// Held within 1..10.
  void SetPointSize(int value);
  bool ShowHorzGrid() const { return m_showHorzGrid; }
  void SetShowHorzGrid(bool value);
  bool ShowVertGrid() const { return m_showVertGrid; }
  void SetShowVertGrid(bool value);
  bool ShowHorzTicks() const { return m_showHorzTicks; }
  void SetShowHorzTicks(bool value);
  bool ShowVertTicks() const { return m_showVertTicks; }
  void SetShowVertTicks(bool value);
  int VertTickLength() const { return m_vertTickLength; }
  /// Held within 0..Height.
  void SetVertTickLength(int value);
  int HorzTickLength() const { return m_horzTickLength; }
  /// Held within 0..Width.
  void SetHorzTickLength(int value);
  int NumHorzGrid() const { return m_numHorzGrid; }
  /// Held within 0..Height.
  void SetNumHorzGrid(int value);
  int NumVertGrid() const { return m_numVertGrid; }
  /// Held within 0..Width.
  void SetNumVertGrid(int value);
  TColor GridColor() const { return m_gridColor; }
  void SetGridColor(TColor value);
  bool ShowXTitle() const { return m_showXTitle; }
  void SetShowXTitle(bool value);
  bool ShowYTitle() const { return m_showYTitle; }
  void SetShowYTitle(bool value);
  bool ShowPlotTitle() const { return m_showPlotTitle; }
  void SetShowPlotTitle(bool value);
  QString XTitle() const { return m_xTitle; }
  void SetXTitle(const QString& value);
  QString YTitle() const { return m_yTitle; }
  void SetYTitle(const QString& value);
  QString YLabel() const { return m_yLabel; }
  void SetYLabel(const QString& value);
  QString PlotTitle() const { return m_plotTitle; }
  void SetPlotTitle(const QString& value);
  const TFont& PlotTitleFont() const { return *m_plotTitleFont; }
  void SetPlotTitleFont(const TFont& font);
  const TFont& AxisTitleFont() const { return *m_axisTitleFont; }
  void SetAxisTitleFont(const TFont& font);
  const TFont& AxisLabelFont() const { return *m_axisLabelFont; }
  void SetAxisLabelFont(const TFont& font);
  const TFont& MouseCoordFont() const { return *m_mouseCoordFont; }
  void SetMouseCoordFont(const TFont& font);
  double MouseX() const { return m_mouseX; }
  double MouseY() const { return m_mouseY; }
  int LineSize() const { return m_lineSize; }
  void SetLineSize(int value);

  /// Plain fields: no setter, no redraw.
  bool MouseControl = true;
  TFFTNumber FFTNuimber = TFFTNumber::n4096;
  TSampleRate SampleRate = TSampleRate::n48000;

  /// Raised by Change; nothing in the control calls it.
  TNotifyEvent OnChange;
  void Change() { Raise(OnChange, this); }

  // Curves (ResponsePlotBase.cpp). Ids are PlotId values.
  /// Adds or replaces the curve with x = 0 .. count - 1; true when an
  /// existing curve was replaced (it keeps its colour and style). Missing
  /// point arrays with a positive count change nothing (result false).
  bool FFTDraw(const double* y, int count, int id, TColor color, TMyPlotStyle style);
  bool FFTDraw(const double* x, const double* y, int count, int id, TColor color, TMyPlotStyle style);
  /// x evenly spaced from firstX to lastX; needs count >= 2 (false otherwise, nothing changed).
  bool FFTDraw(const double* y, int count, double firstX, double lastX, int id, TColor color, TMyPlotStyle style);
  bool FFTDraw(const double* values, int count, int id, TColor colour, int style) override;
  bool RemovePlot(int id) override;
  bool SetPlotColor(TColor color, int id);
  bool SetPlotStyle(TMyPlotStyle style, int id);
  bool GetPlotStyle(TMyPlotStyle& style, int id) const;
  bool GetPlotColor(TColor& color, int id) const;
  bool GetPlotNumPoints(int& count, int id) const;
  /// Copies the curve's x (y) values into `out`, sized to its point count.
  bool GetPlotX(std::vector<double>& out, int id) const;
  bool GetPlotY(std::vector<double>& out, int id) const;
  const TPlotList& Plots() const { return *m_plots; }

  // Ranges and mapping (ResponsePlotBase_Layout.cpp).
  double LogXMin() const { return m_logXMin; }
  double LogXMax() const { return m_logXMax; }
  double LogYMin() const { return m_logYMin; }
  double LogYMax() const { return m_logYMax; }
  double ScreenX(double x) const;
  double ScreenY(double y) const;
  double FFTScreenX(double x) const { return ScreenX(x); }
  double FFTScreenY(double y) const { return ScreenY(y); }
  /// Inverse mapping from control pixels to values.
  double PlotX(double x) const;
  double PlotY(double y) const;
  int GetPlotWidth() const { return m_plotPage->Bitmap().Width(); }
  int GetPlotHeight() const { return m_plotPage->Bitmap().Height(); }
  bool SetPlotWidth(int width);
  void FindYMaxMin();
  void FindXMaxMin();
  void CompareMaxMin();
  void CalculateLogMaxMin();
  void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);

  // Layout and paint pipeline (ResponsePlotBase_Layout.cpp).
  void ResizePaintPage();
  /// Copies `page` onto the control; the plot page is shown with the
  /// overlay painters' drawing over it and keeps its own pixels.
  void UpdatePaintPage(TPaintPage& page);
  void DrawPlotsAndLabelsNoUpdate();
  void DrawPlotsAndLabels();
  void Redraw();
  void RedrawScreen();
  void ClearPlot();
  /// Runs a full paint (layout when the size changed, Redraw, overlays)
  /// at the next paint event, and schedules it.
  void InvalidatePlot();
  /// A full paint now (layout when the size changed, Redraw, overlays),
  /// shown at the next paint event.
  void RepaintPlot();

  // Renderers (ResponsePlotBase_Drawing.cpp).
  void DrawAllPlots();
  void DrawGrid();
  void DrawTicks();
  void DrawAxis();
  void DrawOnePlot(const TPlotListMember& curve);
  void DrawXAxisLabels();
  void DrawYAxisLabels();
  void DrawTitles();
  void DrawMouseCoord();

  // Band overlays (ResponsePlotBase_Overlays.cpp). Marker indices outside
  // 0..49 are ignored.
  void DrawBlock(double y, double x, TColor colour, int index, bool hidden, int shape) override;
  void SetBlockParameter(int index, double frequency, double gain, double q, int filterCode) override;
  void SetBlockPosition(double sx, double sy, int index);
  /// The marker's last screen point; (0, 0) for an index outside 0..49.
  TPoint GetBlockPos(int index) const;
  /// Whether the marker has been drawn since the plot was made.
  bool IsBlockDrawn(int index) const;
  void DrawParam(int bandType, double gain, double x, float frequency, double q, TColor colour) override;
  void ShowParam(int bandType, double gain, double x, float frequency, double q, TColor colour);
  /// Takes up to 4096 values as the start of the fill curve and draws their fill.
  void DrawCurveFill(int bandType, const double* values, int count) override;
  void SetCurveDisplay(bool on) override;
  void DrawLine(double x, TColor colour, bool marker);
  void DrawTextA(int x, int y, int size, TColor colour, const QString& fontName, const QString& text);
  void BlockPaint();
  void LinePaint();
  void TextPaint();
  void CuveDisplayPaint();
  void UpdateCurvePage();
  const PlotOverlayState& Overlay() const { return m_overlay; }

  // Mouse gestures (ResponsePlotBase_Mouse.cpp); a host calls them from its
  // own handlers. x and y are control pixels.
  void MouseDown1(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove1(TShiftState shift, int x, int y);
  void MouseUp1(TMouseButton button, TShiftState shift, int x, int y);
  void DblClick1();
  bool Panning() const { return m_panning; }
  bool Zooming() const { return m_zooming; }
  bool BandSelecting() const { return m_bandSelecting; }

  // Pages and the control's surface.
  TPaintPage& PlotPage() { return *m_plotPage; }
  TPaintPage& XLabelPage() { return *m_xLabelPage; }
  TPaintPage& YLabelPage() { return *m_yLabelPage; }
  TPaintPage& PlotTitlePage() { return *m_plotTitlePage; }
  TPaintPage& XTitlePage() { return *m_xTitlePage; }
  TPaintPage& YTitlePage() { return *m_yTitlePage; }
  TPaintPage& RightMarginPage() { return *m_rightMarginPage; }
  TPaintPage& YTitleTextPage() { return *m_yTitleTextPage; }
  TPaintPage& MouseCoordPage() { return *m_mouseCoordPage; }
  /// What the control shows: the pages copied onto it so far.
  const TBitmap& Surface() const { return m_surface; }

  /// Lays the pages out for the final size of a control built in code.
  void Loaded() override;

protected:
  /// Which lines ShowParam (repaint false) or CuveDisplayPaint (repaint
  /// true) writes for a band-type code.
  virtual ParamLines ParamTextLines(int bandType, bool repaint) const = 0;

  void SetParameterDisplayFlag(bool on) { m_overlay.ParameterDisplay = on; }
  /// Replaces everything by a copy of the other plot (curves, properties).
  void AssignPlotFrom(const ResponsePlotBase& other);
  void AssignPlotDataFrom(const ResponsePlotBase& other);
  void AppendPlotDataFrom(const ResponsePlotBase& other);
  void AssignPlotPropertiesFrom(const ResponsePlotBase& other);

  void Paint() override;

private:
  void SetProperties();
  void Initialize();
  void CleanUp();
  TPlotListMember* FindCurve(int id) const;
  /// The pages RedrawScreen shows, in its order (the strips whose switch
  /// is on, the right margin, the plot page).
  std::vector<TPaintPage*> ScreenPages() const;
  void AfterCurveChange();
  void AfterRangeChange();
  void AfterFontChange(TFont& target, std::initializer_list<TPaintPage*> pages, const TFont& font);
  bool LayoutOnce(bool& tooShort, bool& tooNarrow);
  void ApplyPanOrZoom(double xMin, double xMax, double yMin, double yMax);
  void DrawBandRect();
  void DrawMarker(int index, int shape, double sx, double sy);
  void WriteParamText(ParamLines lines, double gain, double sx, double sy, float frequency, double q, TColor colour);
  void DrawFill(const double* values, int count, bool outlineClosure);
  void DrawOverlayLine(TPenStyle style);
  void PaintOverlays();
  void FullPaint();
  void CopyToSurface(const TPaintPage& page);
  QString FormatX(double value) const;
  QString FormatY(double value) const;
  double Bin(double frequency) const;
  static std::vector<double> LogGridValues(double logMin, double logMax, int linesPerDecade);
  std::vector<double> HorzGridValues() const;
  std::vector<double> VertGridPositions(bool linearFrequencyGrid) const;

  int m_lineSize = 0;
  std::unique_ptr<TPlotList> m_plots;
  int m_lastWidth = 0;
  int m_lastHeight = 0;
  bool m_autoRedraw = true;
  TColor m_axisColor = 35840;
  TMyAxisStyle m_axisStyle = TMyAxisStyle::CenteredBox;
  TMyAxisFormat m_xAxisFormat = TMyAxisFormat::Linear;
  TMyAxisFormat m_yAxisFormat = TMyAxisFormat::Linear;
  bool m_showXLabel = true;
  bool m_showYLabel = true;
  bool m_showCoordinates = true;
  bool m_yAutoScale = true;
  bool m_xAutoScale = true;
  int m_pointSize = 2;
  double m_yLabelScale = 1.0;
  double m_yMax = 18.0;
  double m_yMin = -18.0;
  double m_xMax = 4130.0;
  double m_xMin = 1030.0;
  double m_mouseX = 0.0;
  double m_mouseY = 0.0;
  int m_xLabelPrecision = 4;
  int m_yLabelPrecision = 5;
  int m_xLabelDigits = 4;
  int m_yLabelDigits = 4;
  TStringFloatFormat m_yLabelFormat = TStringFloatFormat::sffGeneral;
  TStringFloatFormat m_xLabelFormat = TStringFloatFormat::sffGeneral;
  bool m_showVertGrid = true;
  bool m_showHorzGrid = true;
  int m_numVertGrid = 10;
  int m_numHorzGrid = 11;
  bool m_showVertTicks = true;
  bool m_showHorzTicks = true;
  int m_vertTickLength = 0;
  int m_horzTickLength = 0;
  TColor m_gridColor = 18432;
  bool m_showXTitle = false;
  bool m_showYTitle = false;
  bool m_showPlotTitle = false;
  QString m_xTitle;
  QString m_yTitle;
  QString m_yLabel;
  QString m_plotTitle;
  std::unique_ptr<TFont> m_plotTitleFont;
  std::unique_ptr<TFont> m_axisTitleFont;
  std::unique_ptr<TFont> m_axisLabelFont;
  std::unique_ptr<TFont> m_mouseCoordFont;
  double m_logXMin = 0.0;
  double m_logXMax = 0.0;
  double m_logYMin = 0.0;
  double m_logYMax = 0.0;
  int m_lastMouseX = 0;
  int m_lastMouseY = 0;
  int m_bandAnchorX = 0;
  int m_bandAnchorY = 0;
  bool m_panning = false;
  bool m_zooming = false;
  bool m_bandSelecting = false;
  std::unique_ptr<TPaintPage> m_plotPage;
  std::unique_ptr<TPaintPage> m_xLabelPage;
  std::unique_ptr<TPaintPage> m_yLabelPage;
  std::unique_ptr<TPaintPage> m_plotTitlePage;
  std::unique_ptr<TPaintPage> m_xTitlePage;
  std::unique_ptr<TPaintPage> m_yTitlePage;
  std::unique_ptr<TPaintPage> m_rightMarginPage;
  std::unique_ptr<TPaintPage> m_yTitleTextPage;
  std::unique_ptr<TPaintPage> m_mouseCoordPage;
  std::unique_ptr<TRect> m_bandRect;
  PlotOverlayState m_overlay;

  TBitmap m_surface;
  QImage m_cleanPlotPixels;  // the plot page without its overlays, while they are drawn
  bool m_inPaint = false;
  bool m_surfaceUpdatePending = false;
  bool m_fullPaintRequested = false;
};
