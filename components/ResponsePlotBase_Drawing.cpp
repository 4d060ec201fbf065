#include "components/ResponsePlotBase.h"

#include <array>
#include <cmath>

#include "components/PlotPixel.h"

namespace {

// Label frequencies as log10 values: the four always shown first, then the
// six added on plots 800 pixels wide or more.
constexpr std::array<double, 10> kLabelLogFrequencies = {1.301029996, 2.0,         3.0,         4.0,
                                                          4.301029996, 1.698970004, 2.301029996, 2.698970004,
                                                          3.301029996, 3.698970004};

// The decades walked by the log grids; bounded so that a degenerate range
// cannot make the walk endless.
constexpr double kMaxDecades = 700.0;

bool WalkableDecades(double logMin, double logMax) {
  return std::isfinite(logMin) && std::isfinite(logMax) && logMax - logMin <= kMaxDecades;
}

void LineBetween(TCanvas& canvas, TPoint from, TPoint to) {
  canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(to.X, to.Y);
}

}  // namespace

double ResponsePlotBase::Bin(double frequency) const {
  const double nyquist = (int(SampleRate) + 1) * 24000.0;
  return std::log10(frequency) / std::log10(nyquist) * std::pow(2.0, int(FFTNuimber)) * 256.0;
}

// Every decade from floor(logMin) while below logMax, and linesPerDecade
// evenly spaced values inside it.
std::vector<double> ResponsePlotBase::LogGridValues(double logMin, double logMax, int linesPerDecade) {
  std::vector<double> values;
  if (!WalkableDecades(logMin, logMax)) {
    return values;
  }
  for (int d = int(std::floor(logMin)); d < logMax; ++d) {
    const double base = std::pow(10.0, d);
    values.push_back(base);
    const double step = (std::pow(10.0, d + 1) - base) / (linesPerDecade + 1);
    for (int i = 1; i <= linesPerDecade; ++i) {
      values.push_back(base + i * step);
    }
  }
  return values;
}

std::vector<double> ResponsePlotBase::HorzGridValues() const {
  std::vector<double> values;
  if (m_yAxisFormat == TMyAxisFormat::Linear) {
    const double step = (m_yMax - m_yMin) / (m_numHorzGrid + 1);
    for (int i = 1; i <= m_numHorzGrid; ++i) {
      values.push_back(m_yMin + i * step);
    }
    return values;
  }
  return LogGridValues(m_logYMin, m_logYMax, m_numHorzGrid);
}

// Columns of the vertical grid: on a Linear x axis the frequency grid (b x
// 10^a for a = 1..14, b = 1..10, as curve positions), else the log grid.
std::vector<double> ResponsePlotBase::VertGridPositions(bool linearFrequencyGrid) const {
  std::vector<double> columns;
  if (linearFrequencyGrid) {
    for (int a = 1; a <= 14; ++a) {
      for (int b = 1; b <= 10; ++b) {
        columns.push_back(ScreenX(Bin(b * std::pow(10.0, a))));
      }
    }
    return columns;
  }
  for (double value : LogGridValues(m_logXMin, m_logXMax, m_numVertGrid)) {
    columns.push_back(ScreenX(value));
  }
  return columns;
}

void ResponsePlotBase::DrawAllPlots() {
  if (!Visible()) {
    return;
  }
  m_plotPage->Clear(Color());
  DrawGrid();
  DrawTicks();
  DrawAxis();
  for (const TPlotListMember* m = m_plots->Head(); m != nullptr; m = m->Next.get()) {
    DrawOnePlot(*m);
  }
}

void ResponsePlotBase::DrawGrid() {
  TCanvas& canvas = m_plotPage->Canvas();
  const int width = GetPlotWidth();
  const int height = GetPlotHeight();
  canvas.Pen().SetColor(m_gridColor);
  if (m_showHorzGrid) {
    for (double value : HorzGridValues()) {
      const int y = PixelTrunc(ScreenY(value));
      LineBetween(canvas, {0, y}, {width, y});
    }
  }
  if (m_showVertGrid) {
    const bool linear = m_xAxisFormat == TMyAxisFormat::Linear;
    const std::vector<double> columns = VertGridPositions(linear);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (linear) {
        canvas.Pen().SetColor(i % 10 == 0 ? m_axisColor : m_gridColor);
      }
      const int x = PixelTrunc(columns[i]);
      LineBetween(canvas, {x, 0}, {x, height});
    }
  }
}

void ResponsePlotBase::DrawTicks() {
  TCanvas& canvas = m_plotPage->Canvas();
  const int height = GetPlotHeight();
  canvas.Pen().SetColor(m_axisColor);
  if (m_showHorzTicks) {
    for (double value : HorzGridValues()) {
      const int y = PixelTrunc(ScreenY(value));
      LineBetween(canvas, {0, y}, {m_horzTickLength, y});
    }
  }
  if (m_showVertTicks) {
    const bool linear = m_xAxisFormat == TMyAxisFormat::Linear;
    const int top = height - m_vertTickLength - (linear ? 2 : 0);
    for (double column : VertGridPositions(linear)) {
      const int x = PixelTrunc(column);
      LineBetween(canvas, {x, height}, {x, top});
    }
  }
}

void ResponsePlotBase::DrawAxis() {
  if (!Visible()) {
    return;
  }
  TCanvas& canvas = m_plotPage->Canvas();
  const int width = GetPlotWidth();
  const int height = GetPlotHeight();
  canvas.Pen().SetColor(m_axisColor);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(m_axisColor);
  const bool box = m_axisStyle == TMyAxisStyle::Box || m_axisStyle == TMyAxisStyle::CenteredBox;
  const bool centred = m_axisStyle == TMyAxisStyle::Centered || m_axisStyle == TMyAxisStyle::CenteredBox;
  if (box) {
    canvas.FrameRect(m_plotPage->Source());
  }
  if (centred) {
    if (m_yMax != m_yMin) {
      const int y = PixelTrunc(ScreenY(0));
      LineBetween(canvas, {0, y}, {width, y});
    }
    if (m_xMax != m_xMin) {
      const int x = PixelTrunc(ScreenX(0));
      LineBetween(canvas, {x, 0}, {x, height});
    }
  }
  if (m_axisStyle == TMyAxisStyle::LB) {
    LineBetween(canvas, {0, 0}, {0, height - 1});
    LineBetween(canvas, {0, height - 1}, {width, height - 1});
  }
}

void ResponsePlotBase::DrawOnePlot(const TPlotListMember& curve) {
  if (!Visible() || curve.NumPoints <= 0) {
    return;
  }
  TCanvas& canvas = m_plotPage->Canvas();
  const int width = GetPlotWidth();
  const int height = GetPlotHeight();
  const TMyPlotStyle style = curve.Style;
  canvas.Pen().SetWidth(2);
  canvas.Pen().SetColor(curve.Color);
  const bool colourSquares = style == TMyPlotStyle::ColorSquares || style == TMyPlotStyle::LineColorSquares;
  canvas.Brush().SetColor(colourSquares ? curve.Color : Color());

  const bool lines = style == TMyPlotStyle::Line || style == TMyPlotStyle::LineColorSquares ||
                     style == TMyPlotStyle::LineBackgroundSquares;
  const bool squares = style == TMyPlotStyle::ColorSquares || style == TMyPlotStyle::BackgroundSquares ||
                       style == TMyPlotStyle::LineColorSquares || style == TMyPlotStyle::LineBackgroundSquares;
  // Runs of connected points are drawn as one polyline: a point outside
  // -2..3 page sizes ends a run and starts the next one (the pen only moves
  // there), and a square ends the run that leads to its point.
  std::vector<TPoint> run{{PixelTrunc(FFTScreenX(curve.X[0])), PixelTrunc(FFTScreenY(curve.Y[0]))}};
  auto flush = [&] {
    if (run.size() > 1) {
      canvas.Polyline(run);
    }
  };
  for (int i = 0; i < curve.NumPoints; ++i) {
    const double fx = FFTScreenX(curve.X[i]);
    const double fy = FFTScreenY(curve.Y[i]);
    const TPoint p{PixelTrunc(fx), PixelTrunc(fy)};
    if (fx < -2.0 * width || fx >= 3.0 * width || fy < -2.0 * height || fy >= 3.0 * height) {
      flush();
      run.assign(1, p);
      continue;
    }
    if (lines) {
      run.push_back(p);
    }
    if (squares) {
      flush();
      canvas.Rectangle(p.X - m_pointSize, p.Y - m_pointSize, p.X + m_pointSize, p.Y + m_pointSize);
      if (lines) {
        run.assign(1, p);
      }
    }
  }
  flush();
  canvas.MoveTo(run.back().X, run.back().Y);
  canvas.Pen().SetWidth(2);
}

void ResponsePlotBase::DrawXAxisLabels() {
  if (!m_showXLabel) {
    return;
  }
  TPaintPage& page = *m_xLabelPage;
  page.Clear(Color());
  page.SetFont(*m_axisLabelFont);
  const int count = Width() < 800 ? 4 : 10;
  for (int i = 0; i < count; ++i) {
    const double f = std::pow(10.0, kLabelLogFrequencies[std::size_t(i)]);
    const double x = ScreenX(Bin(f));
    const QString text = f < 1000 ? FormatX(f) + QStringLiteral("Hz") : FormatX(f * 0.001) + QStringLiteral("KHz");
    page.Canvas().TextOut(PixelTrunc(x - 0.5 * page.Canvas().TextWidth(text)), 1, text);
  }
  UpdatePaintPage(page);
}

void ResponsePlotBase::DrawYAxisLabels() {
  if (!m_showYLabel) {
    return;
  }
  TPaintPage& page = *m_yLabelPage;
  page.Clear(Color());
  page.SetFont(*m_axisLabelFont);
  TCanvas& canvas = page.Canvas();
  const int pageWidth = page.Bitmap().Width();
  auto write = [&](const QString& text, int y) { canvas.TextOut(pageWidth - canvas.TextWidth(text) - 2, y, text); };
  if (m_yAxisFormat == TMyAxisFormat::Linear) {
    write(QStringLiteral("+") + FormatY(m_yMax * m_yLabelScale) + m_yLabel, 0);
    const QString bottom = FormatY(m_yMin * m_yLabelScale) + m_yLabel;
    write(bottom, PixelTrunc(ScreenY(m_yMin) - canvas.TextHeight(bottom)));
    const double step = (m_yMax - m_yMin) / (m_numHorzGrid + 1);
    for (int k = 2; k <= m_numHorzGrid; k += 2) {
      const double v = m_yMin + k * step;
      QString text = FormatY(m_yLabelScale * step * k + m_yMin * m_yLabelScale) + m_yLabel;
      if (v > 0) {
        text.prepend(QLatin1Char('+'));
      }
      write(text, PixelTrunc(ScreenY(v) - canvas.TextHeight(text) / 2));
    }
  } else if (WalkableDecades(m_logYMin, m_logYMax)) {
    for (int d = int(std::floor(m_logYMin)) + 1; d < m_logYMax; ++d) {
      const QString text = FormatY(std::pow(10.0, d * m_yLabelScale)) + m_yLabel;
      write(text, PixelTrunc(ScreenY(std::pow(10.0, d)) - canvas.TextHeight(text) / 2));
    }
  }
  UpdatePaintPage(page);
}

void ResponsePlotBase::DrawTitles() {
  TPaintPage& title = *m_plotTitlePage;
  title.Clear(Color());
  if (m_showPlotTitle) {
    title.SetFont(*m_plotTitleFont);
    const TSize size = title.Canvas().TextExtent(m_plotTitle);
    title.Canvas().TextOut((GetPlotWidth() - size.cx) / 2 + m_plotPage->Dest().Left,
                           title.Bitmap().Height() - (3 * size.cy) / 2, m_plotTitle);
  }
  UpdatePaintPage(title);
  if (m_showXTitle) {
    TPaintPage& page = *m_xTitlePage;
    page.Clear(Color());
    page.SetFont(*m_axisTitleFont);
    const TSize size = page.Canvas().TextExtent(m_xTitle);
    page.Canvas().TextOut((page.Bitmap().Width() - size.cx) / 2, page.Bitmap().Height() - (3 * size.cy) / 2,
                          m_xTitle);
    UpdatePaintPage(page);
  }
  if (m_showYTitle) {
    TPaintPage& page = *m_yTitlePage;
    page.Clear(Color());
    m_yTitleTextPage->Clear(Color());
    page.SetFont(*m_axisTitleFont);
    m_yTitleTextPage->SetFont(*m_axisTitleFont);
    m_yTitleTextPage->Canvas().TextOut(0, 0, m_yTitle);
    const TSize size = page.Canvas().TextExtent(m_yTitle);
    page.Canvas().TextOut(size.cy / 2, (GetPlotHeight() - size.cx) / 2, m_yTitle);
    UpdatePaintPage(page);
  }
  m_rightMarginPage->Clear(Color());
  UpdatePaintPage(*m_rightMarginPage);
}
