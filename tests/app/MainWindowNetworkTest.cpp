#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "platform/io/HostAddresses.h"
#include "platform/io/TcpClientSocket.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"

namespace {

using namespace std::chrono_literals;


/// A main window on the network endpoints of a simulated unit on loopback,
/// as the program entry builds it.
class MainWindowNetworkTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!NonLoopbackInterfaces().empty()) {
      return;
    }
    HostAddresses::SetHook([] { return std::vector<std::uint32_t>{kLoopback}; });
    UnitSimOptions options = NetworkOptionsOnFreePorts();
    sim = new UnitSim(options);
    if (!sim->Start()) {
      return;
    }
    NetworkEndpoints endpoints;
    endpoints.tcpPort = sim->TcpPort();
    endpoints.framePort = sim->UdpFramePort();
    endpoints.broadcastPort = sim->UdpDiscoveryPort();
    endpoints.defaultUnitAddress = kLoopback;
    factory = new LinkTransportFactory;
    window = new TfmMain(*factory, nullptr, endpoints);
    factory->SetNetworkPort(window->Network()->Port());
  }

  static void TearDownTestSuite() {
    delete window;
    delete factory;
    delete sim;
    window = nullptr;
    factory = nullptr;
    sim = nullptr;
    HostAddresses::SetHook({});
  }

  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    ASSERT_NE(window, nullptr) << (sim != nullptr ? sim->LastError() : std::string());
  }

  template <class T>
  static T& Get(const char* name) {
    return *window->Controls().Find<T>(QString::fromLatin1(name));
  }

  static UnitSim* sim;
  static LinkTransportFactory* factory;
  static TfmMain* window;
};

UnitSim* MainWindowNetworkTest::sim = nullptr;
LinkTransportFactory* MainWindowNetworkTest::factory = nullptr;
TfmMain* MainWindowNetworkTest::window = nullptr;

TEST_F(MainWindowNetworkTest, afterStartUpTheAddressListHoldsTheUnitAndTheScanEnds) {
  auto& list = Get<TRzComboBox>("rzcIpAddress");
  ASSERT_TRUE(ProcessEventsUntil([&] { return list.Items().size() == 1; }, 5s));
  EXPECT_EQ(list.Items().front(), "127.0.0.1");
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_TRUE(list.Visible());
  EXPECT_TRUE(Get<TLabel>("lbIp").Visible());
  EXPECT_EQ(window->State().SelectedUnitAddress, kLoopback);
  auto& hostCheck = Get<TTimer>("tmHostCheck");
  ASSERT_TRUE(ProcessEventsUntil([&] { return !hostCheck.Enabled(); }, 5s));
  EXPECT_EQ(sim->DiscoveryProbeCount(), 4u) << "two passes: the host's first address and its one address";
}

TEST_F(MainWindowNetworkTest, theScanButtonListsTheUnitAgainAndTheOpenLinkGoesToIt) {
  Get<TRzButton>("sbIpScan").Click();
  ASSERT_TRUE(ProcessEventsUntil([&] { return Get<TRzComboBox>("rzcIpAddress").Items().size() == 1; }, 5s));
  window->Session().OpenNetworkLink();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window->Session().IsUnitLinked(); }, 60s));
  EXPECT_EQ(Get<TLabel>("lbShowIp").Caption(), "IP : 127.0.0.1");
  window->Session().Disconnect();
  EXPECT_FALSE(window->Network()->Port()->ClientSocket().Active());
}

}  // namespace
