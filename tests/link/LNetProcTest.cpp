#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/LNetProc.h"
#include "link/NetworkGlue.h"
#include "link/NetworkPort.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"
#include "tests/link/LoopbackTcpPeer.h"
#include "tests/link/RecordingNetworkView.h"
#include "tests/link/RecordingOwner.h"
#include "tests/link/SessionFixture.h"
#include "tests/protocol/HexBytes.h"
#include "tests/support/NetworkConfinement.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;


Bytes Joined(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

/// The network transport over the glue's port, its TCP client connected to
/// a loopback peer that stands for the unit.
class LNetProcTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(RequireLoopbackOnly());
    ASSERT_TRUE(peer.IsListening());
    NetworkEndpoints endpoints;
    endpoints.tcpPort = peer.Port();
    endpoints.defaultUnitAddress = kLoopback;
    glue = std::make_unique<NetworkGlue>(endpoints, view, [this](const QString& line) { log.Add(line); });
    transport = std::make_unique<LNetProc>(&owner, 1, glue->Port());
    ASSERT_TRUE(transport->Open());
    ASSERT_TRUE(ProcessEventsUntil([&] { return peer.Accept(); }));
  }

  /// Queues a frame and waits until the peer has it; returns what it read.
  Bytes SendAndReceive(const Bytes& frame) {
    transport->QueueFrame(frame, true);
    Bytes received;
    ProcessEventsUntil([&] {
      const Bytes more = peer.ReadAvailable();
      received.insert(received.end(), more.begin(), more.end());
      return received.size() >= frame.size();
    }, 5s);
    return received;
  }

  RecordingNetworkView view;
  RecordingLog log;
  RecordingOwner owner;
  LoopbackTcpPeer peer;
  std::unique_ptr<NetworkGlue> glue;
  std::unique_ptr<LNetProc> transport;
};

struct ReadCase {
  std::string name;
  Bytes read;             ///< what the unit writes, read at once
  std::size_t delivered;  ///< replies handed to the owner
  bool resent;            ///< the last frame goes out again
};

TEST_F(LNetProcTest, tcpReadsAreFramedOrAnsweredWithTheLastFrame) {
  const Bytes keepAlive = SerializeCommand(LCmd(1, CMD_KEEP_ALIVE), SERIALIZE_FRAME);
  const Bytes reply = ReplyFrame(1, CMD_KEEP_ALIVE);
  const Bytes emptyLength{0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x02};
  const std::vector<ReadCase> cases{
      {"one 9-byte reply", reply, 1, false},
      {"a 4-byte read", Bytes(reply.begin(), reply.begin() + 4), 0, true},
      {"two replies in one read of 18 bytes", Joined(reply, reply), 2, false},
      {"a frame of length 0, then a good one", Joined(emptyLength, reply), 1, false},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    owner.replies.clear();
    ASSERT_EQ(Hex(SendAndReceive(keepAlive)), Hex(keepAlive));
    ASSERT_TRUE(peer.Write(c.read));
    if (c.resent) {
      Bytes again;
      ASSERT_TRUE(ProcessEventsUntil([&] {
        const Bytes more = peer.ReadAvailable();
        again.insert(again.end(), more.begin(), more.end());
        return again.size() >= keepAlive.size();
      }, 5s));
      EXPECT_EQ(Hex(again), Hex(keepAlive));
      EXPECT_TRUE(log.Lines().contains(
          FormatLinkLogLine(QStringLiteral("NET RW "), Bytes(keepAlive.begin() + 1, keepAlive.end()))));
      // The rest of the reply lets the frame in flight go on.
      ASSERT_TRUE(peer.Write(reply));
    }
    ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() >= std::max<std::size_t>(c.delivered, 1); }, 5s));
    ProcessEventsUntil([&] { return transport->IsIdle(); }, 5s);
    EXPECT_EQ(owner.replies.size(), c.resent ? 1 : c.delivered);
    for (const RecordingOwner::Reply& delivered : owner.replies) {
      EXPECT_EQ(Hex(delivered.frame), Hex(reply));
    }
  }
  EXPECT_TRUE(owner.errors.empty());
}

TEST_F(LNetProcTest, writesAreLoggedFromTheSecondByteUpToTheFrameLength) {
  const Bytes keepAlive = SerializeCommand(LCmd(1, CMD_KEEP_ALIVE), SERIALIZE_FRAME);
  SendAndReceive(keepAlive);
  QString expected = QStringLiteral("NET W 10");
  for (std::size_t i = 1; i < keepAlive.size(); ++i) {
    expected += QString::asprintf(" %02X", keepAlive[i]);
  }
  // The line follows the write, so the unit may have the frame first.
  EXPECT_TRUE(ProcessEventsUntil([&] { return log.Lines().contains(expected); }, 5s))
      << log.Lines().join('\n').toStdString();
  EXPECT_EQ(Hex(glue->Port()->LastNetFrame()), Hex(keepAlive));
}

TEST_F(LNetProcTest, aUnitFrameByUdpReachesTheTransportOnlyWhileOneExists) {
  const Bytes reply = ReplyFrame(1, CMD_KEEP_ALIVE);
  const Bytes shortFrame = Bytes(reply.begin(), reply.begin() + 3);
  glue->IdUDPServerUDPRead(shortFrame, kLoopback);
  glue->IdUDPServerUDPRead(Bytes(300, 0x10), kLoopback);
  glue->IdUDPServerUDPRead(reply, kLoopback);
  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 1; }, 5s));
  // The short datagram left nothing behind to run into the reply.
  EXPECT_EQ(Hex(owner.replies[0].frame), Hex(reply));
  // What a datagram shows in the log is bounded by its length byte and its length.
  EXPECT_EQ(view.TrafficStartingWith(QStringLiteral("UDP R ")),
            (QStringList{FormatLinkLogLine(QStringLiteral("UDP R "), shortFrame),
                         FormatLinkLogLine(QStringLiteral("UDP R "), Bytes(0x10 + 8, 0x10)),
                         FormatLinkLogLine(QStringLiteral("UDP R "), reply)}));

  transport->Close();
  glue->IdUDPServerUDPRead(reply, kLoopback);
  ProcessEventsUntil([] { return false; }, 100ms);
  EXPECT_EQ(owner.replies.size(), 1u);
}

TEST_F(LNetProcTest, aDatagramNotOfTheSizeItsLengthByteStatesIsNoFrameAndTheNextReplyArrivesWhole) {
  const Bytes reply = ReplyFrame(1, CMD_KEEP_ALIVE, {1, 2, 3});
  struct Case {
    const char* name;
    Bytes datagram;
  };
  const std::vector<Case> cases{
      {"cut after the length byte", Bytes(reply.begin(), reply.begin() + 5)},
      {"one byte short", Bytes(reply.begin(), reply.end() - 1)},
      {"one byte long", Joined(reply, {0x10})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    owner.replies.clear();
    glue->IdUDPServerUDPRead(c.datagram, kLoopback);
    glue->IdUDPServerUDPRead(reply, kLoopback);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !owner.replies.empty(); }, 5s));
    ProcessEventsUntil([&] { return transport->IsIdle(); }, 5s);
    ASSERT_EQ(owner.replies.size(), 1u);
    EXPECT_EQ(Hex(owner.replies[0].frame), Hex(reply));
  }
}

TEST_F(LNetProcTest, theKeepAliveWaitsFiveSecondsForItsReply) {
  transport->OnKeepAliveTimer();
  EXPECT_EQ(transport->ReplyTimeout(), 5000);
}

}  // namespace

TEST_F(LNetProcTest, aReplyToNoAwaitedFrameNeverDrawsAResend) {
  const Bytes keepAlive = SerializeCommand(LCmd(1, CMD_KEEP_ALIVE), SERIALIZE_FRAME);
  const Bytes reply = ReplyFrame(1, CMD_KEEP_ALIVE);
  ASSERT_EQ(Hex(SendAndReceive(keepAlive)), Hex(keepAlive));
  ASSERT_TRUE(peer.Write(reply));
  ASSERT_TRUE(ProcessEventsUntil([&] { return !owner.replies.empty() && transport->IsIdle(); }, 5s));
  // On loopback a write is in the editor's socket when it returns, so each
  // read below takes it at once, and a resend would be with the peer at once.
  const Bytes shortRead(reply.begin(), reply.begin() + 4);
  ASSERT_TRUE(peer.Write(shortRead));
  glue->ClientSocketRead();
  EXPECT_EQ(Hex(peer.ReadAvailable()), "") << "the transport awaited nothing";
  // Quitting closes the transport first: whatever the unit still sends then
  // is answered with nothing.
  transport->Close();
  for (const Bytes& late : {reply, shortRead, reply}) {
    ASSERT_TRUE(peer.Write(late));
    glue->ClientSocketRead();
    EXPECT_EQ(Hex(peer.ReadAvailable()), "") << "no transport";
  }
}
