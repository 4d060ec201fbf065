#include <tuple>

#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/pictures/TBitmap.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/editor/TiPlotLayoutViewer.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tools/plotgallery/PlotGallery.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kCaption = 20;

/// A plot with every kind of bar: three labels, the legend (hidden, so
/// hatched), the toolbar, two X axes, two Y axes sharing a row and a table.
void BuildBusyLayout(TiPlot& plot) {
  TiPlotMasterManager& m = plot.Master();
  plot.DisableLayoutManager();
  auto* label2 = m.LabelManager().ItemAs<TiPlotLayoutObject>(m.AddLabel());
  auto* label3 = m.LabelManager().ItemAs<TiPlotLayoutObject>(m.AddLabel());
  auto* table = m.TableManager().ItemAs<TiPlotLayoutObject>(m.AddTable());
  auto* legend = m.LegendManager().ItemAs<TiPlotLayoutObject>(0);
  TiPlotLayoutObject* xAxis2 = plot.XAxis(m.AddXAxis());
  TiPlotLayoutObject* yAxis2 = plot.YAxis(m.AddYAxis());
  label2->SetName(QStringLiteral("Label 2"));
  label3->SetName(QStringLiteral("Label 3"));
  legend->SetVisible(false);
  auto* title = m.LabelManager().ItemAs<TiPlotLayoutObject>(0);
  auto* toolBar = m.ToolBarManager().ItemAs<TiPlotLayoutObject>(0);
  const std::tuple<TiPlotLayoutObject*, bool, int> places[] = {
      {xAxis2, true, 0}, {plot.XAxis(0), true, 1}, {label2, true, 3}, {label3, true, 4}, {title, true, 5},
      {toolBar, true, 6}, {table, false, 0},        {plot.YAxis(0), false, 1}, {yAxis2, false, 1}, {legend, false, 3}};
  for (auto [o, horizontal, z] : places) {
    o->SetHorizontal(horizontal);
    o->SetZOrder(z);
  }
  plot.YAxis(0)->SetStartStopPercent(0, 50);
  yAxis2->SetStartStopPercent(50, 100);
  plot.SetDataViewZHorz(2);
  plot.SetDataViewZVert(2);
  plot.EnableLayoutManager();
}

QImage Diagram(TiPlotLayoutViewer& viewer) {
  TBitmap bitmap(viewer.Width(), viewer.Height());
  viewer.iPaintTo(bitmap.Canvas());
  return bitmap.Image();
}

void Bind(TiPlotLayoutViewer& viewer, TiPlotComponent& plot) {
  viewer.SetBounds(0, 0, kWidth, kHeight);
  viewer.SetMaster(&plot.Master());
  viewer.SetLayoutManager(&plot.Master().LayoutManager());
  viewer.SetTranslationManager(&plot.Master().TranslationManager());
}

QImage DiagramOf(TiPlotComponent& plot) {
  TiPlotLayoutViewer viewer;
  Bind(viewer, plot);
  return Diagram(viewer);
}

void Send(TiPlotLayoutViewer& viewer, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, at, viewer.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    held, Qt::NoModifier);
  QCoreApplication::sendEvent(&viewer, &event);
}

/// The busy layout while the title is dragged onto Label 2's row at a
/// fraction of the row's height (from its top), the drop frame showing.
QImage MidDrag(double fraction) {
  TiPlot plot;
  BuildBusyLayout(plot);
  TiPlotLayoutViewer viewer;
  Bind(viewer, plot);
  Diagram(viewer);
  const TRect title = plot.Master().LabelManager().ItemAs<TiPlotLayoutObject>(0)->LayoutRect();
  const TRect row = plot.Master().LabelManager().ItemAs<TiPlotLayoutObject>(1)->LayoutRect();
  const QPoint from((title.Left + title.Right) / 2, (title.Top + title.Bottom) / 2);
  const QPoint to((row.Left + row.Right) / 3, row.Top + int(fraction * (row.Bottom - row.Top)));
  Send(viewer, QEvent::MouseMove, from, Qt::NoButton);
  Send(viewer, QEvent::MouseButtonPress, from, Qt::LeftButton);
  Send(viewer, QEvent::MouseMove, to, Qt::LeftButton);
  QImage picture = Diagram(viewer);
  Send(viewer, QEvent::MouseButtonRelease, from + QPoint(kWidth, 0), Qt::NoButton);
  return picture;
}

}  // namespace

namespace PlotGallery {

QImage RenderLayoutSheet() {
  TiPlot plot;
  TiXYPlot xyPlot;
  TiPlot busy;
  BuildBusyLayout(busy);
  const std::pair<QImage, QString> pictures[] = {
      {DiagramOf(plot), QStringLiteral("TiPlot")},
      {DiagramOf(xyPlot), QStringLiteral("TiXYPlot")},
      {DiagramOf(busy), QStringLiteral("Every bar kind, legend hidden")},
      {MidDrag(0.9), QStringLiteral("Title over Label 2: below")},
      {MidDrag(0.5), QStringLiteral("Title over Label 2: share the row")},
      {MidDrag(0.1), QStringLiteral("Title over Label 2: above")},
  };
  constexpr int columns = 3;
  const int cellWidth = kWidth + 10;
  const int cellHeight = kHeight + kCaption + 10;
  TBitmap sheet(columns * cellWidth + 10, 2 * cellHeight + 10);
  TCanvas& canvas = sheet.Canvas();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(TRect{0, 0, sheet.Width(), sheet.Height()});
  canvas.Font().SetName(QStringLiteral("Arial"));
  canvas.Font().SetHeight(-13);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  for (int i = 0; i < int(std::size(pictures)); ++i) {
    const int x = 10 + i % columns * cellWidth;
    const int y = 10 + i / columns * cellHeight;
    TBitmap tile;
    tile.AssignImage(pictures[i].first);
    canvas.Draw(x, y, tile);
    TRect caption{x, y + kHeight + 2, x + kWidth, y + kHeight + kCaption};
    canvas.DrawText(pictures[i].second, caption, DT_CENTER | DT_SINGLELINE);
  }
  return sheet.Image();
}

}  // namespace PlotGallery
