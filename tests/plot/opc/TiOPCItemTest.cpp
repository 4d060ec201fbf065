#include <climits>
#include <memory>

#include <gtest/gtest.h>

#include "plot/core/TiPlot.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/opc/OpcTestScope.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

/// A stand-alone item manager with one item bound to "Sim"/"Tag",
/// counting the values it takes in.
struct OpcItemBench {
  OpcItemBench() : manager(nullptr) {
    manager.OnNewData = [this](TObject*) { ++arrived; };
    item = &manager.Items(manager.Add());
    item->SetPropertyName(QStringLiteral("Data"));
    item->SetServerName(QStringLiteral("Sim"));
    item->SetItemName(QStringLiteral("Tag"));
  }
  /// Publishes value and waits until the item has taken it.
  void Take(OpcTestLibrary& library, const QVariant& value, std::uint16_t quality = 0xC0) {
    const int before = arrived;
    library.Publish(QStringLiteral("Sim"), QStringLiteral("Tag"), value, quality);
    ASSERT_TRUE(ProcessEventsUntil([&] { return arrived > before; }));
  }
  TiOPCItemManager manager;
  TiOPCItem* item = nullptr;
  int arrived = 0;
};

struct OpcScalingCase {
  double scalar;
  double offset;
  QVariant in;
  QVariant expected;
};

}  // namespace

TEST(TiOPCItemTest, ScalingOfGoodValuesByType) {
  const std::vector<OpcScalingCase> cases{
      {0.5, 0, QVariant(int(3)), QVariant(int(2))},
      {0.5, 0, QVariant(int(5)), QVariant(int(2))},
      {0.5, 0, QVariant(double(5)), QVariant(2.5)},
      {2, 1, QVariant(3.0), QVariant(7.0)},
      {0.5, 0, QVariant::fromValue<ushort>(7), QVariant(int(4))},
      {0.5, 0, QVariant::fromValue<qlonglong>(9), QVariant(int(4))},
      {0, 1, QVariant::fromValue<uchar>(200), QVariant(int(201))},
      {2, 0, QVariant::fromValue<float>(1.25f), QVariant(2.5)},
      {1e10, 0, QVariant(int(3)), QVariant(int(INT_MAX))},
      {-1e10, 0, QVariant(int(3)), QVariant(int(INT_MIN))},
      {2, 1, QVariant(QStringLiteral("4")), QVariant(QStringLiteral("4"))},
      {0, 0, QVariant::fromValue<short>(-3), QVariant::fromValue<short>(-3)},
  };
  OpcTestScope scope;
  for (const OpcScalingCase& c : cases) {
    OpcItemBench bench;
    bench.item->SetScalar(c.scalar);
    bench.item->SetOffset(c.offset);
    bench.item->Activate();
    bench.Take(scope.Library(), c.in);
    EXPECT_EQ(bench.item->Data(), c.expected) << c.scalar << " " << c.offset << " " << c.in.toString().toStdString();
    EXPECT_EQ(bench.item->Data().typeId(), c.expected.typeId()) << c.in.toString().toStdString();
  }
}

TEST(TiOPCItemTest, BadQualityIsStoredUnscaledAndShownAsErrorState) {
  OpcTestScope scope;
  TiPlot plot;
  int arrived = 0;
  plot.OnNewOPCData = [&](int) { ++arrived; };
  TiOPCItem& item = plot.OPCItemManager().Items(plot.OPCAddItem());
  item.SetPropertyName(QStringLiteral("HintsPause"));
  item.SetServerName(QStringLiteral("Sim"));
  item.SetItemName(QStringLiteral("Tag"));
  item.SetScalar(2);
  item.Activate();
  item.SetAutoError(true);
  scope.Library().Publish("Sim", "Tag", 3, 0x00);
  ASSERT_TRUE(ProcessEventsUntil([&] { return arrived == 1; }));
  EXPECT_EQ(item.Data(), QVariant(3));
  EXPECT_FALSE(item.GetQualityGood());
  EXPECT_TRUE(plot.ErrorActive());
  scope.Library().Publish("Sim", "Tag", 3, 0xC0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return arrived == 2; }));
  EXPECT_EQ(item.Data(), QVariant(6));
  EXPECT_FALSE(plot.ErrorActive());
}

TEST(TiOPCItemTest, ConnectionSettersReconnectOnlyAConnectedItem) {
  OpcTestScope scope;
  OpcItemBench bench;
  bench.item->SetServerName(QStringLiteral("Other"));
  bench.item->SetUpdateRate(250);
  EXPECT_EQ(scope.Library().SignalsAdded(), 0);

  bench.item->Activate();
  const int first = bench.item->SignalHandle();
  ASSERT_NE(first, 0);
  EXPECT_EQ(scope.Library().Signals().at(first).updateRate, 250);
  bench.item->SetServerName(QStringLiteral("Sim"));
  const auto signals = scope.Library().Signals();
  ASSERT_EQ(signals.size(), 1u);
  EXPECT_NE(bench.item->SignalHandle(), first);
  EXPECT_EQ(signals.begin()->second.serverName, QStringLiteral("Sim"));
}

TEST(TiOPCItemTest, ActivateNeedsPropertyItemAndServerOrGroup) {
  struct Names {
    const char* property;
    const char* group;
    const char* server;
    const char* item;
    bool connects;
  };
  const std::vector<Names> cases{
      {"Data", "", "Sim", "Tag", true},   {"Data", "G", "", "Tag", true},  {" ", "", "Sim", "Tag", false},
      {"Data", " ", " ", "Tag", false},   {"Data", "", "Sim", " ", false},
  };
  OpcTestScope scope;
  for (const Names& c : cases) {
    TiOPCItemManager manager(nullptr);
    TiOPCItem& item = manager.Items(manager.Add());
    item.SetPropertyName(c.property);
    item.SetGroupName(c.group);
    item.SetServerName(c.server);
    item.SetItemName(c.item);
    item.Activate();
    EXPECT_EQ(item.GetActive(), c.connects) << c.property << "/" << c.group << "/" << c.server << "/" << c.item;
  }
}

TEST(TiOPCItemTest, StringPropertiesAskForText) {
  OpcTestScope scope;
  TiPlot plot;
  TiOPCItem& text = plot.OPCItemManager().Items(plot.OPCAddItem());
  text.SetPropertyName(QStringLiteral("TitleText"));
  EXPECT_EQ(text.PropertyType(), TiPropertyKind::tkString);
  TiOPCItem& number = plot.OPCItemManager().Items(plot.OPCAddItem());
  number.SetPropertyName(QStringLiteral("hintspause"));
  EXPECT_EQ(number.PropertyType(), TiPropertyKind::tkInteger);
  for (TiOPCItem* item : {&text, &number}) {
    item->SetServerName(QStringLiteral("Sim"));
    item->SetItemName(QStringLiteral("Tag"));
    item->Activate();
  }
  EXPECT_EQ(scope.Library().Signals().at(text.SignalHandle()).requestedType, 8);
  EXPECT_EQ(scope.Library().Signals().at(number.SignalHandle()).requestedType, 0);
}

TEST(TiOPCItemTest, StreamedItemConnectsWhenLoadedUnlessDesigned) {
  const QString description = QStringLiteral(
      "OPCItems[0].PropertyName = HintsPause\n"
      "OPCItems[0].ServerName = Sim\n"
      "OPCItems[0].ItemName = Tag\n"
      "OPCItems[1].PropertyName = HintsShow\n"
      "OPCItems[1].ServerName = Sim\n"
      "OPCItems[1].ItemName = Flag\n"
      "OPCItems[1].AutoConnect = False\n");
  for (const bool designing : {false, true}) {
    OpcTestScope scope;
    TiPlot plot;
    plot.OnGetDesigning = [designing](TObject*, bool& d) { d = designing; };
    ReadPlotDescription(plot, description);
    ASSERT_EQ(plot.OPCItemCount(), 2);
    const auto signals = scope.Library().Signals();
    if (designing) {
      EXPECT_TRUE(signals.empty());
    } else {
      ASSERT_EQ(signals.size(), 1u);
      EXPECT_EQ(signals.begin()->second.itemName, QStringLiteral("Tag"));
      EXPECT_TRUE(plot.OPCItemManager().Items(0).GetActive());
    }
  }
}

TEST(TiOPCItemTest, MissingActiveEntryFailsGetActiveWithItsMessage) {
  OpcTestScope scope;
  OpcItemBench bench;
  scope.Library().RemoveEntry(QStringLiteral("SignalGetActive"));
  EXPECT_EQ(ErrorOf([&] { bench.item->GetActive(); }),
            QStringLiteral("Function \"SignalGetActive\" not found in \"dEVO2.dll\"."));
  EXPECT_EQ(ErrorOf([&] { bench.item->Loaded(); }), QString()) << "Loaded swallows";
}

TEST(TiOPCItemTest, GetDataNowReadsWithoutScalingOrNotice) {
  OpcTestScope scope;
  OpcItemBench bench;
  bench.item->SetScalar(10);
  scope.Library().Publish("Sim", "Tag", 1);
  bench.item->Activate();
  std::uint16_t quality = 0;
  EXPECT_EQ(bench.item->GetDataNow(quality), QVariant(1));
  EXPECT_EQ(quality, 0xC0);
  EXPECT_EQ(bench.arrived, 0);
}

TEST(TiOPCItemTest, DeactivatedItemDropsQueuedValues) {
  OpcTestScope scope;
  OpcItemBench bench;
  bench.item->Activate();
  scope.Library().Publish("Sim", "Tag", 1);
  bench.item->Deactivate();
  QCoreApplication::processEvents();
  bench.item->Activate();
  bench.Take(scope.Library(), 2);
  EXPECT_EQ(bench.arrived, 1);
  EXPECT_EQ(bench.item->Data(), QVariant(2));
}
