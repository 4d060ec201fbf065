#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/io/HostAddresses.h"
#include "platform/io/TcpClientSocket.h"
#include "platform/io/UdpSocket.h"
#include "platform/threads/TTimer.h"
#include "tests/link/LoopbackTcpPeer.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

using namespace std::chrono_literals;

/// A client connected to a loopback peer, with its events counted.
class TcpClientSocketTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    ASSERT_TRUE(peer.IsListening());
    client.OnConnect = [this] { ++connects; };
    client.OnDisconnect = [this] { ++closes; };
    client.OnError = [this](int&) { ++errors; };
    client.SetAddress(kLoopback);
    client.SetPort(peer.Port());
    client.SetActive(true);
    ASSERT_TRUE(ProcessEventsUntil([&] { return connects == 1 && peer.Accept(); }));
  }

  LoopbackTcpPeer peer;
  TcpClientSocket client;
  int connects = 0;
  int closes = 0;
  int errors = 0;
};

TEST_F(TcpClientSocketTest, eachReadTakesAtMostWhatTheHandlerAsksFor) {
  std::vector<int> reads;
  client.OnRead = [&] {
    std::uint8_t buffer[100];
    reads.push_back(client.ReceiveBuf(buffer, 100));
  };
  ASSERT_TRUE(peer.Write(std::vector<std::uint8_t>(250, 0x5A)));
  ASSERT_TRUE(ProcessEventsUntil([&] { return reads.size() == 3; }));
  EXPECT_EQ(reads, (std::vector<int>{100, 100, 50}));
}

TEST_F(TcpClientSocketTest, peerCloseGivesOneClosedEventAndLaterSendsFailWithoutSigpipe) {
  const std::vector<std::uint8_t> frame(9, 0x10);
  peer.CloseConnection();
  // Sends after the peer closed, before this end has noticed: the second
  // meets the peer's reset and would raise SIGPIPE without MSG_NOSIGNAL.
  bool failed = false;
  for (int i = 0; i < 100 && !failed; ++i) {
    failed = !client.Send(frame);
  }
  ASSERT_TRUE(ProcessEventsUntil([&] { return !client.Active(); }));
  ProcessEventsUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(closes + errors, 1);
  EXPECT_FALSE(client.Send(frame));
}

TEST_F(TcpClientSocketTest, sendWaitingForRoomEndsWhenTheSocketCloses) {
  // The peer reads nothing, so a large send waits for room until Close.
  std::atomic<bool> sending{false};
  std::atomic<bool> result{true};
  std::thread worker([&] {
    sending = true;
    result = client.Send(std::vector<std::uint8_t>(64 << 20, 0x10));
  });
  ASSERT_TRUE(ProcessEventsUntil([&] { return sending && peer.Pending() > 0; }));
  client.Close();
  worker.join();
  EXPECT_FALSE(result);
  EXPECT_FALSE(client.Active());
}

TEST(UdpSocketTest, datagramsArriveWholeWithTheirSender) {
  ASSERT_TRUE(RequireLoopbackOnly());
  UdpSocket socket;
  ASSERT_TRUE(socket.Open());
  std::vector<std::size_t> sizes;
  std::vector<std::uint32_t> senders;
  socket.OnDatagram = [&](std::span<const std::uint8_t> data, std::uint32_t sender, std::uint16_t) {
    sizes.push_back(data.size());
    senders.push_back(sender);
  };
  for (const std::size_t size : {std::size_t{3}, std::size_t{300}, std::size_t{9000}}) {
    ASSERT_TRUE(socket.SendTo(kLoopback, socket.LocalPort(), std::vector<std::uint8_t>(size, 0x10)));
  }
  ASSERT_TRUE(ProcessEventsUntil([&] { return sizes.size() == 3; }));
  EXPECT_EQ(sizes, (std::vector<std::size_t>{3, 300, 9000}));
  EXPECT_EQ(senders, (std::vector<std::uint32_t>(3, kLoopback)));
  socket.Close();
  EXPECT_FALSE(socket.SendTo(kLoopback, 9, std::vector<std::uint8_t>(3, 0)));
}

TEST(UdpSocketTest, aFloodOfDatagramsLeavesTheEventLoopRunning) {
  ASSERT_TRUE(RequireLoopbackOnly());
  constexpr int kBurst = 100000;
  constexpr int kInFlight = 64;
  UdpSocket socket;
  UdpSocket flood;
  ASSERT_TRUE(socket.Open());
  ASSERT_TRUE(flood.Open());
  const std::vector<std::uint8_t> datagram(9, 0x10);
  int sent = 0;
  const auto sendOne = [&] {
    flood.SendTo(kLoopback, socket.LocalPort(), datagram);
    ++sent;
  };
  // Every datagram taken sends the next, so the socket stays readable
  // until the whole burst has gone; the timer starts with the flood.
  TTimer timer;
  timer.SetEnabled(false);
  timer.SetInterval(1);
  int sentWhenTimerRan = -1;
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    sentWhenTimerRan = sent;
  };
  socket.OnDatagram = [&](std::span<const std::uint8_t>, std::uint32_t, std::uint16_t) {
    if (sentWhenTimerRan < 0 && !timer.Enabled()) {
      timer.SetEnabled(true);
    }
    if (sent < kBurst) {
      sendOne();
    }
  };
  for (int i = 0; i < kInFlight; ++i) {
    sendOne();
  }
  ASSERT_TRUE(ProcessEventsUntil([&] { return sentWhenTimerRan >= 0 && sent == kBurst; }, 60s))
      << sent << " datagrams sent";
  EXPECT_LT(sentWhenTimerRan, kBurst) << "the timer ran only after the flood";
}

TEST(HostAddressesTest, loopbackIsNoHostAddressAndTheHookAnswersInstead) {
  ASSERT_TRUE(RequireLoopbackOnly());
  EXPECT_TRUE(HostAddresses::List().empty());
  HostAddresses::SetHook([] { return std::vector<std::uint32_t>{kLoopback}; });
  EXPECT_EQ(HostAddresses::List(), std::vector<std::uint32_t>{kLoopback});
  HostAddresses::SetHook({});
  EXPECT_TRUE(HostAddresses::List().empty());
}

}  // namespace
