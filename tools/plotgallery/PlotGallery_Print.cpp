#include <QPainter>

#include "platform/widgets/TPrinter.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/editor/TiPlotPreviewForm.h"
#include "plot/editor/TiPlotPreviewSettingsForm.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tools/plotgallery/PlotGallery.h"

namespace PlotGallery {

namespace {

/// A plot with one rising and falling trace over X 0 to 10.
void FillPlot(TiPlot& plot) {
  plot.SetBounds(0, 0, 520, 320);
  plot.SetTitleText(QStringLiteral("Print preview"));
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
    axis->SetTrackingEnabled(false);
    axis->SetMinSpan(0, 10);
  }
  TiPlotChannel& channel = *plot.Channel(0);
  for (int i = 0; i <= 40; ++i) {
    const double x = i * 0.25;
    channel.AddXY(x, 5 + 4 * (x < 5 ? x / 5 : (10 - x) / 5) - 2 * ((i % 4) == 0));
  }
}

}  // namespace

QImage RenderPreviewSheet() {
  TiPlot plot;
  FillPlot(plot);
  TiPlotPreviewForm preview;
  preview.iComponent = &plot;
  preview.PrintOrientation = TPrinterOrientation::poLandscape;
  plot.StoredSettings().PrintOrientation = TPrinterOrientation::poLandscape;
  preview.SetCaption(QStringLiteral("Untitled (Preview)"));
  TiPlotPreviewSettingsForm settings;
  settings.SetValues(preview);

  const QImage previewImage = preview.grab().toImage();
  const QImage settingsImage = settings.grab().toImage();
  QImage sheet(previewImage.width() + settingsImage.width() + 30,
               std::max(previewImage.height(), settingsImage.height()) + 20, QImage::Format_RGB32);
  sheet.fill(Qt::darkGray);
  QPainter painter(&sheet);
  painter.drawImage(10, 10, previewImage);
  painter.drawImage(previewImage.width() + 20, 10, settingsImage);
  return sheet;
}

QImage RenderPrintedPageSheet() {
  TiPlot plot;
  FillPlot(plot);
  plot.StoredSettings().PrintShowDialog = false;
  plot.OnBeforePrint = [&plot](TObject*) { plot.XAxis(0)->SetSpan(4); };
  TPrinter& printer = Printer();
  printer.SetPaperSizeCode(1);
  printer.PrintToPageImages(60);
  plot.PrintChart();
  const std::vector<QImage> pages = printer.PageImages();
  printer.PrintToDevice();
  int width = 10;
  int height = 0;
  for (const QImage& page : pages) {
    width += page.width() + 10;
    height = std::max(height, page.height() + 20);
  }
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(Qt::darkGray);
  QPainter painter(&sheet);
  int x = 10;
  for (const QImage& page : pages) {
    painter.drawImage(x, 10, page);
    x += page.width() + 10;
  }
  return sheet;
}

}  // namespace PlotGallery
