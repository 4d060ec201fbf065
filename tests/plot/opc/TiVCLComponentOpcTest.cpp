#include <memory>

#include <QThread>

#include <gtest/gtest.h>

#include "plot/core/TiPlot.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/opc/OpcTestScope.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

/// A plot with one item feeding a property from "Sim"/"Tag", counting
/// OnNewOPCData and noting the thread it ran on.
struct OpcFedPlot {
  explicit OpcFedPlot(const QString& property) {
    plot.OnNewOPCData = [this](int index) {
      ++arrived;
      lastIndex = index;
      onGuiThread = QThread::currentThread() == plot.thread();
    };
    TiOPCItem& item = plot.OPCItemManager().Items(plot.OPCAddItem());
    item.SetPropertyName(property);
    item.SetServerName(QStringLiteral("Sim"));
    item.SetItemName(QStringLiteral("Tag"));
    item.Activate();
  }
  void Take(OpcTestLibrary& library, const QVariant& value, std::uint16_t quality = 0xC0) {
    const int before = arrived;
    library.Publish(QStringLiteral("Sim"), QStringLiteral("Tag"), value, quality);
    ASSERT_TRUE(ProcessEventsUntil([&] { return arrived > before; }));
  }
  TiPlot plot;
  int arrived = 0;
  int lastIndex = -1;
  bool onGuiThread = false;
};

/// A control that reports its property changes to OPC as it takes them.
class OpcEchoingPlot : public TiPlot {
public:
  bool OPCNewDataSpecial(const QString& propertyName, const QVariant& value) override {
    echoed = OPCOutputData(propertyName, value);
    return true;
  }
  bool echoed = true;
};

}  // namespace

TEST(TiVCLComponentOpcTest, PropertyIsFedOnTheGuiThread) {
  OpcTestScope scope;
  OpcFedPlot fed(QStringLiteral("HintsPause"));
  fed.Take(scope.Library(), 700);
  EXPECT_EQ(fed.plot.HintsPause(), 700);
  EXPECT_EQ(fed.lastIndex, 0);
  EXPECT_TRUE(fed.onGuiThread);
}

TEST(TiVCLComponentOpcTest, BooleanPropertyTakesTextAndNumbers) {
  struct BoolCase {
    bool initial;
    QVariant value;
    bool expected;
  };
  const std::vector<BoolCase> cases{
      {false, QStringLiteral("TRUE"), true}, {false, QStringLiteral("-1"), true}, {false, -1, true},
      {true, QStringLiteral("False"), false}, {true, QStringLiteral("0"), false}, {false, true, true},
      {false, QStringLiteral("yes"), true},
  };
  OpcTestScope scope;
  for (const BoolCase& c : cases) {
    OpcFedPlot fed(QStringLiteral("HintsShow"));
    fed.plot.SetHintsShow(c.initial);
    fed.Take(scope.Library(), c.value);
    EXPECT_EQ(fed.plot.HintsShow(), c.expected) << c.value.toString().toStdString();
  }
}

TEST(TiVCLComponentOpcTest, UnusableValuesChangeNothingButAreAnnounced) {
  struct RefusedCase {
    const char* property;
    QVariant value;
    std::uint16_t quality;
  };
  const std::vector<RefusedCase> cases{
      {"HintsPause", 900, 0x00},
      {"HintsPause", 900, 0x40},
      {"HintsPause", QStringLiteral("abc"), 0xC0},
      {"HintsPause", 2.5, 0xC0},
      {"TitleFont.Size", QStringLiteral("big"), 0xC0},
  };
  OpcTestScope scope;
  for (const RefusedCase& c : cases) {
    OpcFedPlot fed(QString::fromLatin1(c.property));
    const QString before = WritePlotDescription(fed.plot);
    const int pause = fed.plot.HintsPause();
    fed.Take(scope.Library(), c.value, c.quality);
    EXPECT_EQ(fed.arrived, 1) << c.property;
    EXPECT_EQ(fed.plot.HintsPause(), pause) << c.property;
    EXPECT_EQ(WritePlotDescription(fed.plot), before) << c.property;
  }
}

TEST(TiVCLComponentOpcTest, DottedNamesAndTheBeforeHandlerReachTheProperty) {
  OpcTestScope scope;
  OpcFedPlot fed(QStringLiteral("titlefont.size"));
  fed.plot.OnBeforeNewOPCData = [](int, QVariant& data) { data = data.toInt() + 1; };
  fed.Take(scope.Library(), 13);
  EXPECT_EQ(fed.plot.TitleFont().Size(), 14);
}

TEST(TiVCLComponentOpcTest, IncomingValuesAreNotEchoedButChangesAreSent) {
  OpcTestScope scope;
  OpcEchoingPlot plot;
  int arrived = 0;
  plot.OnNewOPCData = [&](int) { ++arrived; };
  TiOPCItem& item = plot.OPCItemManager().Items(plot.OPCAddItem());
  item.SetPropertyName(QStringLiteral("HintsPause"));
  item.SetServerName(QStringLiteral("Sim"));
  item.SetItemName(QStringLiteral("Tag"));
  item.Activate();
  scope.Library().Publish("Sim", "Tag", 321);
  ASSERT_TRUE(ProcessEventsUntil([&] { return arrived == 1; }));
  EXPECT_FALSE(plot.echoed);
  EXPECT_TRUE(scope.Library().SentData().empty());

  EXPECT_TRUE(plot.OPCOutputData(QStringLiteral("hintspause"), 77));
  EXPECT_FALSE(plot.OPCOutputData(QStringLiteral("HintsShow"), true));
  const auto sent = scope.Library().SentData();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].first, item.SignalHandle());
  EXPECT_EQ(sent[0].second, QVariant(77));
}

TEST(TiVCLComponentOpcTest, DescriptionsWithItemsRoundTrip) {
  TiPlot plot;
  TiOPCItem& item = plot.OPCItemManager().Items(plot.OPCAddItem());
  item.SetPropertyName(QStringLiteral("HintsPause"));
  item.SetServerName(QStringLiteral("Sim"));
  item.SetItemName(QStringLiteral("Tank #A.Level"));
  item.SetScalar(0.5);
  item.SetUpdateRate(250);
  item.SetAutoError(true);
  plot.OPCAddItem();
  const QString text = WritePlotDescription(plot);
  EXPECT_TRUE(text.contains(QStringLiteral("OPCItems[0].ItemName = Tank #35A.Level\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("OPCItems[0].Scalar = 0.5\n")));
  EXPECT_FALSE(text.contains(QStringLiteral("ComputerName")));

  TiPlot loaded;
  ReadPlotDescription(loaded, text);
  EXPECT_EQ(WritePlotDescription(loaded), text);
  ASSERT_EQ(loaded.OPCItemCount(), 1) << "an item left at its defaults writes no line";
  EXPECT_EQ(loaded.GetOPCItemItemName(0), QStringLiteral("Tank #A.Level"));
  EXPECT_EQ(loaded.GetOPCItemUpdateRate(0), 250);

  for (const char* bad : {"OPCItems[0].NoSuchProperty = 1", "OPCItems[0].UpdateRate = fast",
                          "OPCItems[0].AutoConnect = maybe"}) {
    EXPECT_EQ(ErrorOf([&] { ReadPlotDescription(loaded, QString::fromLatin1(bad)); }),
              QStringLiteral("Invalid plot description line 1: %1").arg(bad));
  }
  EXPECT_EQ(WritePlotDescription(loaded), text);
}

TEST(TiVCLComponentOpcTest, ItemAccessByIndex) {
  TiPlot plot;
  EXPECT_EQ(plot.OPCAddItem(), 0);
  EXPECT_EQ(plot.OPCAddItem(), 1);
  plot.SetOPCItemComputerName(1, QStringLiteral("Plant"));
  plot.SetOPCItemServerName(1, QStringLiteral("Sim"));
  plot.SetOPCItemItemName(1, QStringLiteral("Tag"));
  plot.SetOPCItemPropertyName(1, QStringLiteral("Tag"));
  plot.SetOPCItemAutoConnect(1, false);
  plot.SetOPCItemUpdateRate(1, 1000);
  EXPECT_EQ(plot.GetOPCItemComputerName(1), QStringLiteral("Plant"));
  EXPECT_EQ(plot.GetOPCItemServerName(1), QStringLiteral("Sim"));
  EXPECT_EQ(plot.GetOPCItemItemName(1), QStringLiteral("Tag"));
  EXPECT_EQ(plot.GetOPCItemPropertyName(1), QStringLiteral("Tag"));
  EXPECT_FALSE(plot.GetOPCItemAutoConnect(1));
  EXPECT_EQ(plot.GetOPCItemUpdateRate(1), 1000);
  EXPECT_EQ(plot.GetOPCItemComputerName(0), QStringLiteral("Local"));
  plot.OPCDeleteItem(0);
  EXPECT_EQ(plot.OPCItemCount(), 1);
  EXPECT_EQ(ErrorOf([&] { plot.OPCDeleteItem(1); }), QStringLiteral("List index out of bounds (1)"));
  EXPECT_EQ(ErrorOf([&] { plot.GetOPCItemData(-1); }), QStringLiteral("List index out of bounds (-1)"));
  plot.OPCRemoveAllItems();
  EXPECT_EQ(plot.OPCItemCount(), 0);
}
