#include "components/ResponsePlotBase.h"

#include <cmath>

ResponsePlotBase::ResponsePlotBase(QWidget* parent) : TPaintBox(parent) {
  SetProperties();
  Initialize();
}

ResponsePlotBase::~ResponsePlotBase() { CleanUp(); }

void ResponsePlotBase::SetProperties() {
  SetBounds(Left(), Top(), 500, 250);
  SetColor(clBlack);
  SetParentColor(false);
  m_autoRedraw = true;
  m_axisColor = 35840;
  m_axisStyle = TMyAxisStyle::CenteredBox;
  m_xAxisFormat = TMyAxisFormat::Linear;
  m_yAxisFormat = TMyAxisFormat::Linear;
  m_showXLabel = m_showYLabel = m_showCoordinates = true;
  m_yAutoScale = m_xAutoScale = true;
  m_yLabelScale = 1.0;
  m_yMax = 18.0;
  m_yMin = -18.0;
  m_xMax = 4130.0;
  m_xMin = 1030.0;
  m_yLabelPrecision = 5;
  m_xLabelPrecision = 4;
  m_xLabelDigits = m_yLabelDigits = 4;
  m_yLabelFormat = m_xLabelFormat = TStringFloatFormat::sffGeneral;
  m_pointSize = 2;
  MouseControl = true;
  m_showVertGrid = m_showHorzGrid = m_showVertTicks = m_showHorzTicks = true;
  m_vertTickLength = m_horzTickLength = 0;
  m_numVertGrid = 10;
  m_numHorzGrid = 11;
  m_gridColor = 18432;
  m_mouseX = m_mouseY = 0.0;
  m_showXTitle = m_showYTitle = m_showPlotTitle = false;
  m_xTitle = QStringLiteral("Frequency ");
  m_yTitle = QStringLiteral("dB");
  m_yLabel = QStringLiteral("dB");
  m_plotTitle = QStringLiteral("Frequency Response");
  FFTNuimber = TFFTNumber::n4096;
  SampleRate = TSampleRate::n48000;
  m_panning = m_zooming = m_bandSelecting = false;
  m_lastWidth = m_lastHeight = 0;
  m_overlay.LineShown = false;
  m_overlay.CurveDisplay = false;
  m_overlay.OverlayText.clear();
}

void ResponsePlotBase::Initialize() {
  m_plots = std::make_unique<TPlotList>();
  for (auto* page : {&m_plotPage, &m_xLabelPage, &m_yLabelPage, &m_plotTitlePage, &m_xTitlePage, &m_yTitlePage,
                     &m_rightMarginPage, &m_yTitleTextPage, &m_mouseCoordPage}) {
    *page = std::make_unique<TPaintPage>();
  }
  for (auto* font : {&m_plotTitleFont, &m_axisTitleFont, &m_axisLabelFont, &m_mouseCoordFont}) {
    *font = std::make_unique<TFont>();
    (*font)->SetColor(clLime);
  }
  m_axisLabelFont->SetColor(clYellow);
}

void ResponsePlotBase::CleanUp() {
  m_plots.reset();
  for (auto* page : {&m_plotPage, &m_xLabelPage, &m_yLabelPage, &m_plotTitlePage, &m_xTitlePage, &m_yTitlePage,
                     &m_rightMarginPage, &m_yTitleTextPage, &m_mouseCoordPage}) {
    page->reset();
  }
  for (auto* font : {&m_plotTitleFont, &m_axisTitleFont, &m_axisLabelFont, &m_mouseCoordFont}) {
    font->reset();
  }
}

void ResponsePlotBase::AssignPlotFrom(const ResponsePlotBase& other) {
  if (&other == this) {
    return;
  }
  CleanUp();
  Initialize();
  m_plots = std::make_unique<TPlotList>(*other.m_plots);
  AssignPlotPropertiesFrom(other);
  FindXMaxMin();
  FindYMaxMin();
  ResizePaintPage();
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::AssignPlotDataFrom(const ResponsePlotBase& other) {
  if (&other == this) {
    return;
  }
  m_plots = std::make_unique<TPlotList>(*other.m_plots);
  FindXMaxMin();
  FindYMaxMin();
  ResizePaintPage();
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::AppendPlotDataFrom(const ResponsePlotBase& other) {
  m_plots->AppendFrom(*other.m_plots);
  FindXMaxMin();
  FindYMaxMin();
  ResizePaintPage();
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::AssignPlotPropertiesFrom(const ResponsePlotBase& other) {
  m_autoRedraw = other.m_autoRedraw;
  m_axisColor = other.m_axisColor;
  m_axisStyle = other.m_axisStyle;
  m_xAxisFormat = other.m_xAxisFormat;
  m_yAxisFormat = other.m_yAxisFormat;
  m_showXLabel = other.m_showXLabel;
  m_showYLabel = other.m_showYLabel;
  m_showCoordinates = other.m_showCoordinates;
  m_yAutoScale = other.m_yAutoScale;
  m_xAutoScale = other.m_xAutoScale;
  m_yLabelScale = other.m_yLabelScale;
  m_yMax = other.m_yMax;
  m_yMin = other.m_yMin;
  m_xMax = other.m_xMax;
  m_xMin = other.m_xMin;
  m_xLabelPrecision = other.m_xLabelPrecision;
  m_yLabelPrecision = other.m_yLabelPrecision;
  m_xLabelDigits = other.m_xLabelDigits;
  m_yLabelDigits = other.m_yLabelDigits;
  m_xLabelFormat = other.m_xLabelFormat;
  m_yLabelFormat = other.m_yLabelFormat;
  m_pointSize = other.m_pointSize;
  m_showVertGrid = other.m_showVertGrid;
  m_showHorzGrid = other.m_showHorzGrid;
  m_showVertTicks = other.m_showVertTicks;
  m_showHorzTicks = other.m_showHorzTicks;
  m_vertTickLength = other.m_vertTickLength;
  m_horzTickLength = other.m_horzTickLength;
  m_numHorzGrid = other.m_numHorzGrid;
  m_numVertGrid = other.m_numVertGrid;
  m_gridColor = other.m_gridColor;
  MouseControl = other.MouseControl;
  m_showXTitle = other.m_showXTitle;
  m_showYTitle = other.m_showYTitle;
  m_showPlotTitle = other.m_showPlotTitle;
  m_xTitle = other.m_xTitle;
  m_yTitle = other.m_yTitle;
  m_yLabel = other.m_yLabel;
  m_plotTitle = other.m_plotTitle;
  m_plotTitleFont->Assign(*other.m_plotTitleFont);
  m_axisTitleFont->Assign(*other.m_axisTitleFont);
  m_axisLabelFont->Assign(*other.m_axisLabelFont);
  m_mouseCoordFont->Assign(*other.m_mouseCoordFont);
  FFTNuimber = other.FFTNuimber;
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::AfterCurveChange() {
  FindXMaxMin();
  FindYMaxMin();
  if (m_autoRedraw) {
    DrawPlotsAndLabelsNoUpdate();
  }
}

bool ResponsePlotBase::FFTDraw(const double* y, int count, int id, TColor color, TMyPlotStyle style) {
  std::vector<double> x(std::size_t(std::max(count, 0)));
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = double(i);
  }
  return FFTDraw(x.data(), y, count, id, color, style);
}

bool ResponsePlotBase::FFTDraw(const double* x, const double* y, int count, int id, TColor color,
                               TMyPlotStyle style) {
  if (count > 0 && (x == nullptr || y == nullptr)) {
    return false;
  }
  const bool replaced = m_plots->AddOrReplace(x, y, count, id, color, style);
  AfterCurveChange();
  return replaced;
}

bool ResponsePlotBase::FFTDraw(const double* y, int count, double firstX, double lastX, int id, TColor color,
                               TMyPlotStyle style) {
  if (count < 2) {
    return false;
  }
  std::vector<double> x(std::size_t(count), 0.0);
  for (int i = 0; i < count; ++i) {
    x[std::size_t(i)] = firstX + (lastX - firstX) / (count - 1) * i;
  }
  return FFTDraw(x.data(), y, count, id, color, style);
}

bool ResponsePlotBase::FFTDraw(const double* values, int count, int id, TColor colour, int style) {
  return FFTDraw(values, count, id, colour, static_cast<TMyPlotStyle>(style));
}

bool ResponsePlotBase::RemovePlot(int id) {
  if (!m_plots->Remove(id)) {
    return false;
  }
  AfterCurveChange();
  return true;
}

TPlotListMember* ResponsePlotBase::FindCurve(int id) const {
  TPlotListMember* member = nullptr;
  m_plots->Find(id, member);
  return member;
}

bool ResponsePlotBase::SetPlotColor(TColor color, int id) {
  TPlotListMember* member = FindCurve(id);
  if (member == nullptr) {
    return false;
  }
  member->Color = color;
  DrawOnePlot(*member);
  RedrawScreen();
  return true;
}

bool ResponsePlotBase::SetPlotStyle(TMyPlotStyle style, int id) {
  TPlotListMember* member = FindCurve(id);
  if (member == nullptr) {
    return false;
  }
  member->Style = style;
  if (m_autoRedraw) {
    DrawAllPlots();
  }
  return true;
}

bool ResponsePlotBase::GetPlotStyle(TMyPlotStyle& style, int id) const {
  const TPlotListMember* member = FindCurve(id);
  if (member != nullptr) {
    style = member->Style;
  }
  return member != nullptr;
}

bool ResponsePlotBase::GetPlotColor(TColor& color, int id) const {
  const TPlotListMember* member = FindCurve(id);
  if (member != nullptr) {
    color = member->Color;
  }
  return member != nullptr;
}

bool ResponsePlotBase::GetPlotNumPoints(int& count, int id) const {
  const TPlotListMember* member = FindCurve(id);
  if (member != nullptr) {
    count = member->NumPoints;
  }
  return member != nullptr;
}

bool ResponsePlotBase::GetPlotX(std::vector<double>& out, int id) const {
  const TPlotListMember* member = FindCurve(id);
  if (member != nullptr) {
    out = member->X;
  }
  return member != nullptr;
}

bool ResponsePlotBase::GetPlotY(std::vector<double>& out, int id) const {
  const TPlotListMember* member = FindCurve(id);
  if (member != nullptr) {
    out = member->Y;
  }
  return member != nullptr;
}
