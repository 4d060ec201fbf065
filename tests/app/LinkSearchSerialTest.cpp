#include <algorithm>
#include <chrono>
#include <memory>

#include <QTimer>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmInformation.h"
#include "dialogs/TfmNetwork.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/ProcessState.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "tests/app/FilterEditingTestSupport.h"
#include "tests/app/LinkSearchTestSupport.h"
#include "tests/support/ModalDialogCloser.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/labels/TRzLabel.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kLinkLimit = 30s;
constexpr auto kSearchReadOutLimit = 60s;

/// The main window with its search and information dialogs, over the real
/// serial transport, on simulated units listed as serial ports.
class LinkSearchSerialTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    factory = new LinkTransportFactory;
    window = new TfmMain(*factory, nullptr);
    information = new TfmInformation(*window);
    network = new TfmNetwork(*window);
  }
  static void TearDownTestSuite() {
    delete network;
    delete information;
    delete window;
    delete factory;
  }

  void TearDown() override {
    // While the units still run: a link that broke would open the search again.
    // Going offline as the disconnect timer does leaves no probe result behind.
    window->Session().Disconnect();
    window->ReportLinkBroken();
    QuietSearchDialog();
  }

  template <class T>
  static T& Get(const char* name) {
    return *window->Controls().Find<T>(QString::fromLatin1(name));
  }
  static QString Text(const char* key) { return window->LookUpText(QLatin1String(key)); }
  static QString ConnectCaption() { return window->Form().MainMenu.Find(QStringLiteral("Connect"))->Caption; }
  static bool Linked() { return window->Session().IsUnitLinked(); }
  static bool ReadOutDone() {
    return ProcessEventsUntil([] { return Get<TTimer>("tmInLevelDet").Enabled(); }, kSearchReadOutLimit);
  }

  static inline LinkTransportFactory* factory = nullptr;
  static inline TfmMain* window = nullptr;
  static inline TfmInformation* information = nullptr;
  static inline TfmNetwork* network = nullptr;
  HookedSerialUnits units;
};

TEST_F(LinkSearchSerialTest, Search_triesThePortsInNumberOrderAndLinksOnTheFirstThatAnswers) {
  UnitSim* s10 = units.Add("ttyS10");
  UnitSim* s3 = units.Add("ttyS3", false);
  UnitSim* s4 = units.Add("ttyS4", false);
  ASSERT_TRUE(s10 && s3 && s4);
  network->Show();
  network->btnOK->Click();
  ASSERT_TRUE(ProcessEventsUntil(Linked, kLinkLimit));
  EXPECT_EQ(network->lblDeviceID->Caption(), "3/3");
  EXPECT_EQ(Get<TLabel>("lbShowIp").Caption().toStdString(), units.PathOf("ttyS10"));
  ASSERT_TRUE(ProcessEventsUntil([] { return !network->isVisible(); }, kLinkLimit));
  ASSERT_TRUE(FirstHello(*s3) && FirstHello(*s4) && FirstHello(*s10));
  EXPECT_LT(*FirstHello(*s3), *FirstHello(*s4));
  EXPECT_LT(*FirstHello(*s4), *FirstHello(*s10));
}

TEST_F(LinkSearchSerialTest, Search_aPortThatCannotBeOpenedShowsLinkBrokenAndTheNextWaitsForTheWatchdog) {
  units.AddMissing("ttyS1");
  UnitSim* s2 = units.Add("ttyS2");
  ASSERT_TRUE(s2);
  network->Show();
  network->btnOK->Click();
  ASSERT_TRUE(ProcessEventsUntil([] { return network->btnOK->Enabled(); }, 5s));
  EXPECT_EQ(network->lblScan->Caption(), Text("SID_LINK_BROKEN"));
  EXPECT_EQ(network->lblDeviceID->Caption(), "");
  EXPECT_EQ(s2->ReceivedCount(CMD_HELLO), 0u);
  ASSERT_TRUE(network->tmWatchDog.Enabled());
  EXPECT_EQ(network->tmWatchDog.Interval(), 10000);
  network->tmWatchDog.OnTimer(&network->tmWatchDog);  // its expiry
  ASSERT_TRUE(ProcessEventsUntil(Linked, kLinkLimit));
  EXPECT_EQ(Get<TLabel>("lbShowIp").Caption().toStdString(), units.PathOf("ttyS2"));
}

TEST_F(LinkSearchSerialTest, Search_aUnitAnsweringWithAnotherIdIsLeftAndTheSearchGoesOn) {
  UnitSim* other = units.Add("ttyS1", true, 2);
  UnitSim* own = units.Add("ttyS2");
  ASSERT_TRUE(other && own);
  network->Show();
  network->btnOK->Click();
  ASSERT_TRUE(ProcessEventsUntil(Linked, kLinkLimit));
  EXPECT_EQ(Get<TLabel>("lbShowIp").Caption().toStdString(), units.PathOf("ttyS2"));
  EXPECT_GE(other->ReceivedCount(CMD_HELLO), 1u);
  EXPECT_EQ(other->ReceivedCount(CMD_IDENTITY), 0u) << "its transport was closed at its answer";
  EXPECT_EQ(window->GetUnitId(), 1);
}

TEST_F(LinkSearchSerialTest, LinkButton_searchesLinksAndReadsOutThenSaysGoodbyeAndGoesOffline) {
  UnitSim* unit = units.Add("ttyS5");
  ASSERT_TRUE(unit);
  auto& link = Get<TRzBmpButton>("rzbMenuLink");
  ASSERT_TRUE(RunBoundedModal([&] { link.Click(); }, kLinkLimit));
  EXPECT_TRUE(Linked());
  EXPECT_FALSE(network->isVisible());
  EXPECT_EQ(ConnectCaption(), Text("SID_DISCONNECT"));
  ASSERT_TRUE(ReadOutDone());
  EXPECT_TRUE(link.Enabled());
  EXPECT_EQ(link.Caption(), Text("SID_ONLINE"));

  unit->ClearReceivedFrames();
  link.Click();
  EXPECT_FALSE(link.Enabled());
  EXPECT_EQ(ConnectCaption(), Text("SID_CONNECT"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return unit->ReceivedCount(CMD_GOODBYE) >= 1; }, 5s));
  ASSERT_TRUE(ProcessEventsUntil([] { return !window->Session().HasAnyTransport(); }, 5s));
  EXPECT_FALSE(Linked());
  EXPECT_EQ(link.Caption(), Text("SID_OFFLINE"));
  EXPECT_EQ(ConnectCaption(), Text("SID_CONNECT"));
  EXPECT_TRUE(link.Enabled());
}

TEST_F(LinkSearchSerialTest, LinkButton_demoClosesTheSearchAndEnablesTheButton) {
  auto& link = Get<TRzBmpButton>("rzbMenuLink");
  QTimer demo;
  QObject::connect(&demo, &QTimer::timeout, [] {
    if (network->Modal() && network->btnExit->Enabled()) {
      network->btnExit->Click();
    }
  });
  demo.start(20);
  ASSERT_TRUE(RunBoundedModal([&] { link.Click(); }, 10s));
  EXPECT_EQ(network->lblScan->Caption(), Text("SID_NO_DEVICE"));
  EXPECT_FALSE(network->isVisible());
  EXPECT_TRUE(link.Enabled());
}

TEST_F(LinkSearchSerialTest, FactoryDefault_offlineAsksToConnectFirstAndStartsNothing) {
  QStringList shown;
  ModalDialogCloser closer([&](QWidget*) { shown << information->lbMessage->Caption(); });
  window->Form().MainMenu.Find(QStringLiteral("FactoryDefault"))->Click();
  EXPECT_EQ(shown, QStringList{Text("SID_INFO_CON_FIRST")});
  EXPECT_EQ(window->Session().GetProcessState(), PROCESS_IDLE);
}

TEST_F(LinkSearchSerialTest, StartFactoryReset_resetsTheUnitAndReadsItWhole) {
  UnitSim* unit = units.Add("ttyS6");
  ASSERT_TRUE(unit);
  ASSERT_TRUE(LinkInputPairAndReadOut(*window, *unit));
  ASSERT_TRUE(ReadOutDone());
  const SimImage before = unit->Image();
  unit->ClearReceivedFrames();

  window->StartFactoryReset();
  EXPECT_EQ(window->Session().GetProcessState(), PROCESS_RELOAD_AFTER_FACTORY_RESET);
  EXPECT_FALSE(Get<TTimer>("tmInLevelDet").Enabled());
  ASSERT_TRUE(ProcessEventsUntil(
      [&] {
        const SimImage unitImage = unit->Image();
        const auto editor = window->UnitControl().Image().Bytes();
        return unit->ReceivedCount(CMD_FACTORY_RESET) == 1 && Get<TTimer>("tmInLevelDet").Enabled() &&
               std::equal(unitImage.begin() + 2, unitImage.begin() + 1006, editor.begin() + 2);
      },
      kSearchReadOutLimit));
  EXPECT_NE(unit->Image(), before) << "the unit holds its factory setting again";
  EXPECT_GE(unit->ReceivedCount(CMD_READ_PRESET_DIRECTORY), 1u);
  EXPECT_EQ(window->Session().GetProcessState(), PROCESS_IDLE);
}

}  // namespace
