#include <QCoreApplication>
#include <QElapsedTimer>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tools/plotgallery/PlotGallery.h"

namespace PlotGallery {

QImage RenderHintSheet() {
  TiPlot plot;
  plot.SetBounds(0, 0, 520, 320);
  plot.SetTitleText(QStringLiteral("Data-point hint in select mode"));
  auto& toolBar = *plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0);
  toolBar.SetShowSelectButton(true);
  toolBar.DoButtonClick(TiPlotToolBarButtonType::iptbbtSelect);
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
    axis->SetTrackingEnabled(false);
    axis->SetMinSpan(0, 10);
  }
  TiPlotChannel& channel = *plot.Channel(0);
  channel.SetMarkersVisible(true);
  channel.SetMarkersSize(4);
  channel.SetShowDataPointHints(true);
  const double ys[] = {2, 3.5, 6, 5, 7.5, 8, 6.5};
  for (int i = 0; i < 7; ++i) {
    channel.AddXY(1 + 1.3 * i, ys[i]);
  }
  plot.SetHintsPause(1);
  Picture(plot);
  const TPoint p = channel.GetPointPixels(3);
  plot.iMouseMove({}, p.X, p.Y);
  QElapsedTimer waited;
  waited.start();
  while (!plot.HintData().Visible && waited.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return Picture(plot);
}

}  // namespace PlotGallery
