#include <cmath>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotTable.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tools/plotgallery/PlotGallery.h"

namespace {

TiPlotTable& AddTable(TiPlot& plot, bool horizontal, int zOrder, const QStringList& titles) {
  TiPlotMasterManager& master = plot.Master();
  auto& table = *master.TableManager().ItemAs<TiPlotTable>(master.AddTable());
  table.SetHorizontal(horizontal);
  table.SetZOrder(zOrder);
  for (const QString& title : titles) {
    table.AddColumn(title);
  }
  return table;
}

}  // namespace

namespace PlotGallery {

QImage RenderTableSheet() {
  TiPlot plot;
  plot.SetBounds(0, 0, 760, 420);
  plot.SetTitleText(QStringLiteral("Tables beside the data view"));
  plot.Master().ToolBarManager().Items(0)->SetVisible(false);
  plot.Master().LegendManager().Items(0)->SetVisible(false);
  plot.YAxis(0)->SetZOrder(1);
  plot.SetDataViewZVert(2);
  plot.SetDataViewZHorz(1);
  plot.XAxis(0)->SetZOrder(0);
  for (int i = 0; i <= 100; ++i) {
    plot.Channel(0)->AddXY(i, 50 + 40 * std::sin(i / 8.0));
  }

  // Left: more bands than fit in RowsMax, so the scroll buttons show.
  TiPlotTable& bands =
      AddTable(plot, false, 0, {QStringLiteral("Band"), QStringLiteral("Freq"), QStringLiteral("Gain")});
  bands.SetRowsMax(6);
  bands.GetColumn(1).DataAlignment = TiAlignmentHorizontal::iahRight;
  bands.GetColumn(2).DataAlignment = TiAlignmentHorizontal::iahRight;
  const char* freqs[] = {"31.5", "63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"};
  for (int r = 0; r < 10; ++r) {
    bands.SetRowText(bands.AddRow(), QStringLiteral("%1\n%2 Hz\n%3 dB").arg(r + 1).arg(freqs[r]).arg(r % 3 - 1.5));
  }
  bands.SetRowDisplayStartIndex(2);

  // Right: left- and right-aligned columns on a dark blue grid.
  TiPlotTable& outputs = AddTable(plot, false, 4, {QStringLiteral("Output"), QStringLiteral("Level")});
  outputs.SetGridBackGroundColor(0x00402000);
  outputs.GetColumn(0).DataAlignment = TiAlignmentHorizontal::iahLeft;
  outputs.GetColumn(0).TitleAlignment = TiAlignmentHorizontal::iahLeft;
  outputs.GetColumn(1).DataAlignment = TiAlignmentHorizontal::iahRight;
  outputs.GetColumn(1).DataFontColor = clLime;
  for (int r = 0; r < 6; ++r) {
    outputs.SetRowText(outputs.AddRow(), QStringLiteral("Out %1\n%2 dB").arg(r + 1).arg(-6 * r));
  }

  // Top: a short horizontal table, title row hidden, no grid lines.
  TiPlotTable& top = AddTable(plot, true, 5, {QStringLiteral("Input"), QStringLiteral("A"), QStringLiteral("B")});
  top.SetColumnTitlesVisible(false);
  top.SetGridLinesShow(false);
  top.SetRowText(top.AddRow(), QStringLiteral("Inputs\nA: -12 dB\nB: -3 dB\nC: muted"));
  top.AddColumn(QStringLiteral("C"));
  return Picture(plot);
}

}  // namespace PlotGallery
