#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotTable.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/PlotTestChannels.h"

TEST(PlotUtilities, ObjectsByName_firstMatchOfEachKindIgnoringCase) {
  TiPlot plot;
  TiPlotMasterManager& m = plot.Master();
  using Lookup = std::function<TiPlotObject*(const QString&)>;
  struct Kind {
    TiPlotKindManager& manager;
    int (TiPlotMasterManager::*add)();
    Lookup byName;
  };
  const Kind kinds[] = {
      {m.ChannelManager(), &TiPlotMasterManager::AddChannel, [&](const QString& n) { return plot.GetChannelByName(n); }},
      {m.XAxisManager(), &TiPlotMasterManager::AddXAxis, [&](const QString& n) { return plot.GetXAxisByName(n); }},
      {m.YAxisManager(), &TiPlotMasterManager::AddYAxis, [&](const QString& n) { return plot.GetYAxisByName(n); }},
      {m.DataViewManager(), &TiPlotMasterManager::AddDataView,
       [&](const QString& n) { return plot.GetDataViewByName(n); }},
      {m.DataCursorManager(), &TiPlotMasterManager::AddDataCursor,
       [&](const QString& n) { return plot.GetDataCursorByName(n); }},
      {m.LegendManager(), &TiPlotMasterManager::AddLegend, [&](const QString& n) { return plot.GetLegendByName(n); }},
      {m.LabelManager(), &TiPlotMasterManager::AddLabel, [&](const QString& n) { return plot.GetLabelByName(n); }},
      {m.LimitManager(), &TiPlotMasterManager::AddLimit, [&](const QString& n) { return plot.GetLimitByName(n); }},
      {m.TableManager(), &TiPlotMasterManager::AddTable, [&](const QString& n) { return plot.GetTableByName(n); }},
      {m.ToolBarManager(), &TiPlotMasterManager::AddToolBar,
       [&](const QString& n) { return plot.GetToolBarByName(n); }},
      {m.AnnotationManager(), &TiPlotMasterManager::AddAnnotation,
       [&](const QString& n) { return plot.GetAnnotationByName(n); }},
  };
  for (const Kind& k : kinds) {
    SCOPED_TRACE(k.manager.GetBaseName().toStdString());
    const int first = (m.*k.add)();
    const int second = (m.*k.add)();
    k.manager.Items(first)->SetName(QStringLiteral("Twice"));
    k.manager.Items(second)->SetName(QStringLiteral("Twice"));
    EXPECT_EQ(k.byName(QStringLiteral("tWICE")), k.manager.Items(first));
    EXPECT_EQ(k.byName(QStringLiteral("Nobody")), nullptr);
  }
  // A name of another kind finds nothing.
  EXPECT_EQ(plot.GetChannelByName(m.XAxisManager().Items(0)->Name()), nullptr);
}

TEST(PlotUtilities, TransferChannelData_appendsTheRangeWithItsFlags) {
  TiPlot plot;
  plot.AddChannel();
  TiPlotChannel& source = *plot.Channel(0);
  source.AddXY(0, 10);
  source.AddXNull(1);
  source.AddXEmpty(2);
  source.AddXY(3, 13);
  source.AddXY(4, 14);
  plot.Channel(1)->AddXY(-1, 5);
  const std::vector<TestPoint> before = PointsOf(source);

  plot.TransferChannelData(0, 1, 2, 4);
  EXPECT_EQ(PointsOf(*plot.Channel(1)),
            (std::vector<TestPoint>{{-1, 5, false, false}, {2, 0, false, true}, {3, 13, false, false}, {4, 14, false, false}}));
  EXPECT_EQ(PointsOf(source), before);

  plot.TransferChannelData(0, 1, 3, 2);
  EXPECT_EQ(plot.Channel(1)->Count(), 4);
  EXPECT_EQ(ErrorOf([&] { plot.TransferChannelData(0, 1, 0, 5); }), QStringLiteral("StopIndex Must Out Of Range"));
  EXPECT_EQ(ErrorOf([&] { plot.TransferChannelData(0, 1, -1, 2); }),
            QStringLiteral("Start Index Must be 0 or Greater"));
  EXPECT_EQ(plot.Channel(1)->Count(), 4);

  // The destination's X order check holds.
  plot.Channel(1)->SetAllowOutOfOrderXValues(false);
  EXPECT_EQ(ErrorOf([&] { plot.TransferChannelData(0, 1, 0, 0); }),
            QStringLiteral("New Data-Point X-Value is out of order"));
}

TEST(PlotUtilities, TransferChannelData_intoItsOwnFullRingRepeatsWhatItHeld) {
  TiPlot plot;
  TiPlotChannel& c = *plot.Channel(0);
  c.SetRingBufferSize(4);
  c.AddXY(1, 10);
  c.AddXNull(2);
  c.AddXY(3, 30);
  c.AddXY(4, 40);
  plot.TransferChannelData(0, 0, 0, 3);
  EXPECT_EQ(PointsOf(c),
            (std::vector<TestPoint>{{1, 10, false, false}, {2, 0, true, false}, {3, 30, false, false}, {4, 40, false, false}}));
}

TEST(PlotUtilities, MouseDataAxisPixels_swapWithReversedAxes) {
  TiPlot plot;
  TiPlotMouseData data;
  data.X = 3;
  data.Y = 7;
  plot.SetMouseDataAxisPixels(data);
  EXPECT_EQ(std::pair(data.XAxisPixels, data.YAxisPixels), std::pair(3, 7));
  plot.SetXYAxesReverse(true);
  plot.SetMouseDataAxisPixels(data);
  EXPECT_EQ(std::pair(data.XAxisPixels, data.YAxisPixels), std::pair(7, 3));
}

TEST(PlotUtilities, SelectModeActive_togglesToolBarZerosSelectButtonWithItsEvents) {
  TiPlot plot;
  int clicks = 0;
  plot.OnToolBarButtonClick = [&clicks](int, TiPlotToolBarButtonType type) {
    clicks += type == TiPlotToolBarButtonType::iptbbtSelect ? 1 : 0;
  };
  ASSERT_GT(plot.Master().ToolBarManager().Count(), 0);
  plot.SetSelectModeActive(true);
  EXPECT_TRUE(plot.SelectModeActive());
  plot.SetSelectModeActive(true);
  EXPECT_EQ(clicks, 1);
  plot.SetSelectModeActive(false);
  EXPECT_FALSE(plot.SelectModeActive());
  EXPECT_EQ(clicks, 2);

  plot.Master().ToolBarManager().Clear();
  plot.SetSelectModeActive(true);
  EXPECT_FALSE(plot.SelectModeActive());
}
