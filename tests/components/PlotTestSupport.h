#pragma once

#include <memory>

#include <QImage>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "platform/drawing/TColor.h"

/// A response plot configured like the main window's channel plots
/// (1070 x 255, x range 966..3840 on the 96 kHz grid, y -18..18 dB, fixed
/// ranges, Tahoma 11 px label fonts), laid out.
inline std::unique_ptr<LMyFFTDrawHpLp6dB> MakeMainWindowPlot(int width = 1070, int height = 255) {
  auto plot = std::make_unique<LMyFFTDrawHpLp6dB>();
  plot->SetAutoRedraw(false);
  plot->SetBounds(0, 0, width, height);
  plot->SetXAutoScale(false);
  plot->SetYAutoScale(false);
  plot->SetXMax(3840.0);
  plot->SetXMin(966.0);
  plot->SampleRate = TSampleRate::n96000;
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetHeight(-11);
  font.SetColor(clLime);
  plot->SetPlotTitleFont(font);
  plot->SetAxisTitleFont(font);
  plot->SetMouseCoordFont(font);
  font.SetColor(clActiveBorder);
  plot->SetAxisLabelFont(font);
  plot->ResizePaintPage();
  plot->SetAutoRedraw(true);
  return plot;
}

/// The page's pixel at (x, y) as a TColor.
inline TColor PagePixel(TPaintPage& page, int x, int y) { return page.Canvas().Pixel(x, y); }

/// The image's pixel at (x, y) as a TColor.
inline TColor ImagePixel(const QImage& image, int x, int y) {
  const QRgb rgb = image.pixel(x, y);
  return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

/// What the control shows of its plot page (overlays included): the
/// surface cut to the page's rectangle.
inline QImage ShownPlotPage(ResponsePlotBase& plot) {
  return plot.Surface().Image().copy(plot.PlotPage().Dest().ToQRect());
}

/// A flat curve of 4096 points at `value`.
inline std::vector<double> FlatCurve(double value, int count = 4096) { return std::vector<double>(count, value); }
