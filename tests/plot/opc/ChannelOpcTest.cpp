#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/opc/OpcTestScope.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

/// Points a channel of a TiPlot takes from "Sim"/"Tag" with the X source.
TiPlotChannel& FeedChannelOpc(TiPlot& plot, TiOPCXValueSourceStyle source) {
  TiPlotChannel& channel = *plot.Channel(0);
  channel.SetOPCXValueSource(source);
  channel.SetOPCServerName(QStringLiteral("Sim"));
  channel.SetOPCItemName(QStringLiteral("Tag"));
  channel.OPCActivate();
  return channel;
}

}  // namespace

TEST(ChannelOpcTest, CreationValuesOfBothChannelClasses) {
  TiPlot plot;
  TiXYPlot xyPlot;
  for (TiPlotChannelCustom* channel : std::initializer_list<TiPlotChannelCustom*>{plot.Channel(0), xyPlot.Channel(0)}) {
    ASSERT_EQ(channel->OPCItemManager().Count(), 2);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(channel->OPCItemManager().Items(i).PropertyName(), QStringLiteral("Data"));
    }
    EXPECT_EQ(channel->OPCComputerName(), QStringLiteral("Local"));
    EXPECT_EQ(channel->OPCServerName(), QString());
    EXPECT_EQ(channel->OPCItemName(), QString());
    EXPECT_EQ(channel->OPCItem2Name(), QString());
    EXPECT_EQ(channel->OPCUpdateRate(), 500);
    EXPECT_EQ(channel->OPCScalar(), 0);
    EXPECT_EQ(channel->OPCOffset2(), 0);
    EXPECT_TRUE(channel->OPCAutoConnect());
    EXPECT_FALSE(channel->OPCActive());
  }
  EXPECT_EQ(plot.Channel(0)->OPCGroupName(), QString());
  EXPECT_EQ(plot.Channel(0)->OPCXValueSource(), TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp);
}

TEST(ChannelOpcTest, OpcPropertiesRoundTripThroughDescriptions) {
  TiPlot plot;
  TiPlotChannel& channel = *plot.Channel(0);
  channel.SetOPCServerName(QStringLiteral("Sim"));
  channel.SetOPCItemName(QStringLiteral("Level"));
  channel.SetOPCItem2Name(QStringLiteral("Flow"));
  channel.SetOPCScalar2(0.5);
  channel.SetOPCAutoConnect(false);
  channel.SetOPCXValueSource(TiOPCXValueSourceStyle::iopcxvsElapsedSeconds);
  const QString text = WritePlotDescription(plot);
  EXPECT_TRUE(text.contains(QStringLiteral("ChannelManager[0].OPCXValueSource = iopcxvsElapsedSeconds\n")));
  EXPECT_FALSE(text.contains(QStringLiteral("OPCComputerName")));
  TiPlot loaded;
  ReadPlotDescription(loaded, text);
  EXPECT_EQ(WritePlotDescription(loaded), text);
  EXPECT_EQ(loaded.Channel(0)->OPCItem2Name(), QStringLiteral("Flow"));
  EXPECT_EQ(loaded.Channel(0)->OPCScalar2(), 0.5);
}

TEST(ChannelOpcTest, InsertionConnectsWithAutoConnectButNotWhileDesigning) {
  for (const bool designing : {false, true}) {
    OpcTestScope scope;
    TiPlot plot;
    plot.OnGetDesigning = [designing](TObject*, bool& d) { d = designing; };
    const QString text = QStringLiteral(
        "ChannelManager[0].OPCServerName = Sim\n"
        "ChannelManager[0].OPCItemName = Tag\n"
        "ChannelManager[1].OPCServerName = Sim\n"
        "ChannelManager[1].OPCItemName = Other\n"
        "ChannelManager[1].OPCAutoConnect = False\n");
    ReadPlotDescription(plot, text);
    const auto signals = scope.Library().Signals();
    if (designing) {
      EXPECT_TRUE(signals.empty());
      plot.Channel(0)->OPCActivate();
      EXPECT_TRUE(scope.Library().Signals().empty());
    } else {
      ASSERT_EQ(signals.size(), 1u);
      EXPECT_EQ(signals.begin()->second.itemName, QStringLiteral("Tag"));
      EXPECT_TRUE(plot.Channel(0)->OPCActive());
    }
  }
}

TEST(ChannelOpcTest, OpcItemSourceWithBlankServerAddsNoGroup) {
  OpcTestScope scope;
  TiPlot plot;
  TiPlotChannel& channel = *plot.Channel(0);
  channel.SetOPCXValueSource(TiOPCXValueSourceStyle::iopcxvsOPCItem);
  channel.SetOPCGroupName(QStringLiteral("Line 1"));
  channel.SetOPCItemName(QStringLiteral("X"));
  channel.SetOPCItem2Name(QStringLiteral("Y"));
  channel.OPCActivate();
  EXPECT_EQ(channel.OPCManager().GroupCount(), 0);
  const auto signals = scope.Library().Signals();
  ASSERT_EQ(signals.size(), 2u);
  for (const auto& [handle, signal] : signals) {
    EXPECT_EQ(signal.groupName, QStringLiteral("Line 1"));
  }
}

TEST(ChannelOpcTest, OpcItemSourceTakesGroupUpdatesThroughAddXY) {
  OpcTestScope scope;
  TiPlot plot;
  TiPlotChannel& channel = *plot.Channel(0);
  channel.SetOPCXValueSource(TiOPCXValueSourceStyle::iopcxvsOPCItem);
  channel.SetOPCServerName(QStringLiteral("Sim"));
  channel.SetOPCItemName(QStringLiteral("X"));
  channel.SetOPCItem2Name(QStringLiteral("Y"));
  channel.SetAllowOutOfOrderXValues(false);
  channel.OPCActivate();
  ASSERT_EQ(channel.OPCManager().GroupCount(), 1);
  const QString groupName = channel.OPCManager().Groups(0).Name();
  EXPECT_EQ(groupName.size(), int(2 * sizeof(void*)));
  EXPECT_EQ(channel.OPCGroupName(), groupName);
  const int group = channel.OPCManager().Groups(0).DLLGroupHandle();
  scope.Library().PublishGroup(group, {{"X", 1.0}, {"Y", 10.0}});
  scope.Library().PublishGroup(group, {{"X", 2.0}, {"Y", 20.0}});
  scope.Library().PublishGroup(group, {{"X", 1.5}, {"Y", 15.0}});
  scope.Library().PublishGroup(group, {{"X", 2.5}, {"Y", QStringLiteral("n/a")}});
  scope.Library().PublishGroup(group, {{"X", 3.0}, {"Y", 30.0}});
  ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == 3; }));
  EXPECT_EQ(channel.GetX(1), 2.0);
  EXPECT_EQ(channel.GetX(2), 3.0) << "out of order and non-numeric updates add nothing";
  EXPECT_EQ(channel.GetY(2), 30.0);
}

TEST(ChannelOpcTest, XSourcesOfATimeSeriesChannel) {
  OpcTestScope scope;
  {
    TiPlot plot;
    TiPlotChannel& channel = FeedChannelOpc(plot, TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp);
    channel.SetAllowOutOfOrderXValues(false);
    scope.Library().Publish("Sim", "Tag", 1.5, 0xC0, 45000.5);
    scope.Library().Publish("Sim", "Tag", 2.5, 0xC0, 45000.25);
    ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == 2; }));
    EXPECT_EQ(channel.GetX(1), 45000.25) << "time stamps skip the order check";
    EXPECT_EQ(channel.GetY(1), 2.5);
  }
  {
    TiPlot plot;
    TiPlotChannel& channel = FeedChannelOpc(plot, TiOPCXValueSourceStyle::iopcxvsSystemTimeStamp);
    const double before = TiPlotComponent::GetNow();
    scope.Library().Publish("Sim", "Tag", 7);
    ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == 1; }));
    EXPECT_GE(channel.GetX(0), before);
    EXPECT_LE(channel.GetX(0), TiPlotComponent::GetNow());
    EXPECT_EQ(channel.GetY(0), 7);
  }
  {
    TiPlot plot;
    TiPlotChannel& channel = FeedChannelOpc(plot, TiOPCXValueSourceStyle::iopcxvsElapsedSeconds);
    channel.SetElapsedStartTime(TiPlotComponent::GetNow());
    scope.Library().Publish("Sim", "Tag", QStringLiteral("3.5"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == 1; }));
    EXPECT_GE(channel.GetX(0), 0);
    EXPECT_LT(channel.GetX(0), 3600);
    EXPECT_EQ(channel.GetY(0), 3.5);
  }
}

TEST(ChannelOpcTest, NonNumericValuesAddNoPoint) {
  OpcTestScope scope;
  TiPlot plot;
  TiPlotChannel& channel = FeedChannelOpc(plot, TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp);
  scope.Library().Publish("Sim", "Tag", QStringLiteral("abc"), 0xC0, 1);
  scope.Library().Publish("Sim", "Tag", QVariant(), 0xC0, 2);
  scope.Library().Publish("Sim", "Tag", 4, 0xC0, 3);
  ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == 1; }));
  EXPECT_EQ(channel.GetX(0), 3);
}

TEST(ChannelOpcTest, ThousandValuesFromTheWorkerBecomeThousandPointsInOrder) {
  OpcTestScope scope;
  TiPlot plot;
  TiPlotChannel& channel = FeedChannelOpc(plot, TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp);
  constexpr int kChannelOpcValues = 1000;
  for (int i = 0; i < kChannelOpcValues; ++i) {
    scope.Library().Publish("Sim", "Tag", i, 0xC0, 100 + i);
  }
  ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == kChannelOpcValues; }));
  for (int i = 0; i < kChannelOpcValues; ++i) {
    ASSERT_EQ(channel.GetY(i), i);
    ASSERT_EQ(channel.GetX(i), 100 + i);
  }
}

TEST(ChannelOpcTest, XYChannelTakesGroupUpdates) {
  OpcTestScope scope;
  TiXYPlot plot;
  TiXYPlotChannel& channel = *plot.Channel(0);
  channel.SetOPCServerName(QStringLiteral("Sim"));
  channel.SetOPCItemName(QStringLiteral("X"));
  channel.SetOPCItem2Name(QStringLiteral("Y"));
  channel.OPCActivate();
  ASSERT_EQ(channel.OPCManager().GroupCount(), 1);
  const int group = channel.OPCManager().Groups(0).DLLGroupHandle();
  ASSERT_EQ(scope.Library().Signals().size(), 2u);
  scope.Library().PublishGroup(group, {{"X", 2.0}, {"Y", 4.0}});
  scope.Library().PublishGroup(group, {{"X", 1.0}, {"Y", -1}});
  ASSERT_TRUE(ProcessEventsUntil([&] { return channel.Count() == 2; }));
  EXPECT_EQ(channel.GetX(1), 1.0);
  EXPECT_EQ(channel.GetY(1), -1.0);

  channel.OPCActivateSuspend();
  ASSERT_EQ(scope.Library().Groups().size(), 1u);
  EXPECT_TRUE(scope.Library().Groups().begin()->second.suspended);
  channel.OPCUpdateResume();
  EXPECT_FALSE(scope.Library().Groups().begin()->second.suspended);
  channel.OPCDeactivate();
  EXPECT_TRUE(scope.Library().Signals().empty());
}

TEST(ChannelOpcTest, XYSuspendAndResumeWithoutGroupDoNothing) {
  OpcTestScope scope;
  TiXYPlot plot;
  TiXYPlotChannel& channel = *plot.Channel(0);
  channel.OPCManager().GroupClear();
  EXPECT_EQ(ErrorOf([&] { channel.OPCUpdateSuspend(); }), QString());
  EXPECT_EQ(ErrorOf([&] { channel.OPCUpdateResume(); }), QString());
  EXPECT_TRUE(scope.Library().Groups().empty());
}

TEST(ChannelOpcTest, DestroyingAChannelWithDeliveriesQueuedIsClean) {
  OpcTestScope scope;
  auto plot = std::make_unique<TiPlot>();
  FeedChannelOpc(*plot, TiOPCXValueSourceStyle::iopcxvsSystemTimeStamp);
  for (int i = 0; i < 50; ++i) {
    scope.Library().Publish("Sim", "Tag", i);
  }
  // The worker hands the first value over and waits for it to be read,
  // which only the GUI thread can do: a delivery is then queued.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!scope.Library().IsWaitingForRead() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  ASSERT_TRUE(scope.Library().IsWaitingForRead());
  plot.reset();
  QCoreApplication::processEvents();
  EXPECT_TRUE(scope.Library().Signals().empty());
}

TEST(ChannelOpcTest, TimeSeriesSuspendAndResumeActOnItemZero) {
  OpcTestScope scope;
  TiPlot plot;
  TiPlotChannel& channel = FeedChannelOpc(plot, TiOPCXValueSourceStyle::iopcxvsSystemTimeStamp);
  TiOPCItem& item = channel.OPCItemManager().Items(0);
  channel.OPCUpdateSuspend();
  EXPECT_TRUE(item.UpdateSuspended());
  channel.OPCUpdateResume();
  EXPECT_FALSE(item.UpdateSuspended());
  channel.OPCDeactivate();
  EXPECT_TRUE(scope.Library().Signals().empty());
  EXPECT_FALSE(item.UpdateSuspended());
  channel.OPCActivateSuspend();
  const auto signals = scope.Library().Signals();
  ASSERT_EQ(signals.size(), 1u);
  EXPECT_TRUE(signals.begin()->second.suspended);
  EXPECT_TRUE(channel.OPCActive());
}
