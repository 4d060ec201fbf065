#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "platform/Rounding.h"
#include "platform/TBitmap.h"
#include "platform/TCanvas.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotToolBar.h"
#include "tests/plot/SystemPlots.h"

namespace {

TiPlotToolBar& ToolBarOf(TiPlotComponent& plot) {
  return *plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0);
}

TiPlotLegend& LegendOf(TiPlotComponent& plot) { return *plot.Master().LegendManager().ItemAs<TiPlotLegend>(0); }

}  // namespace

TEST(PlotToolBar, ZoomIn_firesItsEventsAroundThoseOfPause) {
  TiPlot plot;
  std::vector<QString> order;
  plot.OnBeforeToolBarButtonClick = [&](int, TiPlotToolBarButtonType type, bool&) {
    order.push_back(QStringLiteral("before %1").arg(int(type)));
  };
  plot.OnToolBarButtonClick = [&](int, TiPlotToolBarButtonType type) {
    order.push_back(QStringLiteral("after %1").arg(int(type)));
  };
  plot.YAxis(0)->SetMinSpan(0, 100);
  ToolBarOf(plot).DoButtonClick(TiPlotToolBarButtonType::iptbbtZoomIn);
  EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("before 7"), QStringLiteral("before 1"),
                                         QStringLiteral("after 1"), QStringLiteral("after 7")}));
  EXPECT_EQ(plot.YAxis(0)->Span(), 50);
  EXPECT_FALSE(plot.YAxis(0)->TrackingEnabled());
  order.clear();
  ToolBarOf(plot).DoButtonClick(TiPlotToolBarButtonType::iptbbtEdit);
  EXPECT_EQ(order, std::vector<QString>{QStringLiteral("before 9")});
}

TEST(PlotToolBar, CancelledClickAndFactorAndToggles) {
  TiPlot plot;
  TiPlotToolBar& bar = ToolBarOf(plot);
  plot.OnBeforeToolBarButtonClick = [](int, TiPlotToolBarButtonType, bool& cancel) { cancel = true; };
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtPause);
  EXPECT_TRUE(plot.XAxis(0)->TrackingEnabled());
  plot.OnBeforeToolBarButtonClick = nullptr;
  bar.SetZoomInOutFactor(0.5);
  EXPECT_EQ(bar.ZoomInOutFactor(), 1);
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtSelect);
  EXPECT_TRUE(bar.SelectActive());
  EXPECT_TRUE(plot.SelectModeActive());
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtZoomBox);
  EXPECT_FALSE(bar.SelectActive());
  EXPECT_TRUE(bar.ZoomBoxActive());
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtCursor);
  EXPECT_TRUE(plot.Master().DataCursorManager().Items(0)->Visible());
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtResume);
  EXPECT_FALSE(bar.CursorActive());
  EXPECT_FALSE(plot.Master().DataCursorManager().Items(0)->Visible());
  EXPECT_TRUE(plot.XAxis(0)->TrackingEnabled());
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtZoomAxesMode);
  EXPECT_EQ(plot.XAxis(0)->Mode(), TiPlotAxisMode::ipamZoom);
  EXPECT_FALSE(bar.Button(TiPlotToolBarButtonType::iptbbtScrollAxesMode).Down());
}

TEST(PlotToolBar, ResumeAndPauseEnabledByTrackingAndSizeBySmallButtons) {
  TiPlot plot;
  plot.SetBounds(0, 0, 500, 300);
  TiPlotToolBar& bar = ToolBarOf(plot);
  TBitmap bitmap(500, 300);
  plot.iPaintTo(bitmap.Canvas());
  EXPECT_FALSE(bar.Button(TiPlotToolBarButtonType::iptbbtResume).Enabled());
  EXPECT_TRUE(bar.Button(TiPlotToolBarButtonType::iptbbtPause).Enabled());
  bar.DoButtonClick(TiPlotToolBarButtonType::iptbbtPause);
  plot.iPaintTo(bitmap.Canvas());
  EXPECT_TRUE(bar.Button(TiPlotToolBarButtonType::iptbbtResume).Enabled());
  EXPECT_FALSE(bar.Button(TiPlotToolBarButtonType::iptbbtPause).Enabled());
  EXPECT_EQ(bar.GetRequiredWidth(bitmap.Canvas()), 36);
  EXPECT_EQ(bar.Button(TiPlotToolBarButtonType::iptbbtResume).Width(), 30);
  bar.SetSmallButtons(true);
  EXPECT_EQ(bar.GetRequiredWidth(bitmap.Canvas()), 28);
  ASSERT_TRUE(bitmap.Image().save(QDir::temp().filePath(QStringLiteral("krv_plot_default.png"))));
}

TEST(PlotLegend, TwelveChannels_fitOrScrollByRoom) {
  TiPlot plot;
  while (plot.ChannelCount() < 12) {
    plot.AddChannel();
  }
  TiPlotLegend& legend = LegendOf(plot);
  QImage image(10, 10, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  canvas.Font().Assign(legend.Font());
  const int h0 = canvas.TextHeight(QStringLiteral("0"));
  const int rowSpacing = Round(h0 * 0.25);
  const auto roomFor = [&](int rows) { return 2 * h0 + rows * (h0 + rowSpacing) - rowSpacing; };
  legend.SetDrawRect({0, 0, 200, roomFor(20)});
  legend.GetRequiredWidth(canvas);
  EXPECT_EQ(legend.ViewStopIndex(), 11);
  EXPECT_FALSE(legend.UpButtonVisible());
  legend.SetDrawRect({0, 0, 200, roomFor(8)});
  legend.GetRequiredWidth(canvas);
  EXPECT_EQ(legend.ViewStopIndex(), 7);
  EXPECT_TRUE(legend.UpButtonVisible());
  EXPECT_FALSE(legend.UpButtonEnabled());
  EXPECT_TRUE(legend.DownButtonEnabled());
  legend.SetDrawRect({0, 0, 200, roomFor(2)});
  legend.GetRequiredWidth(canvas);
  EXPECT_EQ(legend.ViewStopIndex(), 2);
  legend.SetWrapColDesiredCount(-3);
  EXPECT_EQ(legend.WrapColDesiredCount(), 1);
}

TEST(PlotLegend, EntryTexts_nameFallbackAndEmptyValues) {
  TiPlot plot;
  TiPlotLegend& legend = LegendOf(plot);
  TiPlotChannel& c = *plot.Channel(0);
  c.SetTitleText(QStringLiteral("  "));
  EXPECT_EQ(TiPlotLegend::ChannelLabel(c), c.Name());
  EXPECT_EQ(legend.ValueText(c, true), QStringLiteral("Empty"));
  c.AddXY(1, 2);
  EXPECT_EQ(legend.CellText(c, TiPlotLegend::cYMax), plot.YAxis(0)->GetLegendText(2));
  c.SetYAxisName(QStringLiteral("nowhere"));
  EXPECT_EQ(legend.ValueText(c, false), QStringLiteral("N/A"));
  EXPECT_EQ(legend.CellText(c, TiPlotLegend::cYAxisTitle), QStringLiteral("None"));
  EXPECT_EQ(legend.CellText(c, TiPlotLegend::cXAxisTitle), plot.XAxis(0)->Title());
  c.Clear();
  EXPECT_EQ(legend.CellText(c, TiPlotLegend::cYMean), QStringLiteral("Empty"));
  // All columns with their title row, drawn for a look.
  plot.SetBounds(0, 0, 700, 300);
  c.SetYAxisName(plot.YAxis(0)->Name());
  c.AddXY(3, 4);
  legend.SetColumnTitlesVisible(true);
  for (auto set : {&TiPlotLegend::SetShowColumnMarker, &TiPlotLegend::SetShowColumnXAxisTitle,
                   &TiPlotLegend::SetShowColumnYAxisTitle, &TiPlotLegend::SetShowColumnXValue,
                   &TiPlotLegend::SetShowColumnYValue, &TiPlotLegend::SetShowColumnYMax,
                   &TiPlotLegend::SetShowColumnYMin, &TiPlotLegend::SetShowColumnYMean}) {
    (legend.*set)(true);
  }
  TBitmap bitmap(700, 300);
  plot.iPaintTo(bitmap.Canvas());
  ASSERT_TRUE(bitmap.Image().save(QDir::temp().filePath(QStringLiteral("krv_plot_legend.png"))));
  EXPECT_GT(legend.Width(), 200);
}

TEST(PlotRenderDefaults, PlotWithoutToolBarOrLegend_stillDrawsItsData) {
  TiXYPlot plot;
  plot.SetBounds(0, 0, 300, 200);
  plot.RemoveAll(plot.Master().ToolBarManager());
  plot.RemoveAll(plot.Master().LegendManager());
  plot.XAxis(0)->SetTrackingEnabled(false);
  plot.YAxis(0)->SetTrackingEnabled(false);
  plot.Channel(0)->SetColor(clWhite);
  plot.Channel(0)->AddXY(10, 10);
  plot.Channel(0)->AddXY(90, 90);
  TBitmap bitmap(300, 200);
  plot.iPaintTo(bitmap.Canvas());
  bitmap.Image().save(QDir::temp().filePath(QStringLiteral("krv_plot_bare.png")));
  const int x = plot.XAxis(0)->PositionToPixels(30);
  const int y = plot.YAxis(0)->PositionToPixels(30);
  EXPECT_EQ(bitmap.Canvas().Pixel(x, y), clWhite);
}
