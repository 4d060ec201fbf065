#include <arpa/inet.h>
#include <chrono>
#include <cstdint>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmNetwork.h"
#include "dialogs/TfmNetworkSetup.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "platform/io/HostAddresses.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "tests/app/LinkSearchTestSupport.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"

namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr std::uint32_t kUnitOne = 0x7F000005;
constexpr std::uint32_t kUnitTwo = 0x7F000009;
constexpr std::uint32_t kListener = 0x7F000007;

/// The main window that keeps every text the network link shows in the
/// search dialog, with how many hellos unit two had then received.
class StatusRecordingWindow : public TfmMain {
public:
  using TfmMain::TfmMain;
  void SetSearchStatus(const QString& text) override {
    statuses.emplace_back(text, unitTwo != nullptr ? unitTwo->ReceivedCount(CMD_HELLO) : 0);
    TfmMain::SetSearchStatus(text);
  }
  std::vector<std::pair<QString, std::size_t>> statuses;
  UnitSim* unitTwo = nullptr;
};

std::size_t TcpHellos(const UnitSim& sim) {
  std::size_t count = 0;
  for (const SimReceivedFrame& frame : sim.ReceivedFrames()) {
    count += frame.link == SimLink::Tcp && frame.frame.code == CMD_HELLO ? 1 : 0;
  }
  return count;
}

/// A UDP socket of the test on a loopback address: what reaches it.
class UdpListener {
public:
  UdpListener(std::uint32_t address, std::uint16_t port) : m_fd(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0)) {
    const int on = 1;
    ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(address);
    m_bound = ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  }
  ~UdpListener() { ::close(m_fd); }
  bool Bound() const { return m_bound; }
  /// The next datagram, or an empty one.
  std::vector<std::uint8_t> Take() {
    std::vector<std::uint8_t> data(2048);
    const ssize_t n = ::recv(m_fd, data.data(), data.size(), 0);
    data.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return data;
  }

private:
  int m_fd;
  bool m_bound = false;
};

/// Two simulated units on the network, 127.0.0.5 (id 1) and 127.0.0.9
/// (id 2), on the same ports, and the main window with its search and
/// setup dialogs on those ports.
class LinkSearchNetworkTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!NonLoopbackInterfaces().empty()) {
      return;
    }
    HostAddresses::SetHook([] { return std::vector<std::uint32_t>{kLoopback}; });
    unitOne = StartUnit("127.0.0.5", 0, 0, 0, 1);
    if (unitOne == nullptr) {
      return;
    }
    unitTwo = StartUnit("127.0.0.9", unitOne->TcpPort(), unitOne->UdpFramePort(), unitOne->UdpDiscoveryPort(), 2);
    if (unitTwo == nullptr) {
      return;
    }
    NetworkEndpoints endpoints;
    endpoints.tcpPort = unitOne->TcpPort();
    endpoints.framePort = unitOne->UdpFramePort();
    endpoints.broadcastPort = unitOne->UdpDiscoveryPort();
    endpoints.defaultUnitAddress = kUnitOne;
    factory = std::make_unique<LinkTransportFactory>();
    window = std::make_unique<StatusRecordingWindow>(*factory, nullptr, endpoints);
    window->unitTwo = unitTwo.get();
    factory->SetNetworkPort(window->Network()->Port());
    network = std::make_unique<TfmNetwork>(*window);
    setup = std::make_unique<TfmNetworkSetup>(*window);
  }
  static void TearDownTestSuite() {
    setup.reset();
    network.reset();
    window.reset();
    factory.reset();
    unitTwo.reset();
    unitOne.reset();
    HostAddresses::SetHook({});
  }

  static std::unique_ptr<UnitSim> StartUnit(const char* address, std::uint16_t tcp, std::uint16_t frame,
                                           std::uint16_t discovery, std::uint8_t id) {
    UnitSimOptions options;
    options.tcp = true;
    options.tcpAddress = address;
    options.tcpPort = tcp;
    options.udp = true;
    options.udpFramePort = frame;
    options.udpDiscoveryPort = discovery;
    options.udpSourceAddress = address;
    auto sim = std::make_unique<UnitSim>(options);
    if (!sim->Start()) {
      return nullptr;
    }
    sim->SetUnitId(id);
    return sim;
  }

  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ProcessEventsUntil([] { return window->AddressCount() == 2; }, 10s));
  }
  void TearDown() override {
    window->Session().Disconnect();
    window->ReportLinkBroken();
    QuietSearchDialog();
    setup->Hide();
  }

  /// The setup dialog's Set with this id and address, as a user enters them.
  static void SetUpLink(int id, std::uint32_t address) {
    setup->Show();
    setup->edId->SetText(QString::number(id));
    for (int i = 0; i < 4; ++i) {
      setup->AddressFields()[i]->SetText(QString::number((address >> (24 - 8 * i)) & 0xFF));
    }
    setup->bnSet->Click();
  }

  static inline std::unique_ptr<UnitSim> unitOne;
  static inline std::unique_ptr<UnitSim> unitTwo;
  static inline std::unique_ptr<LinkTransportFactory> factory;
  static inline std::unique_ptr<StatusRecordingWindow> window;
  static inline std::unique_ptr<TfmNetwork> network;
  static inline std::unique_ptr<TfmNetworkSetup> setup;
  HookedSerialUnits noPorts;
};

TEST_F(LinkSearchNetworkTest, PickedAddressAndId_linkTheSecondUnitOverTcpAndReadIt) {
  auto& list = *window->Controls().Find<TRzComboBox>(QStringLiteral("rzcIpAddress"));
  ASSERT_EQ(list.Items(), (QStringList{"127.0.0.5", "127.0.0.9"}));
  list.SetItemIndex(1);
  list.OnChange(&list);
  EXPECT_EQ(window->State().SelectedUnitAddress, kUnitTwo);
  SetUpLink(2, kUnitTwo);
  EXPECT_FALSE(setup->isVisible());
  EXPECT_EQ(window->GetUnitId(), 2);
  unitTwo->ModifyState([](SimUnitState& state) { state.image[2] = 'T'; });

  auto& link = *window->Controls().Find<TRzBmpButton>(QStringLiteral("rzbMenuLink"));
  ASSERT_TRUE(RunBoundedModal([&] { link.Click(); }, 30s));
  ASSERT_TRUE(window->Session().IsUnitLinked());
  EXPECT_EQ(window->Controls().Find<TLabel>(QStringLiteral("lbShowIp"))->Caption(), "IP : 127.0.0.9");
  EXPECT_EQ(network->lblDeviceID->Caption(), "1/1");
  ASSERT_TRUE(ProcessEventsUntil([] { return window->UnitControl().Image().Bytes()[2] == 'T'; }, 60s));
  // Datagrams to either unit may reach either simulator (both listen on
  // every address); the link itself is the TCP connection.
  EXPECT_EQ(TcpHellos(*unitOne), 0u);
  EXPECT_GE(TcpHellos(*unitTwo), 1u);
  bool connectingBeforeHello = false;
  for (const auto& [text, hellos] : window->statuses) {
    connectingBeforeHello = connectingBeforeHello || (text == "Network Connecting" && hellos == 0);
  }
  EXPECT_TRUE(connectingBeforeHello);
}

TEST_F(LinkSearchNetworkTest, ManualAddress_isTheDestinationOfTheUdpFramesToo) {
  UdpListener listener(kListener, unitOne->UdpFramePort());
  ASSERT_TRUE(listener.Bound());
  unitOne->ClearReceivedFrames();
  unitTwo->ClearReceivedFrames();
  SetUpLink(1, kListener);
  EXPECT_EQ(window->Network()->Port()->UdpDestination(), kListener);
  window->Session().OpenNetworkLink();
  std::vector<std::uint8_t> datagram;
  ASSERT_TRUE(ProcessEventsUntil([&] { return !(datagram = listener.Take()).empty(); }, 5s));
  ASSERT_GT(datagram.size(), 5u);
  EXPECT_EQ(datagram[5], CMD_HELLO);
  EXPECT_EQ(unitOne->ReceivedCount(CMD_HELLO) + unitTwo->ReceivedCount(CMD_HELLO), 0u);
}

}  // namespace
