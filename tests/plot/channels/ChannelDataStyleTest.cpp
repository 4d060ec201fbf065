#include <gtest/gtest.h>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"

namespace {

constexpr TiPlotDataStyle kStyles[] = {TiPlotDataStyle::ipdsCompact, TiPlotDataStyle::ipdsCompactInterval,
                                       TiPlotDataStyle::ipdsFullFeature, TiPlotDataStyle::ipdsStandard};

}  // namespace

TEST(ChannelDataStyle, Switching_dropsThePointsAndKeepsLookAndRing) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.SetColor(clTeal);
  c.SetMarkersVisible(true);
  c.SetMarkersStyle(TiPlotMarkerStyle::ipmsDiamond);
  c.SetMarkersPenColor(clNavy);
  c.SetBarWidth(2.5);
  c.SetBarPenColor(clMaroon);
  c.SetBarBrushStyle(TBrushStyle::bsCross);
  c.SetRingBufferSize(500);
  TiPlotDataStyle from = TiPlotDataStyle::ipdsStandard;
  for (TiPlotDataStyle style : kStyles) {
    SCOPED_TRACE(int(style));
    for (int i = 0; i < 100; ++i) {
      c.AddXY(i, i);
    }
    c.SetDataStyle(style);
    EXPECT_EQ(c.DataStyle(), style);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.RingBufferSize(), 500);
    EXPECT_EQ(c.MemoryUsed(), 500LL * c.DataPointSize());
    EXPECT_EQ(c.Color(), clTeal);
    EXPECT_TRUE(c.MarkersVisible());
    EXPECT_EQ(c.MarkersStyle(), TiPlotMarkerStyle::ipmsDiamond);
    EXPECT_EQ(c.MarkersPenColor(), clNavy);
    EXPECT_EQ(c.BarWidth(), 2.5);
    EXPECT_EQ(c.BarPenColor(), clMaroon);
    EXPECT_EQ(c.BarBrushStyle(), TBrushStyle::bsCross);
    EXPECT_NE(style, from);
    from = style;
  }
  // The same style again keeps the points.
  c.AddXY(1, 1);
  c.SetDataStyle(TiPlotDataStyle::ipdsStandard);
  EXPECT_EQ(c.Count(), 1);
}

TEST(ChannelDataStyle, RefusedRingSize_keepsTheOldListAndStyle) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.SetDataStyle(TiPlotDataStyle::ipdsCompactInterval);
  c.SetRingBufferSize(15'000'000);  // beyond the full-feature list's maximum
  c.AddXY(1, 1);
  EXPECT_EQ(ErrorOf([&] { c.SetDataStyle(TiPlotDataStyle::ipdsFullFeature); }),
            QStringLiteral("Exceed Maximum List Size"));
  EXPECT_EQ(c.DataStyle(), TiPlotDataStyle::ipdsCompactInterval);
  EXPECT_EQ(c.Count(), 1);
}

TEST(ChannelDataStyle, EveryStyle_feedsStatisticsLookupAndFit) {
  for (TiPlotDataStyle style : kStyles) {
    SCOPED_TRACE(int(style));
    TiPlot plot;
    TiPlotChannel& c = *plot.Channel(0);
    c.SetDataStyle(style);
    for (int i = 0; i < 10; ++i) {
      c.AddXY(2 * i + 1, 10 - i);
    }
    EXPECT_EQ(c.XLast(), 19);
    EXPECT_EQ(c.GetXMax(), 19);
    EXPECT_EQ(c.GetYMin(), 1);
    c.ReCalcRunningMinMaxMean();
    EXPECT_EQ(c.RunningXMean(), 10);
    EXPECT_EQ(c.GetFitXMin(), 1);
    EXPECT_EQ(c.CalcIndex(7.5), 4);
    c.DeletePoints(3);
    EXPECT_EQ(c.XFirst(), 7);
  }
}

TEST(ChannelHighLow, AddHighLow_storesWhereTheListCanAndTracksAllFour) {
  for (TiPlotDataStyle style : {TiPlotDataStyle::ipdsFullFeature, TiPlotDataStyle::ipdsStandard}) {
    SCOPED_TRACE(int(style));
    TiPlot plot;
    TiPlotChannel& c = *plot.Channel(0);
    TiPlotYAxis& y = *plot.YAxis(0);
    c.SetDataStyle(style);
    c.SetAllowOutOfOrderXValues(false);
    EXPECT_EQ(c.AddHighLow(1, 180, -50, 20, 40), 0);
    EXPECT_EQ(c.AddHighLow(2, 300, 10, 15, 25), 1);
    EXPECT_EQ(ErrorOf([&] { c.AddHighLow(1.5, 1, 1, 1, 1); }), QStringLiteral("New Data-Point X-Value is out of order"));
    const bool keeps = style == TiPlotDataStyle::ipdsFullFeature;
    EXPECT_EQ(c.GetHigh(0), keeps ? 180 : 0);
    EXPECT_EQ(c.GetLow(0), keeps ? -50 : 0);
    EXPECT_EQ(c.GetOpen(1), keeps ? 15 : 0);
    EXPECT_EQ(c.GetClose(1), keeps ? 25 : 0);
    EXPECT_EQ(c.GetX(1), 2);
    EXPECT_EQ(c.GetY(1), 0);
    // No statistics; the Y axis has seen High and Low.
    EXPECT_EQ(c.RunningYMax(), -1e300);
    EXPECT_GE(y.Max(), 300);
    EXPECT_LE(y.Min(), -50);
    EXPECT_GE(plot.XAxis(0)->Max(), 2);
  }
}

TEST(ChannelHighLow, Properties_haveTheirCreationValuesAndRoundTrip) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  EXPECT_EQ(c.HighLowBarColor(), clAqua);
  EXPECT_EQ(c.HighLowOpenColor(), clLime);
  EXPECT_EQ(c.HighLowBarWidth(), 0.5);
  EXPECT_EQ(c.HighLowShadowColor(), clGray);
  EXPECT_EQ(c.HighLowBullishColor(), clWhite);
  EXPECT_EQ(c.BarPenColor(), clRed);
  const QString fresh = WritePlotDescription(plot);
  // Created values that differ from the declared defaults are written.
  EXPECT_TRUE(fresh.contains(QStringLiteral("ChannelManager[0].DataStyle = ipdsStandard")));
  EXPECT_TRUE(fresh.contains(QStringLiteral("ChannelManager[0].HighLowBarColor = 16776960")));
  EXPECT_TRUE(fresh.contains(QStringLiteral("ChannelManager[0].HighLowOpenColor = 65280")));
  EXPECT_FALSE(fresh.contains(QStringLiteral("HighLowCloseColor")));
  c.SetDataStyle(TiPlotDataStyle::ipdsCompactInterval);
  c.SetRingBufferSize(64);
  c.SetHighLowEnabled(true);
  c.SetHighLowStyle(TiPlotHighLowStyle::iphlsCandleStick);
  c.SetHighLowBarColor(clBlue);
  c.SetHighLowOpenHeight(2.5);
  c.SetHighLowBearishColor(clMaroon);
  c.SetBarPenWidth(3);
  c.SetBarPenStyle(TPenStyle::psDash);
  c.SetBarBrushColor(clOlive);
  c.SetHighLowOpenColor(clGreen);
  const QString text = WritePlotDescription(plot);
  // The nominal defaults are written too, or they would read back as the
  // created colours.
  EXPECT_TRUE(text.contains(QStringLiteral("ChannelManager[0].HighLowBarColor = 16711680")));
  TiPlot loaded;
  ReadPlotDescription(loaded, text);
  TiPlotChannel& l = *loaded.Channel(0);
  EXPECT_EQ(l.DataStyle(), TiPlotDataStyle::ipdsCompactInterval);
  EXPECT_EQ(l.RingBufferSize(), 64);
  EXPECT_TRUE(l.HighLowEnabled());
  EXPECT_EQ(l.HighLowStyle(), TiPlotHighLowStyle::iphlsCandleStick);
  EXPECT_EQ(l.HighLowBarColor(), clBlue);
  EXPECT_EQ(l.HighLowOpenColor(), clGreen);
  EXPECT_EQ(l.HighLowOpenHeight(), 2.5);
  EXPECT_EQ(l.HighLowBearishColor(), clMaroon);
  EXPECT_EQ(l.BarPenWidth(), 3);
  EXPECT_EQ(l.BarPenStyle(), TPenStyle::psDash);
  EXPECT_EQ(l.BarBrushColor(), clOlive);
  EXPECT_EQ(WritePlotDescription(loaded), text);
}

TEST(ChannelDataStyle, FullScanOfAWrappedRing_foldsTheHeldValidPoints) {
  for (TiPlotDataStyle style : kStyles) {
    SCOPED_TRACE(int(style));
    TiPlot plot;
    TiPlotChannel& c = *plot.Channel(0);
    c.SetDataStyle(style);
    c.SetRingBufferSize(4);
    for (int x = 1; x <= 6; ++x) {
      c.AddXY(x, 10 * x);
    }
    c.AddXEmpty(7);  // a valid point in the lists that keep no flags
    c.ReCalcRunningMinMaxMean();
    const bool flags = style == TiPlotDataStyle::ipdsStandard || style == TiPlotDataStyle::ipdsFullFeature;
    EXPECT_EQ(c.RunningXMin(), 4);
    EXPECT_EQ(c.RunningXMax(), flags ? 6 : 7);
    EXPECT_EQ(c.RunningYMax(), 60);
    EXPECT_EQ(c.RunningXMean(), flags ? 5 : 5.5);
    EXPECT_EQ(c.RunningYMean(), flags ? 50 : 37.5);
  }
}
