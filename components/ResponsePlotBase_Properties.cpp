#include "components/ResponsePlotBase.h"

#include <algorithm>

// Property setters: each stores the value and then redraws what the value
// affects (AutoRedraw is read at the time of the call).

void ResponsePlotBase::SetAutoRedraw(bool value) {
  m_autoRedraw = value;
  if (value) {
    Redraw();
  }
}

void ResponsePlotBase::SetAxisColor(TColor value) {
  m_axisColor = value;
  DrawAxis();
}

void ResponsePlotBase::SetAxisStyle(TMyAxisStyle value) {
  m_axisStyle = value;
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetYLabelScale(double value) {
  m_yLabelScale = value;
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetYAutoScale(bool value) {
  m_yAutoScale = value;
  FindYMaxMin();
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetXAutoScale(bool value) {
  m_xAutoScale = value;
  FindXMaxMin();
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetXAxisFormat(TMyAxisFormat value) {
  m_xAxisFormat = value;
  FindXMaxMin();
  if (value == TMyAxisFormat::Log) {
    if (m_xMax <= 0) {
      m_xMax = 10.0;
      m_xMin = 1.0;
    } else if (m_xMin <= 0) {
      m_xMin = 0.1 * m_xMax;
    }
    m_logXMin = std::log10(m_xMin);
    m_logXMax = std::log10(m_xMax);
  }
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetYAxisFormat(TMyAxisFormat value) {
  m_yAxisFormat = value;
  FindYMaxMin();
  if (value == TMyAxisFormat::Log) {
    if (m_yMax <= 0) {
      m_yMax = 10.0;
      m_yMin = 1.0;
    } else if (m_yMin <= 0) {
      m_yMin = 0.1 * m_yMax;
    }
    m_logYMin = std::log10(m_yMin);
    m_logYMax = std::log10(m_yMax);
  }
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

namespace {
// Stores a layout switch, lays the pages out again and redraws.
template <typename Plot>
void SetLayoutSwitch(Plot& plot, bool& field, bool value) {
  field = value;
  plot.ResizePaintPage();
  if (plot.AutoRedraw()) {
    plot.Redraw();
  }
}
}  // namespace

void ResponsePlotBase::SetShowXLabel(bool value) { SetLayoutSwitch(*this, m_showXLabel, value); }
void ResponsePlotBase::SetShowYLabel(bool value) { SetLayoutSwitch(*this, m_showYLabel, value); }
void ResponsePlotBase::SetShowXTitle(bool value) { SetLayoutSwitch(*this, m_showXTitle, value); }
void ResponsePlotBase::SetShowYTitle(bool value) { SetLayoutSwitch(*this, m_showYTitle, value); }
void ResponsePlotBase::SetShowPlotTitle(bool value) { SetLayoutSwitch(*this, m_showPlotTitle, value); }

void ResponsePlotBase::SetYLabelFormat(TStringFloatFormat value) {
  m_yLabelFormat = value;
  SetShowYLabel(m_showYLabel);
}

void ResponsePlotBase::SetYLabelPrecision(int value) {
  m_yLabelPrecision = value;
  SetShowYLabel(m_showYLabel);
}

void ResponsePlotBase::SetYLabelDigits(int value) {
  m_yLabelDigits = value;
  SetShowYLabel(m_showYLabel);
}

void ResponsePlotBase::SetXLabelFormat(TStringFloatFormat value) {
  m_xLabelFormat = value;
  SetShowXLabel(m_showXLabel);
}

void ResponsePlotBase::SetXLabelPrecision(int value) {
  m_xLabelPrecision = value;
  SetShowXLabel(m_showXLabel);
}

void ResponsePlotBase::SetXLabelDigits(int value) {
  m_xLabelDigits = value;
  SetShowXLabel(m_showXLabel);
}

void ResponsePlotBase::SetShowCoordinates(bool value) {
  m_showCoordinates = value;
  if (Visible() && m_autoRedraw) {
    m_mouseCoordPage->Clear(Color());
    CopyToSurface(*m_mouseCoordPage);
    DrawAllPlots();
  }
}

void ResponsePlotBase::AfterRangeChange() {
  CompareMaxMin();
  CalculateLogMaxMin();
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetYMax(double value) {
  m_yMax = value;
  AfterRangeChange();
}

void ResponsePlotBase::SetYMin(double value) {
  m_yMin = value;
  AfterRangeChange();
}

void ResponsePlotBase::SetXMax(double value) {
  m_xMax = value;
  AfterRangeChange();
}

void ResponsePlotBase::SetXMin(double value) {
  m_xMin = value;
  AfterRangeChange();
}

namespace {
template <typename Plot, typename T>
void SetAndDrawPlots(Plot& plot, T& field, T value) {
  field = value;
  if (plot.AutoRedraw()) {
    plot.DrawAllPlots();
  }
}
}  // namespace

void ResponsePlotBase::SetPointSize(int value) { SetAndDrawPlots(*this, m_pointSize, std::clamp(value, 1, 10)); }
void ResponsePlotBase::SetShowHorzGrid(bool value) { SetAndDrawPlots(*this, m_showHorzGrid, value); }
void ResponsePlotBase::SetShowVertGrid(bool value) { SetAndDrawPlots(*this, m_showVertGrid, value); }
void ResponsePlotBase::SetShowHorzTicks(bool value) { SetAndDrawPlots(*this, m_showHorzTicks, value); }
void ResponsePlotBase::SetShowVertTicks(bool value) { SetAndDrawPlots(*this, m_showVertTicks, value); }
void ResponsePlotBase::SetGridColor(TColor value) { SetAndDrawPlots(*this, m_gridColor, value); }

void ResponsePlotBase::SetVertTickLength(int value) {
  SetAndDrawPlots(*this, m_vertTickLength, std::clamp(value, 0, std::max(Height(), 0)));
}

void ResponsePlotBase::SetHorzTickLength(int value) {
  SetAndDrawPlots(*this, m_horzTickLength, std::clamp(value, 0, std::max(Width(), 0)));
}

// More grid lines than pixels show nothing more; the bound also keeps the
// line count from overflowing.
void ResponsePlotBase::SetNumHorzGrid(int value) {
  m_numHorzGrid = std::clamp(value, 0, std::max(Height(), 0));
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetNumVertGrid(int value) {
  m_numVertGrid = std::clamp(value, 0, std::max(Width(), 0));
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetXTitle(const QString& value) {
  m_xTitle = value;
  if (m_autoRedraw) {
    DrawTitles();
  }
}

void ResponsePlotBase::SetPlotTitle(const QString& value) {
  m_plotTitle = value;
  if (m_autoRedraw) {
    DrawTitles();
  }
}

void ResponsePlotBase::SetYTitle(const QString& value) {
  m_yTitle = value;
  ResizePaintPage();
  if (m_autoRedraw) {
    DrawTitles();
  }
}

void ResponsePlotBase::SetYLabel(const QString& value) {
  m_yLabel = value;
  ResizePaintPage();
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::AfterFontChange(TFont& target, std::initializer_list<TPaintPage*> pages, const TFont& font) {
  target.Assign(font);
  for (TPaintPage* page : pages) {
    page->SetFont(font);
  }
  ResizePaintPage();
}

void ResponsePlotBase::SetPlotTitleFont(const TFont& font) {
  AfterFontChange(*m_plotTitleFont, {m_plotTitlePage.get()}, font);
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::SetAxisTitleFont(const TFont& font) {
  AfterFontChange(*m_axisTitleFont, {m_xTitlePage.get(), m_yTitlePage.get()}, font);
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::SetAxisLabelFont(const TFont& font) {
  AfterFontChange(*m_axisLabelFont, {m_xLabelPage.get(), m_yLabelPage.get()}, font);
  if (m_autoRedraw) {
    Redraw();
  }
}

void ResponsePlotBase::SetMouseCoordFont(const TFont& font) {
  AfterFontChange(*m_mouseCoordFont, {m_mouseCoordPage.get()}, font);
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

void ResponsePlotBase::SetLineSize(int value) {
  if (value != m_lineSize) {
    m_lineSize = value;
  }
}
