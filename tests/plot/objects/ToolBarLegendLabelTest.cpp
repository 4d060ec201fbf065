#include <gtest/gtest.h>

#include <QImage>

#include "platform/core/Rounding.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotToolBar.h"
#include "tests/plot/SystemPlots.h"
#include "tests/support/ModalDialogCloser.h"

namespace {

TiPlotToolBar& ToolBarOf(TiPlotComponent& plot) {
  return *plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0);
}

TiPlotLegend& LegendOf(TiPlotComponent& plot) { return *plot.Master().LegendManager().ItemAs<TiPlotLegend>(0); }

void AddChannels(TiPlot& plot, int count) {
  while (plot.ChannelCount() < count) {
    plot.AddChannel();
  }
}

// The height of "0" in the legend's font: the unit of its rows.
int ZeroHeight(TiPlotLegend& legend) {
  QImage image(10, 10, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  canvas.Font().Assign(legend.Font());
  return canvas.TextHeight(QStringLiteral("0"));
}

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
  // Properties opens the (modal) editor; closing it ends the click.
  const ModalDialogCloser closer;
  ToolBarOf(plot).DoButtonClick(TiPlotToolBarButtonType::iptbbtEdit);
  EXPECT_EQ(order, std::vector<QString>{QStringLiteral("before 9")});
  EXPECT_TRUE(closer.Texts().value(0).startsWith(QStringLiteral("Plot")));
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

TEST(PlotLegend, RemovedChannel_leavesTheLegendBeforeItsNextLayout) {
  TiPlot plot;
  AddChannels(plot, 3);
  TiPlotLegend& legend = LegendOf(plot);
  QImage image(300, 200, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  legend.SetDrawRect({0, 0, 200, 150});
  legend.Draw(canvas, clBlack);
  const TRect entry = plot.Channel(1)->LegendRect();
  const TiPlotObject* doomed = plot.Channel(1);
  ASSERT_GT(entry.Width(), 0);
  plot.DeleteObject(plot.Master().ChannelManager(), 1);
  EXPECT_EQ(legend.Items().size(), 2u);
  for (const TiPlotLegendItem& item : legend.Items()) {
    EXPECT_NE(item.Channel, doomed);
  }
  // A mouse move over the gone entry before the repaint reaches no channel.
  EXPECT_NE(legend.DoMouseOver(entry.Left + 1, entry.Top + 1), doomed);
  EXPECT_EQ(legend.DoMouseOver(plot.Channel(1)->LegendRect().Left + 1, plot.Channel(1)->LegendRect().Top + 1),
            plot.Channel(1));
}

TEST(PlotLegend, ChannelNameMaxWidth_wrapsLongNamesAndGrowsTheirEntries) {
  TiPlot plot;
  AddChannels(plot, 2);
  plot.Channel(0)->SetTitleText(QStringLiteral("A rather long channel title"));
  plot.Channel(1)->SetTitleText(QStringLiteral("B"));
  TiPlotLegend& legend = LegendOf(plot);
  QImage image(300, 300, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  canvas.Font().Assign(legend.Font());
  const int h0 = ZeroHeight(legend);
  const int w0 = canvas.TextWidth(QStringLiteral("0"));
  legend.SetDrawRect({0, 0, 250, 250});
  legend.Draw(canvas, clBlack);
  EXPECT_EQ(legend.Items()[0].MaxHeight, h0);

  legend.SetChannelNameMaxWidth(10);
  legend.Draw(canvas, clBlack);
  const auto& items = legend.Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_GE(items[0].MaxHeight, 2 * h0);
  EXPECT_EQ(items[1].MaxHeight, h0);
  EXPECT_EQ(items[1].ATop - items[0].ATop, items[0].MaxHeight + Round(h0 * legend.RowSpacing()));
  EXPECT_EQ(plot.Channel(0)->LegendRect().Width(), 10 * w0 + 1);
  EXPECT_EQ(plot.Channel(0)->LegendRect().Height(), items[0].MaxHeight);
}

TEST(PlotLegend, WrapRowSpacingAuto_spreadsTheRowsOverAVerticalLegend) {
  TiPlot plot;
  AddChannels(plot, 3);
  TiPlotLegend& legend = LegendOf(plot);
  QImage image(300, 300, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  const int h0 = ZeroHeight(legend);
  legend.SetDrawRect({0, 0, 200, 150});
  legend.SetWrapRowSpacingAuto(true);
  legend.GetRequiredWidth(canvas);
  const auto& items = legend.Items();
  ASSERT_EQ(items.size(), 3u);
  const int top = Round(h0 * legend.MarginTop());
  const int bottom = 150 - Round(h0 * legend.MarginBottom());
  const int gap = (bottom - top - 3 * h0) / 2;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(items[std::size_t(i)].ATop, top + i * (h0 + gap)) << i;
  }
  // Rows that do not fit keep their spacing instead of overlapping.
  legend.SetDrawRect({0, 0, 200, 4 * h0});
  legend.GetRequiredWidth(canvas);
  EXPECT_EQ(items[1].ATop - items[0].ATop, h0 + Round(h0 * legend.RowSpacing()));
}

TEST(PlotLegend, CaptionsAndCountBounds_areProperties) {
  TiPlot plot;
  plot.AddChannel();
  TiPlotLegend& legend = LegendOf(plot);
  EXPECT_EQ(legend.CaptionColumnTitle(), QStringLiteral("Title"));
  EXPECT_EQ(legend.CaptionColumnYMean(), QStringLiteral("Y-Mean"));
  QImage image(400, 200, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  legend.SetDrawRect({0, 0, 380, 180});
  legend.SetColumnTitlesVisible(true);
  const int narrow = legend.GetRequiredWidth(canvas);
  legend.SetCaptionColumnTitle(QStringLiteral("A much longer caption of the name column"));
  EXPECT_GT(legend.GetRequiredWidth(canvas), narrow);
  legend.SetWrapColAutoCountMax(0);
  legend.SetWrapRowAutoCountMax(-5);
  EXPECT_EQ(legend.WrapColAutoCountMax(), 1);
  EXPECT_EQ(legend.WrapRowAutoCountMax(), 1);
  legend.SetWrapColSpacingAuto(false);
  EXPECT_FALSE(legend.WrapColSpacingAuto());
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
  const int x = plot.XAxis(0)->PositionToPixels(30);
  const int y = plot.YAxis(0)->PositionToPixels(30);
  EXPECT_EQ(bitmap.Canvas().Pixel(x, y), clWhite);
}
