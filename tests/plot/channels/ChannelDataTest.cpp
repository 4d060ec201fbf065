#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tests/plot/ErrorOf.h"

TEST(PlotControls, NewPlots_holdTheDefaultObjectsAndTypedChannels) {
  TiPlot plot;
  TiPlotMasterManager& m = plot.Master();
  for (TiPlotKindManager* manager : {&m.ToolBarManager(), &m.LegendManager(), &m.XAxisManager(), &m.YAxisManager(),
                                     &m.ChannelManager(), &m.DataViewManager(), &m.DataCursorManager(),
                                     &m.LabelManager()}) {
    EXPECT_EQ(manager->Count(), 1);
  }
  EXPECT_EQ(m.LabelManager().Items(0)->Name(), QStringLiteral("Title"));
  EXPECT_EQ(plot.TitleText(), QStringLiteral("Untitled"));
  TiPlotComponent bare;
  EXPECT_EQ(bare.TitleText(), QString());
  bare.SetTitleText(QStringLiteral("ignored"));
  EXPECT_FALSE(bare.TitleVisible());
  EXPECT_NE(plot.Channel(0), nullptr);
  EXPECT_FALSE(ErrorOf([&] { plot.Channel(1); }).isEmpty());
  TiXYPlot xy;
  EXPECT_NE(xy.Channel(0), nullptr);
  EXPECT_EQ(xy.Channel(0)->XAxisName(), xy.XAxis(0)->Name());
  EXPECT_EQ(xy.Channel(0)->TitleText(), xy.Channel(0)->Name());
  EXPECT_EQ(xy.Channel(0)->Color(), clRed);
  xy.AddChannel();
  EXPECT_NE(xy.Channel(1)->Color(), clRed);
}

TEST(PlotChannel, DeletePoints_wholeCountClearsAndMoreRaises) {
  TiXYPlot plot;
  TiXYPlotChannel& c = *plot.Channel(0);
  for (int i = 0; i < 4; ++i) {
    c.AddXY(i, i);
  }
  EXPECT_EQ(ErrorOf([&] { c.DeletePoints(5); }), QStringLiteral("Delete size out of Range"));
  c.DeletePoints(0);
  EXPECT_EQ(c.Count(), 4);
  c.DeletePoints(4);
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(c.XFirst(), -1);
  EXPECT_EQ(c.YLast(), -1);
  EXPECT_EQ(c.IndexFirst(), -1);
  EXPECT_EQ(c.IndexLast(), -1);
  EXPECT_EQ(c.GetXMax(), -1e300);
  EXPECT_EQ(c.GetXMin(), 1e300);
  EXPECT_EQ(c.GetXMean(), 0);
  c.AddXY(5, 7);
  EXPECT_EQ(c.RunningXMean(), 5);
  EXPECT_EQ(c.RunningYMean(), 7);
  c.SetCount(0);
  EXPECT_EQ(c.Count(), 0);
}

TEST(PlotChannel, RunningStatistics_countNullPointsButScansSkipThem) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.AddXY(1, 10);
  c.AddXY(2, 20);
  c.AddXNull(3);
  EXPECT_EQ(c.RunningYMin(), 0);
  EXPECT_EQ(c.GetYMin(), 10);
  c.ReCalcRunningMinMaxMean();
  EXPECT_EQ(c.RunningYMin(), 10);
  EXPECT_EQ(c.RunningYMean(), 15);
}

TEST(PlotChannel, RunningMeans_followEveryPointAndAScanChangesOnlyItsOwn) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.AddXY(1, 10);
  EXPECT_EQ(c.RunningXMean(), 1);
  c.AddXY(2, 20);
  c.AddXNull(3);
  EXPECT_EQ(c.RunningXMean(), 2);
  EXPECT_EQ(c.RunningYMean(), 10);
  // The X scan counts the two valid points; the Y mean stays that of the
  // three points the channel was given.
  EXPECT_EQ(c.GetXMean(), 1.5);
  EXPECT_EQ(c.RunningYMean(), 10);
  c.AddXY(4, 40);
  EXPECT_DOUBLE_EQ(c.RunningXMean(), (3 + 4) / 3.0);
  EXPECT_DOUBLE_EQ(c.RunningYMean(), (30 + 40) / 3.0);
  c.Clear();
  EXPECT_EQ(c.RunningXMean(), 0);
  EXPECT_EQ(c.RunningYMean(), 0);
}

TEST(PlotChannel, OutOfOrderX_refusedByDirectionOfFirstTwoPoints) {
  struct Case {
    std::vector<double> xs;
    double next;
    QString error;
  };
  const std::vector<Case> cases{
      {{1, 2}, 2, {}},
      {{1, 2}, 1.5, QStringLiteral("New Data-Point X-Value is out of order")},
      {{5, 3}, 3, {}},
      {{5, 3}, 4, QStringLiteral("New Data-Point X-Value is out of order.")},
      {{1}, -7, {}},
      {{1, 1}, 0.5, QStringLiteral("New Data-Point X-Value is out of order")},
  };
  for (const Case& k : cases) {
    TiPlot plot;
    TiPlotChannel& c = *plot.Channel(0);
    c.SetAllowOutOfOrderXValues(false);
    for (double x : k.xs) {
      c.AddXY(x, 0);
    }
    EXPECT_EQ(ErrorOf([&] { c.AddXY(k.next, 0); }), k.error) << k.next;
    EXPECT_EQ(ErrorOf([&] { c.AddXNull(k.next); }), k.error);
    EXPECT_EQ(c.Count(), int(k.xs.size()) + (k.error.isEmpty() ? 2 : 0));
  }
}

TEST(PlotChannel, Tracking_followsXForEveryPointAndYOnlyForValidOnes) {
  TiXYPlot plot;
  TiXYPlotChannel& c = *plot.Channel(0);
  TiPlotYAxis& y = *plot.YAxis(0);
  TiPlotXAxis& x = *plot.XAxis(0);
  y.SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsMin);
  c.AddXY(50, 50);
  EXPECT_EQ(y.Min(), 50);
  // An empty point carries Y 0: it must not pull the Y range down.
  c.AddNull();
  c.AddEmpty();
  EXPECT_EQ(y.Min(), 50);
  c.SetMarkersVisible(true);
  EXPECT_NO_THROW(c.AddNull());
  EXPECT_EQ(y.Min(), 50);
  EXPECT_EQ(ErrorOf([&] { c.AddEmpty(); }), QString());
  EXPECT_EQ(y.Min(), 50);
  // With a laid-out axis the markers widen the tracked range.
  plot.SetBounds(0, 0, 300, 200);
  TBitmap bitmap(300, 200);
  plot.iPaintTo(bitmap.Canvas());
  c.AddXY(500, 40);
  EXPECT_LT(y.Min(), 40);
  EXPECT_GT(x.Max(), 500);
}

TEST(AxisTracking, Styles_moveTheWindowAsSpecified) {
  struct Case {
    TiPlotTrackingStyle style;
    double compress;
    double value;
    double min;
    double span;
  };
  const std::vector<Case> cases{
      {TiPlotTrackingStyle::iptsScrollSmooth, 0, 12, 2, 10},  {TiPlotTrackingStyle::iptsScrollSmooth, 0, 5, 0, 10},
      {TiPlotTrackingStyle::iptsScrollPage, 0, 12, 10, 10},   {TiPlotTrackingStyle::iptsScrollSmooth, 20, 15, 0, 15},
      {TiPlotTrackingStyle::iptsScaleMinMax, 0, 14, 0, 14},   {TiPlotTrackingStyle::iptsScaleMinMax, 0, -3, -3, 10},
      {TiPlotTrackingStyle::iptsExpandMinMax, 0, -5, -5, 15}, {TiPlotTrackingStyle::iptsScaleMin, 0, -5, -5, 15},
  };
  for (const Case& k : cases) {
    TiXYPlot plot;
    TiPlotXAxis& axis = *plot.XAxis(0);
    axis.SetMinSpan(0, 10);
    axis.SetTrackingStyle(k.style);
    axis.SetTrackingScrollCompressMax(k.compress);
    axis.NewTrackingData(5);  // first value, inside: ipafsAuto keeps the window
    ASSERT_EQ(axis.Min(), 0);
    axis.NewTrackingData(k.value);
    EXPECT_DOUBLE_EQ(axis.Min(), k.min) << int(k.style) << " " << k.value;
    EXPECT_DOUBLE_EQ(axis.Span(), k.span) << int(k.style) << " " << k.value;
  }
}

TEST(AxisTracking, FirstValueAlignAndResume) {
  TiXYPlot plot;
  TiPlotYAxis& y = *plot.YAxis(0);
  y.SetMinSpan(0, 10);
  y.NewTrackingData(500);  // ipafsNone: the first value is ignored
  EXPECT_EQ(y.Min(), 0);
  y.SetTrackingEnabled(false);
  y.SetMinSpan(30, 5);
  y.SetTrackingEnabled(true);
  EXPECT_EQ(y.Min(), 0);
  EXPECT_EQ(y.Span(), 10);
  EXPECT_EQ(ErrorOf([&] { y.Zoom(0); }), QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
  y.Zoom(2);
  EXPECT_EQ(y.Min(), -5);
  EXPECT_EQ(y.Span(), 20);
  y.SetScrollMinMaxEnabled(true);
  y.SetScrollMin(0);
  y.SetScrollMax(100);
  y.SetMinSpan(85, 10);
  y.ScrollBy(1);
  EXPECT_EQ(y.Min(), 90);
}

TEST(AxisTracking, ZoomToFit_usesTheChannelsOnTheAxis) {
  TiXYPlot plot;
  TiXYPlotChannel& c = *plot.Channel(0);
  plot.XAxis(0)->SetTrackingEnabled(false);
  for (double x : {3.0, 9.0, 1.0}) {
    c.AddXY(x, x * 2);
  }
  EXPECT_EQ(c.GetFitXMax(), 9);
  plot.XAxis(0)->ZoomToFit();
  EXPECT_EQ(plot.XAxis(0)->Min(), 1);
  EXPECT_EQ(plot.XAxis(0)->Span(), 8);
}

TEST(PlotChannel, ArrayAndClockEntries_placeXAsSpecified) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.AddYArray(0.5, {1, 2, 3});
  EXPECT_EQ(c.GetX(2), 1);
  c.Clear();
  c.AddXY(10, 0);
  c.AddYArray(0.5, {1, 2, 3});
  EXPECT_EQ(c.GetX(1), 10);
  EXPECT_EQ(c.GetX(3), 11);
  EXPECT_EQ(ErrorOf([&] { c.AddXYArrays({1, 2}, {1}); }),
            QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
  EXPECT_EQ(c.Count(), 4);
  c.AddXYArrays({12, 13}, {1, 1});
  EXPECT_EQ(c.XLast(), 13);
  c.SetResetStartTimeOnFirstDataPoint(true);
  c.Clear();
  c.SetElapsedStartTime(0);
  c.AddYElapsedSeconds(5);
  EXPECT_NEAR(c.GetX(0), 0, 1);
  c.SetElapsedStartTime(c.ElapsedStartTime() - 1.0 / 86400);
  c.AddYElapsedTime(5);
  EXPECT_NEAR(c.GetX(1), 1.0 / 86400, 0.5 / 86400);
}
