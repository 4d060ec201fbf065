#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/NetworkConfinement.h"
#include "tests/tools/unitsim/SimTestClient.h"
#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

/// A UDP socket on loopback that sends multicast out of lo.
class UdpProbe {
 public:
  UdpProbe() {
    m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    in_addr loopback{htonl(INADDR_LOOPBACK)};
    ::setsockopt(m_fd, IPPROTO_IP, IP_MULTICAST_IF, &loopback, sizeof loopback);
    const int on = 1;
    ::setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
  }
  ~UdpProbe() { ::close(m_fd); }

  bool SendTo(const char* address, std::uint16_t port, const Bytes& data) const {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    ::inet_pton(AF_INET, address, &to.sin_addr);
    return ::sendto(m_fd, data.data(), data.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
           static_cast<ssize_t>(data.size());
  }

  std::optional<Bytes> Receive(std::string* sender = nullptr) const {
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, 3000) <= 0) {
      return std::nullopt;
    }
    std::uint8_t buffer[256];
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const ssize_t n = ::recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (sender) {
      char text[INET_ADDRSTRLEN] = {};
      *sender = ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
    }
    return n < 0 ? std::nullopt : std::optional<Bytes>(Bytes(buffer, buffer + n));
  }

 private:
  int m_fd = -1;
};

bool IsFrameOfValidLength(const Bytes& datagram) {
  return datagram.size() > 4 && datagram.size() == datagram[4] + 8u;
}

std::unique_ptr<UnitSim> StartUdpSim(bool answerFrames, const std::string& source = {}) {
  UnitSimOptions options;
  options.udpSourceAddress = source;
  options.udp = true;
  options.udpFramePort = 0;
  options.udpDiscoveryPort = 0;
  options.answerUdpFrames = answerFrames;
  auto sim = std::make_unique<UnitSim>(options);
  EXPECT_TRUE(sim->Start()) << sim->LastError();
  return sim;
}

const Bytes kProbe{0x10, 0x02, 0x00, 0x01, 0x01, 0x16, 0x10, 0x03, 0x17};

TEST(UnitSimUdp, DiscoveryProbes_getAShortAnswerThatIsNoFrame) {
  if (!RequireLoopbackOnly()) {
    return;
  }
  auto sim = StartUdpSim(false);
  UdpProbe probe;
  ASSERT_TRUE(probe.SendTo("239.254.50.123", sim->UdpFramePort(), kProbe));
  const auto multicastAnswer = probe.Receive();
  ASSERT_TRUE(multicastAnswer);
  EXPECT_FALSE(IsFrameOfValidLength(*multicastAnswer));

  const char text[] = "Discovery: Who is out there?";
  ASSERT_TRUE(probe.SendTo("127.0.0.255", sim->UdpDiscoveryPort(), Bytes(text, text + sizeof text)));
  const auto broadcastAnswer = probe.Receive();
  ASSERT_TRUE(broadcastAnswer);
  EXPECT_EQ(*broadcastAnswer, *multicastAnswer);
  EXPECT_TRUE(sim->WaitUntil([&] { return sim->DiscoveryProbeCount() == 2; }, 3000ms));
}

TEST(UnitSimUdp, ChosenSourceAddress_isTheSenderOfTheAnswers) {
  if (!RequireLoopbackOnly()) {
    return;
  }
  auto sim = StartUdpSim(true, "127.0.0.20");
  UdpProbe probe;
  ASSERT_TRUE(probe.SendTo("239.254.50.123", sim->UdpFramePort(), kProbe));
  std::string sender;
  ASSERT_TRUE(probe.Receive(&sender));
  EXPECT_EQ(sender, "127.0.0.20");
  ASSERT_TRUE(probe.SendTo("127.0.0.1", sim->UdpFramePort(), BuildEditorFrame(1, SimCode::kHello, {})));
  ASSERT_TRUE(probe.Receive(&sender));
  EXPECT_EQ(sender, "127.0.0.20");
}

TEST(UnitSimUdp, FramesByUdp_areRecordedButNotAnsweredUnlessAsked) {
  if (!RequireLoopbackOnly()) {
    return;
  }
  for (const bool answer : {false, true}) {
    auto sim = StartUdpSim(answer);
    UdpProbe client;
    ASSERT_TRUE(client.SendTo("127.0.0.1", sim->UdpFramePort(), BuildEditorFrame(1, SimCode::kHello, {})));
    ASSERT_TRUE(client.SendTo("127.0.0.1", sim->UdpFramePort(), kProbe));
    const auto first = client.Receive();
    ASSERT_TRUE(first);
    EXPECT_EQ(IsFrameOfValidLength(*first), answer);
    if (answer) {
      EXPECT_EQ(*first, BuildUnitFrame(1, SimCode::kHello, {}));
    }
    EXPECT_TRUE(sim->WaitForFrames(SimCode::kHello, 1, 3000ms));
    EXPECT_EQ(sim->ReceivedFrames().front().link, SimLink::Udp);
  }
}

TEST(UnitSimHid, Reports_carryOneFrameEachWay) {
  UnitSimOptions options;
  options.hid = true;
  UnitSim sim(options);
  ASSERT_TRUE(sim.Start()) << sim.LastError();
  const int peer = sim.TakeHidPeer();
  ASSERT_GE(peer, 0);
  EXPECT_EQ(sim.TakeHidPeer(), -1);

  Bytes report(65, 0xEE);
  report[0] = 0;
  const Bytes hello = BuildEditorFrame(1, SimCode::kHello, {});
  std::copy(hello.begin(), hello.end(), report.begin() + 1);
  ASSERT_EQ(::send(peer, report.data(), report.size(), 0), 65);

  pollfd p{peer, POLLIN, 0};
  ASSERT_EQ(::poll(&p, 1, 3000), 1);
  std::uint8_t input[256];
  const ssize_t n = ::recv(peer, input, sizeof input, 0);
  ASSERT_EQ(n, 64);
  const Bytes reply = BuildUnitFrame(1, SimCode::kHello, {});
  EXPECT_EQ(Bytes(input, input + reply.size()), reply);
  EXPECT_EQ(Bytes(input + reply.size(), input + n), Bytes(64 - reply.size(), 0));
  ASSERT_EQ(sim.ReceivedFrames().size(), 1u);
  EXPECT_EQ(sim.ReceivedFrames()[0].reportLength, 65u);

  // Unplug: the peer sees the end of the device; plugging again gives a new peer.
  sim.DropLink(SimLink::Hid);
  EXPECT_EQ(::recv(peer, input, sizeof input, 0), 0);
  ::close(peer);
  ASSERT_TRUE(sim.ReopenLink(SimLink::Hid));
  SimTestClient client;
  client.Adopt(sim.TakeHidPeer());
  ASSERT_TRUE(client.SendRaw(report));
  const auto again = client.Receive();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->code, SimCode::kHello);
}

TEST(UnitSimHid, MalformedReport_isRejectedWithoutReply) {
  UnitSimOptions options;
  options.hid = true;
  UnitSim sim(options);
  ASSERT_TRUE(sim.Start());
  SimTestClient client;
  client.Adopt(sim.TakeHidPeer());
  Bytes bad{1, 0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};  // report id 1
  ASSERT_TRUE(client.SendRaw(bad));
  EXPECT_TRUE(sim.WaitUntil([&] { return sim.RejectedCount() == 1; }, 3000ms));
  EXPECT_EQ(sim.RepliesSent(), 0u);
}

}  // namespace
