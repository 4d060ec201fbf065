#include "components/ResponsePlotBase.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include <QImage>

#include "components/PlotPixel.h"
#include "platform/text/FloatToStrF.h"

namespace {

TFloatFormat ToFloatFormat(TStringFloatFormat format) { return static_cast<TFloatFormat>(format); }

/// Widest of the 201 numbers pi x 10^e (e = -100 .. 100) written after
/// `prefix` in the format, measured on the canvas.
int WidestNumber(const TCanvas& canvas, const QString& prefix, TStringFloatFormat format, int precision,
                 int digits) {
  int widest = 0;
  for (int e = -100; e <= 100; ++e) {
    const double value = std::numbers::pi * std::pow(10.0, e);
    widest = std::max(widest, canvas.TextWidth(prefix + FloatToStrF(value, ToFloatFormat(format), precision, digits)));
  }
  return widest;
}

}  // namespace

QString ResponsePlotBase::FormatX(double value) const {
  return FloatToStrF(value, ToFloatFormat(m_xLabelFormat), m_xLabelPrecision, m_xLabelDigits);
}

QString ResponsePlotBase::FormatY(double value) const {
  return FloatToStrF(value, ToFloatFormat(m_yLabelFormat), m_yLabelPrecision, m_yLabelDigits);
}

double ResponsePlotBase::ScreenX(double x) const {
  const double width = GetPlotWidth();
  if (m_xAxisFormat == TMyAxisFormat::Linear) {
    return width * (x - m_xMin) / (m_xMax - m_xMin);
  }
  const double lx = x > 0 ? std::log10(x) : std::log10(0.1 * m_xMin);
  return width * (lx - m_logXMin) / (m_logXMax - m_logXMin);
}

double ResponsePlotBase::ScreenY(double y) const {
  const double height = GetPlotHeight();
  if (m_yAxisFormat == TMyAxisFormat::Linear) {
    return height - height * (y - m_yMin) / (m_yMax - m_yMin);
  }
  const double ly = y > 0 ? std::log10(y) : std::log10(0.1 * m_yMin);
  return height - height * (ly - m_logYMin) / (m_logYMax - m_logYMin);
}

double ResponsePlotBase::PlotX(double x) const {
  const double column = x - m_plotPage->Dest().Left;
  const double width = GetPlotWidth();
  if (m_xAxisFormat == TMyAxisFormat::Linear) {
    return m_xMin + column * (m_xMax - m_xMin) / width;
  }
  return std::pow(10.0, m_logXMin + column * (m_logXMax - m_logXMin) / width);
}

double ResponsePlotBase::PlotY(double y) const {
  const double height = GetPlotHeight();
  const double row = height - (y - m_plotPage->Dest().Top);
  if (m_yAxisFormat == TMyAxisFormat::Linear) {
    return m_yMin + row * (m_yMax - m_yMin) / height;
  }
  return std::pow(10.0, m_logYMin + row * (m_logYMax - m_logYMin) / height);
}

bool ResponsePlotBase::SetPlotWidth(int width) {
  m_plotPage->Bitmap().SetWidth(std::max(width, 0));
  return true;
}

namespace {

// The range of one coordinate over every curve; curves without points are
// passed over, and NaN values do not take part.
void FindRange(const TPlotList& plots, bool useY, double& max, double& min) {
  bool seeded = false;
  for (const TPlotListMember* m = plots.Head(); m != nullptr; m = m->Next.get()) {
    const double* values = useY ? m->Y.data() : m->X.data();
    for (int i = 0; i < m->NumPoints; ++i) {
      const double v = values[i];
      if (std::isnan(v)) {
        continue;
      }
      if (!seeded) {
        max = min = v;
        seeded = true;
      }
      max = std::max(max, v);
      min = std::min(min, v);
    }
  }
  if (!seeded) {
    max = 1.0;
    min = -1.0;
  }
}

}  // namespace

void ResponsePlotBase::FindYMaxMin() {
  if (!m_yAutoScale) {
    return;
  }
  FindRange(*m_plots, true, m_yMax, m_yMin);
  CompareMaxMin();
  CalculateLogMaxMin();
}

void ResponsePlotBase::FindXMaxMin() {
  if (!m_xAutoScale) {
    return;
  }
  FindRange(*m_plots, false, m_xMax, m_xMin);
  CompareMaxMin();
  CalculateLogMaxMin();
}

void ResponsePlotBase::CompareMaxMin() {
  if (m_yMax == m_yMin) {
    m_yMax = m_yAxisFormat == TMyAxisFormat::Log ? m_yMin * 10 : m_yMax + 1;
  }
  if (m_xMax == m_xMin) {
    m_xMax = m_xAxisFormat == TMyAxisFormat::Log ? m_xMin * 10 : m_xMax + 1;
  }
}

void ResponsePlotBase::CalculateLogMaxMin() {
  if (m_xAxisFormat == TMyAxisFormat::Log) {
    if (m_xMax <= 0) {
      m_xMax = 10.0;
    }
    if (m_xMin <= 0) {
      m_xMin = 0.1 * m_xMax;
    }
    m_logXMax = std::log10(m_xMax);
    m_logXMin = std::log10(m_xMin);
  }
  if (m_yAxisFormat == TMyAxisFormat::Log) {
    if (m_yMax <= 0) {
      m_yMax = 10.0;
    }
    if (m_yMin <= 0) {
      m_yMin = 0.01 * m_yMax;
    }
    m_logYMax = std::log10(m_yMax);
    m_logYMin = std::log10(m_yMin);
  }
}

void ResponsePlotBase::SetXYMinMax(double xMin, double xMax, double yMin, double yMax) {
  m_xMin = xMin;
  m_xMax = xMax;
  m_yMin = yMin;
  m_yMax = yMax;
  CalculateLogMaxMin();
  CompareMaxMin();
  if (m_autoRedraw) {
    DrawPlotsAndLabels();
  }
}

bool ResponsePlotBase::LayoutOnce(bool& tooShort, bool& tooNarrow) {
  const int w = Width();
  const int h = Height();
  int left = -30;
  int top = 0;
  int plotBottom = h;
  int xLabelBottom = h;
  int yTitleWidth = 0;
  int yTextW = 0;
  int yTextH = 0;
  if (m_showXLabel) {
    m_xLabelPage->SetFont(*m_axisLabelFont);
    plotBottom = PixelTrunc(plotBottom - 1.2 * m_xLabelPage->Canvas().TextHeight(FormatX(m_xMin)));
  }
  if (m_showXTitle) {
    m_xTitlePage->SetFont(*m_axisTitleFont);
    const int titleHeight = m_xTitlePage->Canvas().TextHeight(m_xTitle);
    plotBottom -= 2 * titleHeight;
    xLabelBottom -= 2 * titleHeight;
  }
  if (m_showYLabel) {
    m_yLabelPage->SetFont(*m_axisLabelFont);
    left += WidestNumber(m_yLabelPage->Canvas(), QString(), m_xLabelFormat,
                         std::max(m_xLabelPrecision, m_yLabelPrecision), std::max(m_xLabelDigits, m_yLabelDigits)) +
            4;
  }
  if (m_showYTitle) {
    m_yTitleTextPage->SetFont(*m_axisTitleFont);
    m_yTitlePage->SetFont(*m_axisTitleFont);
    const TCanvas& canvas = m_yTitlePage->Canvas();
    left += 2 * canvas.TextHeight(m_yTitle);
    yTitleWidth = 2 * canvas.TextHeight(m_yTitle);
    yTextW = canvas.TextWidth(m_yTitle);
    yTextH = canvas.TextHeight(m_yTitle);
  }
  if (m_showPlotTitle) {
    m_plotTitlePage->SetFont(*m_plotTitleFont);
    top += 2 * m_plotTitlePage->Canvas().TextHeight(m_plotTitle);
  } else {
    top += 10;
  }
  if (m_showCoordinates) {
    m_mouseCoordPage->SetFont(*m_mouseCoordFont);
    const TCanvas& canvas = m_mouseCoordPage->Canvas();
    const QString prefix = QStringLiteral("x = ");
    const int width = WidestNumber(canvas, prefix, m_yLabelFormat, m_yLabelPrecision, m_yLabelDigits);
    const int height = 2 * canvas.TextHeight(prefix) + 10;
    m_mouseCoordPage->SetBounds(w - width - 5, top + 4, w - 5, top + height + 2);
  }
  if (top < plotBottom && left < w) {
    m_plotPage->SetBounds(left, top, w - 10, plotBottom);
    m_xLabelPage->SetBounds(left, plotBottom, w - 10, xLabelBottom);
    m_xTitlePage->SetBounds(left, xLabelBottom, w - 10, h);
    m_yLabelPage->SetBounds(yTitleWidth, top, left, h);
    m_yTitlePage->SetBounds(0, top, yTitleWidth, h);
    m_yTitleTextPage->SetBounds(0, 0, yTextW, yTextH);
    m_plotTitlePage->SetBounds(0, 0, w - 10, top);
    m_rightMarginPage->SetBounds(w - 10, 0, w, h);
  }
  tooShort = top > plotBottom;
  tooNarrow = left > w;
  return !tooShort && !tooNarrow;
}

void ResponsePlotBase::ResizePaintPage() {
  bool tooShort = false;
  bool tooNarrow = false;
  LayoutOnce(tooShort, tooNarrow);
  if (tooShort) {
    m_showPlotTitle = m_showXLabel = m_showXTitle = false;
    LayoutOnce(tooShort, tooNarrow);
  }
  if (tooNarrow) {
    m_showYLabel = m_showYTitle = false;
    LayoutOnce(tooShort, tooNarrow);
  }
  for (int i = 0; i < PlotOverlayState::kMarkerCount; ++i) {
    SetBlockPosition(ScreenX(m_overlay.BlockX[std::size_t(i)]), ScreenY(m_overlay.BlockY[std::size_t(i)]), i);
  }
}

void ResponsePlotBase::Loaded() { ResizePaintPage(); }

void ResponsePlotBase::CopyToSurface(const TPaintPage& page) {
  if (m_surface.Width() != Width() || m_surface.Height() != Height()) {
    m_surface.SetSize(Width(), Height());
    m_surface.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    m_surface.Canvas().Brush().SetColor(Color());
    m_surface.Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }
  if (page.Bitmap().Width() > 0 && page.Bitmap().Height() > 0) {
    m_surface.Canvas().CopyRect(page.Dest(), page.Bitmap().Canvas(), page.Source());
  }
  if (!m_inPaint) {
    m_surfaceUpdatePending = true;
    update();
  }
}

void ResponsePlotBase::PaintOverlays() {
  BlockPaint();
  if (m_overlay.LineShown) {
    LinePaint();
  }
  TextPaint();
  CuveDisplayPaint();
}

// The overlays are composed over the plot page's clean pixels, which the
// page gets back once it is shown: a translucent fill or an antialiased
// text looks the same however often the page is shown, and the other pages
// never need them.
void ResponsePlotBase::UpdatePaintPage(TPaintPage& page) {
  QImage* image = m_plotPage->Canvas().Target();
  if (&page != m_plotPage.get() || image == nullptr) {
    CopyToSurface(page);
    return;
  }
  // The clean pixels wait in a buffer the plot keeps: the page keeps its
  // image, and with it the paint engine Qt holds for the image, instead of
  // drawing on a fresh copy at every update.
  const bool hasPixels = !image->isNull();
  if (hasPixels) {
    if (m_cleanPlotPixels.size() != image->size() || m_cleanPlotPixels.format() != image->format()) {
      m_cleanPlotPixels = QImage(image->size(), image->format());
    }
    std::memcpy(m_cleanPlotPixels.bits(), image->constBits(), std::size_t(image->sizeInBytes()));
  }
  PaintOverlays();
  CopyToSurface(page);
  if (hasPixels) {
    std::memcpy(image->bits(), m_cleanPlotPixels.constBits(), std::size_t(image->sizeInBytes()));
  }
}

void ResponsePlotBase::DrawPlotsAndLabelsNoUpdate() {
  DrawAllPlots();
  DrawXAxisLabels();
  DrawYAxisLabels();
}

void ResponsePlotBase::DrawPlotsAndLabels() {
  DrawPlotsAndLabelsNoUpdate();
  UpdatePaintPage(*m_plotPage);
}

void ResponsePlotBase::Redraw() {
  DrawPlotsAndLabels();
  DrawTitles();
}

std::vector<TPaintPage*> ResponsePlotBase::ScreenPages() const {
  std::vector<TPaintPage*> pages;
  const std::pair<bool, TPaintPage*> strips[] = {{m_showXLabel, m_xLabelPage.get()},
                                                 {m_showXTitle, m_xTitlePage.get()},
                                                 {m_showYLabel, m_yLabelPage.get()},
                                                 {m_showYTitle, m_yTitlePage.get()},
                                                 {m_showPlotTitle, m_plotTitlePage.get()}};
  for (const auto& [shown, page] : strips) {
    if (shown) {
      pages.push_back(page);
    }
  }
  pages.push_back(m_rightMarginPage.get());
  pages.push_back(m_plotPage.get());
  return pages;
}

void ResponsePlotBase::RedrawScreen() {
  for (TPaintPage* page : ScreenPages()) {
    UpdatePaintPage(*page);
  }
}

void ResponsePlotBase::ClearPlot() {
  for (TPaintPage* page : ScreenPages()) {
    page->Clear(Color());
  }
  if (m_showYTitle) {
    m_yTitleTextPage->Clear(Color());
  }
}

void ResponsePlotBase::InvalidatePlot() {
  m_fullPaintRequested = true;
  TPaintBox::Invalidate();
}

void ResponsePlotBase::RepaintPlot() {
  FullPaint();
  m_surfaceUpdatePending = true;
  update();
}

void ResponsePlotBase::FullPaint() {
  m_inPaint = true;
  if (Width() != m_lastWidth || Height() != m_lastHeight) {
    m_lastWidth = Width();
    m_lastHeight = Height();
    ResizePaintPage();
  }
  Redraw();
  m_inPaint = false;
}

// A paint event scheduled only to show pages already copied onto the
// surface shows the surface; every other one (first show, resize,
// InvalidatePlot) lays out when the size changed and redraws everything first.
void ResponsePlotBase::Paint() {
  const bool sizeChanged = Width() != m_lastWidth || Height() != m_lastHeight;
  if (sizeChanged || m_fullPaintRequested || !m_surfaceUpdatePending) {
    FullPaint();
  }
  m_fullPaintRequested = false;
  m_surfaceUpdatePending = false;
  if (m_surface.Width() > 0 && m_surface.Height() > 0) {
    Canvas().CopyRect(Rect(0, 0, m_surface.Width(), m_surface.Height()), m_surface.Canvas(),
                      Rect(0, 0, m_surface.Width(), m_surface.Height()));
  }
  TPaintBox::Paint();
}
