#include <QPainter>

#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/editor/TiComponentEditorPageControl.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "tools/plotgallery/PlotGallery.h"

namespace PlotGallery {

namespace {

/// One picture of the editor: the main page, and per nested page control
/// the tab to show (in order, outer first).
struct EditorShot {
  QString page;
  std::vector<std::pair<QString, QString>> tabs;
};

void ShowTab(TiPlotEditorForm& form, const QString& pageControl, const QString& caption) {
  auto* pages = form.Control<TiComponentEditorPageControl>(pageControl);
  if (pages == nullptr) return;
  for (int i = 0; i < pages->count(); ++i) {
    if (pages->tabText(i) == caption) pages->setCurrentIndex(i);
  }
}

/// The editor of plot in each shot, tiled three to a row.
QImage EditorSheet(TiPlotComponent& plot, const std::vector<EditorShot>& shots) {
  plot.SetBounds(0, 0, 400, 300);
  plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
  plot.Master().EditProperties();
  TiPlotEditorForm& form = *plot.Master().EditorForm();
  std::vector<QImage> tiles;
  for (const EditorShot& shot : shots) {
    ShowTab(form, QStringLiteral("PageControl"), shot.page);
    for (const auto& [pageControl, caption] : shot.tabs) ShowTab(form, pageControl, caption);
    tiles.push_back(form.grab().toImage());
  }
  form.close();
  const int columns = 3;
  const int w = tiles.front().width();
  const int h = tiles.front().height();
  const int rows = int(tiles.size() + columns - 1) / columns;
  QImage sheet(columns * (w + 8) + 8, rows * (h + 8) + 8, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (size_t i = 0; i < tiles.size(); ++i) {
    painter.drawImage(8 + int(i % columns) * (w + 8), 8 + int(i / columns) * (h + 8), tiles[i]);
  }
  return sheet;
}

std::vector<EditorShot> ChannelShots(bool xy) {
  const QString pc = QStringLiteral("ChannelPageControl");
  std::vector<EditorShot> shots;
  QStringList captions{"General", "Trace", "Marker"};
  if (!xy)
    captions << "Bar"
             << "High/Low"
             << "Fill"
             << "Digital";
  captions << "File I/O"
           << "Stats";
  for (const QString& caption : captions) {
    shots.push_back({QStringLiteral("Channels"), {{pc, caption}}});
    if (caption == "High/Low") {
      shots.back().tabs.push_back({QStringLiteral("ChannelHighLowPageControl"), QStringLiteral("Open/Close")});
      shots.push_back({QStringLiteral("Channels"),
                       {{pc, caption}, {QStringLiteral("ChannelHighLowPageControl"), QStringLiteral("Candlestick")}}});
    }
  }
  return shots;
}

std::vector<EditorShot> AxisShots(const QString& page, const QString& prefix) {
  const QString pc = prefix + QStringLiteral("PageControl");
  const QString labels = prefix + QStringLiteral("LabelsPageControl");
  std::vector<EditorShot> shots;
  for (const char* caption : {"General", "Title"}) shots.push_back({page, {{pc, QString::fromLatin1(caption)}}});
  for (const char* caption : {"(Default)", "Cursor", "Legend"}) {
    shots.push_back({page, {{pc, QStringLiteral("Labels")}, {labels, QString::fromLatin1(caption)}}});
  }
  for (const char* caption : {"Tracking", "Cursor", "Scroll", "Scale", "Cartesian"}) {
    shots.push_back({page, {{pc, QString::fromLatin1(caption)}}});
  }
  return shots;
}

}  // namespace

QImage RenderEditorChannelsSheet() {
  TiPlot plot;
  return EditorSheet(plot, ChannelShots(false));
}

QImage RenderEditorXYChannelsSheet() {
  TiXYPlot plot;
  return EditorSheet(plot, ChannelShots(true));
}

QImage RenderEditorXAxesSheet() {
  TiPlot plot;
  return EditorSheet(plot, AxisShots(QStringLiteral("X-Axes"), QStringLiteral("XAxis")));
}

QImage RenderEditorYAxesSheet() {
  TiPlot plot;
  return EditorSheet(plot, AxisShots(QStringLiteral("Y-Axes"), QStringLiteral("YAxis")));
}

}  // namespace PlotGallery
