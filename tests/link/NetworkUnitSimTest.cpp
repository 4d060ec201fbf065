#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "link/LUnitSession.h"
#include "link/LinkErrorEvent.h"
#include "link/LinkMessages.h"
#include "link/LinkTransportFactory.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "platform/io/HostAddresses.h"
#include "platform/io/TcpClientSocket.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "tests/link/RecordingLinkWindow.h"
#include "tests/link/RecordingNetworkView.h"
#include "tests/link/RecordingOwner.h"
#include "tests/protocol/RecordingUnitHost.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimFirAreaStore.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kNetworkReadOutLimit = 60s;
/// Four reply time-outs of 5000 ms, and room.
constexpr auto kLossLimit = 40s;

UnitSimOptions NetworkSim(const std::string& address = "127.0.0.1") {
  UnitSimOptions options = NetworkOptionsOnFreePorts();
  options.tcpAddress = address;
  options.udpSourceAddress = address;
  return options;
}

/// The real factory, telling the test the generation of each transport made.
class GenerationFactory : public ILinkTransportFactory {
public:
  explicit GenerationFactory(ILinkTransportFactory& inner) : m_inner(inner) {}

  std::unique_ptr<ILinkTransport> Create(LinkKind kind, const QString& portName, int unitId,
                                         QObject& owner) override {
    std::unique_ptr<ILinkTransport> transport = m_inner.Create(kind, portName, unitId, owner);
    if (transport) {
      generations.push_back(transport->Generation());
    }
    return transport;
  }

  std::vector<std::uint64_t> generations;

private:
  ILinkTransportFactory& m_inner;
};

/// The editor's session over the real network transport, found and linked
/// through the glue, against simulated units on loopback.
class NetworkSessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    HostAddresses::SetHook([] { return std::vector<std::uint32_t>{kLoopback}; });
  }

  void TearDown() override { HostAddresses::SetHook({}); }

  /// Starts the unit and the glue on its ports.
  void StartUnit(const UnitSimOptions& options) {
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    NetworkEndpoints endpoints;
    endpoints.tcpPort = sim->TcpPort();
    endpoints.framePort = sim->UdpFramePort();
    endpoints.broadcastPort = sim->UdpDiscoveryPort();
    endpoints.defaultUnitAddress = kLoopback;
    glue = std::make_unique<NetworkGlue>(endpoints, view, [this](const QString& line) { log.Add(line); });
    factory.SetNetworkPort(glue->Port());
  }

  /// A first probe pass, until `count` units are listed.
  void Discover(int count = 1) {
    glue->MakeHostBroadcastAddress();
    glue->BuildHostBroadcastList();
    glue->SendDiscovery();
    ASSERT_TRUE(ProcessEventsUntil([&] { return view.AddressCount() == count; }, 5s));
    window.address = view.unitAddress;
  }

  void Link() {
    session.OpenNetworkLink();
    ASSERT_TRUE(session.HasTransport(LinkKind::Network));
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kNetworkReadOutLimit));
  }

  std::size_t Received(std::uint8_t code, SimLink link) const {
    const std::vector<SimReceivedFrame> frames = sim->ReceivedFrames();
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [&](const SimReceivedFrame& frame) {
      return frame.frame.code == code && frame.link == link;
    }));
  }

  bool ImageMatches(const UnitSim& unitSim) const {
    const SimImage image = unitSim.Image();
    return std::equal(image.begin() + 2, image.end(), unit.Image().Bytes().begin() + 2);
  }

  RecordingNetworkView view;
  RecordingLog log;
  std::unique_ptr<UnitSim> sim;
  std::unique_ptr<NetworkGlue> glue;
  RecordingUnitHost host;
  LUnitControl unit{host};
  RecordingLinkWindow window;
  LinkTransportFactory factory;
  GenerationFactory made{factory};
  LUnitSession session{unit, window, made};
};

TEST_F(NetworkSessionTest, aUnitFoundByDiscoveryIsReadWholeOverTcp) {
  StartUnit(NetworkSim());
  sim->SetFirTaps(0, {2045, 300, 0, 1019, 0, 1023, 0, 12, 700});
  sim->ModifyState([](SimUnitState& state) {
    state.image[2] = 'N';
    state.image[700] = 0x5A;
    state.image[1019] = 0x33;
  });
  Discover();
  Link();

  EXPECT_TRUE(ImageMatches(*sim));
  EXPECT_EQ(session.FirCoefficients(), StoreOfFirArea(sim->FirArea(0)));
  EXPECT_TRUE(window.Has("LinkLabel IP : 127.0.0.1"));
  EXPECT_TRUE(session.IsUnitLinked());
  EXPECT_EQ(Received(CMD_HELLO, SimLink::Tcp), 1u);
}

class NetworkUdpAnswerTest : public NetworkSessionTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NetworkUdpAnswerTest, withAnAddressSelectedEachFrameGoesOnceByUdpAndOnceByTcp) {
  UnitSimOptions options = NetworkSim();
  options.answerUdpFrames = GetParam();
  StartUnit(options);
  Discover();
  Link();

  EXPECT_EQ(Received(CMD_HELLO, SimLink::Tcp), 1u);
  EXPECT_EQ(Received(CMD_HELLO, SimLink::Udp), 1u);
  EXPECT_EQ(Received(CMD_IDENTITY, SimLink::Udp), Received(CMD_IDENTITY, SimLink::Tcp));
  const QString helloReply = QStringLiteral("10 02 01 00 01 10 ");
  EXPECT_FALSE(log.Lines().filter(QStringLiteral("NET R ") + helloReply).isEmpty());
  EXPECT_EQ(view.TrafficStartingWith(QStringLiteral("UDP R ") + helloReply).isEmpty(), !GetParam());
}

INSTANTIATE_TEST_SUITE_P(UnitAnswers, NetworkUdpAnswerTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "byTcpAndUdp" : "byTcpOnly";
                         });

TEST_F(NetworkSessionTest, ofTwoUnitsOnOneFramePortTheSelectedOneIsLinkedAndRead) {
  StartUnit(NetworkSim("127.0.0.5"));
  UnitSimOptions second = NetworkSim("127.0.0.9");
  second.tcpPort = sim->TcpPort();
  second.udpFramePort = sim->UdpFramePort();
  second.udpDiscoveryPort = sim->UdpDiscoveryPort();
  UnitSim other(second);
  ASSERT_TRUE(other.Start()) << other.LastError();
  other.SetUnitId(2);
  other.ModifyState([](SimUnitState& state) { state.image[2] = 'T'; });
  sim->ModifyState([](SimUnitState& state) { state.image[2] = 'F'; });

  Discover(2);
  EXPECT_EQ(view.addresses, (QStringList{"127.0.0.5", "127.0.0.9"}));
  view.SelectAddress(1);
  glue->rzcIpAddressChange();
  window.address = view.unitAddress;
  session.SetUnitId(2);
  Link();

  EXPECT_TRUE(ImageMatches(other));
  EXPECT_TRUE(window.Has("LinkLabel IP : 127.0.0.9"));
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    EXPECT_NE(frame.link, SimLink::Tcp);
  }
}

TEST_F(NetworkSessionTest, aLateErrorOfADiscardedNetworkTransportLeavesTheNextProbeAlone) {
  StartUnit(NetworkSim());
  Discover();
  session.OpenNetworkLink();
  session.OpenNetworkLink();
  ASSERT_EQ(made.generations.size(), 2u);
  QCoreApplication::postEvent(&session, new LinkErrorEvent(LINK_ERROR_NO_REPLY, 0, made.generations.front()));
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("Refresh"); }, kNetworkReadOutLimit));
  EXPECT_FALSE(window.Has("ProbeResult 0"));
  EXPECT_TRUE(session.IsUnitLinked());
}

enum class Loss { Stopped, Dropped, CutOff, Delayed };

class NetworkLinkLossTest : public NetworkSessionTest, public ::testing::WithParamInterface<Loss> {};

TEST_P(NetworkLinkLossTest, aLostLinkEndsInDisconnectWithTheModelKept) {
  StartUnit(NetworkSim());
  sim->ModifyState([](SimUnitState& state) { state.image[2] = 'K'; });
  Discover();
  Link();
  window.calls.clear();
  switch (GetParam()) {
    case Loss::Stopped:
      sim->Stop();
      break;
    case Loss::Dropped:
      sim->DropLink(SimLink::Tcp);
      break;
    case Loss::CutOff: {
      SimFault cut;
      cut.code = CMD_KEEP_ALIVE;
      cut.cutAndDrop = 6;
      cut.times = 1;
      sim->AddFault(cut);
      break;
    }
    case Loss::Delayed: {
      SimFault late;
      late.delay = kLossLimit + 10s;
      sim->AddFault(late);
      break;
    }
  }
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Has("ShowSearch"); }, kLossLimit));
  EXPECT_TRUE(window.Has("LinkBroken"));
  EXPECT_FALSE(session.HasAnyTransport());
  EXPECT_FALSE(session.IsUnitLinked());
  EXPECT_FALSE(glue->Port()->ClientSocket().Active()) << "the connection ends and is watched no more";
  EXPECT_EQ(unit.Image().Byte(2), 'K');
  if (GetParam() == Loss::Stopped) {
    return;
  }
  sim->ClearFaults();
  window.calls.clear();
  Link();
  EXPECT_TRUE(session.IsUnitLinked());
}

INSTANTIATE_TEST_SUITE_P(Losses, NetworkLinkLossTest, ::testing::Values(Loss::Stopped, Loss::Dropped, Loss::CutOff, Loss::Delayed),
                         [](const ::testing::TestParamInfo<Loss>& info) {
                           switch (info.param) {
                             case Loss::Stopped:
                               return "unitStopped";
                             case Loss::Dropped:
                               return "connectionDropped";
                             case Loss::CutOff:
                               return "replyCutOffThenConnectionClosed";
                             case Loss::Delayed:
                               break;
                           }
                           return "repliesLaterThanEveryResend";
                         });

TEST_F(NetworkSessionTest, aReplyLateByOneTimeOutIsResentAndTheLinkGoesOn) {
  StartUnit(NetworkSim());
  Discover();
  Link();
  SimFault late;
  late.code = CMD_LEVELS;
  late.delay = 7s;
  late.times = 1;
  sim->AddFault(late);
  session.SendCommand(CM_MCS_CMD(session.GetUnitId(), CMD_LEVELS), true);
  // The frame goes again after one time-out; the unit answers that at once.
  ASSERT_TRUE(ProcessEventsUntil([&] { return Received(CMD_LEVELS, SimLink::Tcp) == 2; }, 20s));
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Count("Levels") >= 1; }, 20s));
  const std::size_t keepAlives = sim->ReceivedCount(CMD_KEEP_ALIVE);
  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_KEEP_ALIVE) >= keepAlives + 2; }, 20s));
  EXPECT_FALSE(window.Has("LinkBroken"));
  EXPECT_TRUE(session.IsUnitLinked());
}

}  // namespace
