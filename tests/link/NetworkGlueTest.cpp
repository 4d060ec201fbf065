#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/LNetProc.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "platform/io/HostAddresses.h"
#include "platform/io/TcpClientSocket.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"
#include "tests/link/RecordingNetworkView.h"
#include "tests/link/RecordingOwner.h"
#include "tests/protocol/HexBytes.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const Bytes kAnswer{'K', 'R', 'V', '-', '7', '1'};

std::uint32_t Address(const char* text) { return NetworkGlue::ParseAddress(QString::fromLatin1(text)).value(); }

/// The glue probing a simulated unit on loopback, with the host's
/// addresses answered by a hook (127.0.0.1 unless a test says otherwise).
class NetworkGlueTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    HostAddresses::SetHook([this] { return hostAddresses; });
    UnitSimOptions options;
    options.udp = true;
    options.udpFramePort = 0;
    options.udpDiscoveryPort = 0;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    NetworkEndpoints endpoints;
    endpoints.framePort = sim->UdpFramePort();
    endpoints.broadcastPort = sim->UdpDiscoveryPort();
    endpoints.defaultUnitAddress = kLoopback;
    glue = std::make_unique<NetworkGlue>(endpoints, view);
  }

  void TearDown() override { HostAddresses::SetHook({}); }

  /// Datagrams from each sender, as units answering a probe.
  void HearFrom(const std::vector<const char*>& senders) {
    for (const char* sender : senders) {
      glue->IdUDPServerUDPRead(kAnswer, Address(sender));
    }
  }

  std::vector<std::uint32_t> hostAddresses{kLoopback};
  RecordingNetworkView view;
  std::unique_ptr<UnitSim> sim;
  std::unique_ptr<NetworkGlue> glue;
};

TEST_F(NetworkGlueTest, aPassProbesTheGroupAndTheBroadcastAddressAndListsTheUnitThatAnswers) {
  EXPECT_EQ(Hex(SerializeCommand(CM_MCS_CMD(1, CMD_DISCOVERY), SERIALIZE_FRAME)), "10 02 00 01 01 16 10 03 17");
  glue->MakeHostBroadcastAddress();
  glue->BuildHostBroadcastList();
  EXPECT_EQ(glue->HostBroadcastList(), (std::vector<QString>{"127.0.0.255", "127.0.0.255"}));
  EXPECT_EQ(glue->HostScanCount(), 2);

  glue->SendDiscovery();
  // The simulator counts the exact probe frame and the exact 29-byte text.
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->DiscoveryProbeCount() == 2 && view.AddressCount() == 1; }, 5s));
  EXPECT_EQ(view.TrafficStartingWith("Scan Host"), QStringList{"Scan Host 0/2: 127.0.0.255, ListIndex = -1"});
  EXPECT_EQ(view.addresses, QStringList{"127.0.0.1"});
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.unitAddress, kLoopback);
  EXPECT_TRUE(view.listShown);
  EXPECT_EQ(glue->Port()->UdpDestination(), kLoopback);
  EXPECT_EQ(glue->Port()->ClientSocket().Address(), kLoopback);
}

TEST_F(NetworkGlueTest, aHostWithTwoAddressesMakesThreePassesAfterTheScanButton) {
  hostAddresses = {kLoopback, Address("127.0.0.2")};
  glue->MakeHostBroadcastAddress();
  HearFrom({"127.0.0.7"});
  glue->sbIpScanClick();
  EXPECT_TRUE(view.addresses.isEmpty());
  EXPECT_EQ(glue->Port()->UdpDestination(), std::nullopt);
  for (int tick = 0; tick < 10 && view.hostCheck; ++tick) {
    glue->tmHostCheckTimer();
  }
  EXPECT_FALSE(view.hostCheck);
  EXPECT_EQ(view.TrafficStartingWith("Scan Host").size(), 3);
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->DiscoveryProbeCount() == 6; }, 5s)) << sim->DiscoveryProbeCount();
}

TEST_F(NetworkGlueTest, aHostWithoutAddressesProbesTheGroupOnlyAndLongListsAndDatagramsAreWhole) {
  hostAddresses.clear();
  glue->MakeHostBroadcastAddress();
  glue->BuildHostBroadcastList();
  glue->SendDiscovery();
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->DiscoveryProbeCount() == 1 && view.AddressCount() == 1; }, 5s));

  for (int i = 1; i <= 6; ++i) {
    hostAddresses.push_back(0x0A000000u | static_cast<std::uint32_t>(i) << 8 | 1u);
  }
  glue->BuildHostBroadcastList();
  EXPECT_EQ(glue->HostBroadcastList().size(), 7u);
  EXPECT_EQ(glue->HostBroadcastList().back(), "10.0.6.255");
  EXPECT_EQ(glue->HostScanCount(), 7);
  glue->IdUDPServerUDPRead(Bytes(3, 0x10), kLoopback);
  glue->IdUDPServerUDPRead(Bytes(300, 0x10), kLoopback);
  EXPECT_EQ(view.TrafficStartingWith("UDP R ").back(), FormatLinkLogLine("UDP R ", Bytes(0x10 + 8, 0x10)));
}

struct OrderCase {
  std::string name;
  std::vector<const char*> senders;
  QStringList listed;
};

TEST_F(NetworkGlueTest, sendersAreListedLastOctetFirstAndEntryZeroIsTheUnitAddressAfterEachInsertion) {
  const std::vector<OrderCase> cases{
      {"one subnet", {"127.0.0.20", "127.0.0.5", "127.0.0.9"}, {"127.0.0.5", "127.0.0.9", "127.0.0.20"}},
      {"the last octet weighs most", {"127.0.1.5", "127.0.2.3"}, {"127.0.2.3", "127.0.1.5"}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    view.ClearAddresses();
    for (const char* sender : c.senders) {
      HearFrom({sender});
      EXPECT_EQ(view.selected, 0);
      EXPECT_EQ(view.unitAddress, Address(view.AddressAt(0).toLatin1().constData()));
      EXPECT_EQ(glue->Port()->UdpDestination(), view.unitAddress);
      EXPECT_EQ(view.shownAddresses.back(), view.unitAddress);
    }
    EXPECT_EQ(view.addresses, c.listed);
  }
}

TEST_F(NetworkGlueTest, aListedSenderOnlyMovesTheSelection) {
  HearFrom({"127.0.0.5", "127.0.0.9"});
  const std::size_t shown = view.shownAddresses.size();
  HearFrom({"127.0.0.9"});
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(view.unitAddress, Address("127.0.0.5"));
  EXPECT_EQ(glue->Port()->UdpDestination(), Address("127.0.0.5"));
  EXPECT_EQ(view.shownAddresses.size(), shown);
}

TEST_F(NetworkGlueTest, whileANetworkTransportExistsANewSenderOnlyJoinsTheList) {
  HearFrom({"127.0.0.9"});
  RecordingOwner owner;
  LNetProc transport(&owner, 1, glue->Port());
  HearFrom({"127.0.0.5", "127.0.0.20"});
  EXPECT_EQ(view.addresses, (QStringList{"127.0.0.5", "127.0.0.9", "127.0.0.20"}));
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(view.unitAddress, Address("127.0.0.9"));
  EXPECT_EQ(glue->Port()->UdpDestination(), Address("127.0.0.9"));
  EXPECT_EQ(glue->Port()->ClientSocket().Address(), Address("127.0.0.9"));
}

TEST_F(NetworkGlueTest, sendersThatJoinedUnselectedDuringALinkAreListedOnceAfterItEnds) {
  {
    RecordingOwner owner;
    LNetProc transport(&owner, 1, glue->Port());
    HearFrom({"127.0.0.9", "127.0.0.5"});
    ASSERT_EQ(view.selected, -1);
  }
  HearFrom({"127.0.0.9", "127.0.0.5", "127.0.0.9"});
  EXPECT_EQ(view.addresses, (QStringList{"127.0.0.5", "127.0.0.9"}));
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(view.unitAddress, Address("127.0.0.9"));
  EXPECT_EQ(glue->Port()->UdpDestination(), Address("127.0.0.9"));
  EXPECT_EQ(glue->Port()->ClientSocket().Address(), Address("127.0.0.9"));
}

TEST_F(NetworkGlueTest, pickingAnAddressMakesItTheUnitAddress) {
  HearFrom({"127.0.0.5", "127.0.0.9"});
  view.SelectAddress(1);
  glue->rzcIpAddressChange();
  EXPECT_EQ(view.unitAddress, Address("127.0.0.9"));
  EXPECT_EQ(view.shownAddresses.back(), Address("127.0.0.9"));
  EXPECT_EQ(glue->Port()->UdpDestination(), Address("127.0.0.9"));
  EXPECT_EQ(glue->Port()->ClientSocket().Address(), Address("127.0.0.9"));
}

}  // namespace
