#include <gtest/gtest.h>

#include "tests/support/NetworkConfinement.h"
#include "tests/tools/unitsim/SimTestClient.h"
#include "tools/unitsim/SimCodes.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;

/// A simulator over TCP with a connected client.
class UnitSimFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RequireLoopbackOnly()) {
      GTEST_SKIP();
    }
    UnitSimOptions options;
    options.tcp = true;
    options.tcpPort = 0;
    options.pty = true;
    m_sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(m_sim->Start()) << m_sim->LastError();
    ASSERT_TRUE(m_client.ConnectTcp(m_sim->TcpPort()));
  }

  SimFault Fault(std::uint8_t code) {
    SimFault fault;
    fault.code = code;
    return fault;
  }

  std::unique_ptr<UnitSim> m_sim;
  SimTestClient m_client;
};

TEST_F(UnitSimFaultsTest, NoReplyForTheFirstHello_thenTheUnitAnswersAgain) {
  SimFault fault = Fault(SimCode::kHello);
  fault.noReply = true;
  fault.times = 1;
  m_sim->AddFault(fault);
  ASSERT_TRUE(m_client.Send(SimCode::kHello));
  ASSERT_TRUE(m_client.Send(SimCode::kKeepAlive));
  // The unanswered hello leaves the keep-alive's acknowledgement first in line.
  const auto first = m_client.Receive();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->code, SimCode::kAck);
  const auto second = m_client.Exchange(SimCode::kHello);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->code, SimCode::kHello);
  EXPECT_EQ(m_sim->ReceivedCount(SimCode::kHello), 2u);
}

TEST_F(UnitSimFaultsTest, AckOnly_answersAPasswordWithABareAcknowledgement) {
  m_sim->ModifyState([](SimUnitState& state) { state.lock.adminLockSet = true; });
  SimFault fault = Fault(SimCode::kPassSubmit);
  fault.ackOnly = true;
  m_sim->AddFault(fault);
  const auto reply = m_client.Exchange(SimCode::kPassSubmit, {0, '8', '5', '3', '1'});
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->code, SimCode::kAck);
  EXPECT_TRUE(reply->payload.empty());
  EXPECT_EQ(m_sim->State().lock.sessionAccess, 1) << "the password is still judged";
}

TEST_F(UnitSimFaultsTest, DelayedReply_arrivesAfterALaterPromptOne) {
  SimFault fault = Fault(SimCode::kIdentity);
  fault.delay = 300ms;
  m_sim->AddFault(fault);
  ASSERT_TRUE(m_client.Send(SimCode::kIdentity));
  ASSERT_TRUE(m_client.Send(SimCode::kKeepAlive));
  const auto first = m_client.Receive();
  const auto second = m_client.Receive();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->code, SimCode::kAck);
  EXPECT_EQ(second->code, SimCode::kIdentity);
}

TEST_F(UnitSimFaultsTest, CountedFault_passesOverTheFirstCommandsThenAppliesOnce) {
  SimFault fault = Fault(SimCode::kIdentity);
  fault.payloadLimit = 0;
  fault.skip = 2;
  fault.times = 1;
  m_sim->AddFault(fault);
  std::vector<std::size_t> sizes;
  for (int n = 0; n < 4; ++n) {
    const auto reply = m_client.Exchange(SimCode::kIdentity);
    ASSERT_TRUE(reply) << n;
    sizes.push_back(reply->payload.size());
  }
  EXPECT_EQ(sizes[2], 0u) << "the third reply is cut";
  EXPECT_GT(sizes[0], 0u);
  EXPECT_EQ(sizes[0], sizes[1]);
  EXPECT_EQ(sizes[0], sizes[3]);
}

struct ReplyFaultCase {
  const char* name;
  SimFault fault;
  std::uint8_t expectedId;
  std::size_t expectedPayload;
  int expectedCopies;
};

TEST_F(UnitSimFaultsTest, ReplyFaults_changeIdPayloadOrCount) {
  SimFault wrongId;
  wrongId.replyUnitId = 7;
  SimFault shortPayload;
  shortPayload.payloadLimit = 4;
  SimFault duplicate;
  duplicate.duplicates = 1;
  const ReplyFaultCase cases[] = {
      {"wrong id", wrongId, 7, 10, 1},
      {"short payload", shortPayload, 1, 4, 1},
      {"duplicate", duplicate, 1, 10, 2},
  };
  for (const ReplyFaultCase& c : cases) {
    m_sim->ClearFaults();
    SimFault fault = c.fault;
    fault.code = SimCode::kLockStatus;
    m_sim->AddFault(fault);
    ASSERT_TRUE(m_client.Send(SimCode::kLockStatus));
    for (int copy = 0; copy < c.expectedCopies; ++copy) {
      const auto reply = m_client.Receive();
      ASSERT_TRUE(reply) << c.name;
      EXPECT_EQ(reply->unitId, c.expectedId) << c.name;
      EXPECT_EQ(reply->payload.size(), c.expectedPayload) << c.name;
    }
    // Nothing more: the next exchange gets its own reply first.
    const auto next = m_client.Exchange(SimCode::kKeepAlive);
    ASSERT_TRUE(next) << c.name;
    EXPECT_EQ(next->code, SimCode::kAck) << c.name;
  }
}

// The pieces go out 200 ms apart, so that a busy machine still reads them apart.
TEST_F(UnitSimFaultsTest, SplitReply_arrivesInPiecesOfAtMostFiveBytesOnThePtyAndTcp) {
  SimTestClient serial;
  ASSERT_TRUE(serial.OpenPty(m_sim->PtyPath()));
  SimFault fault = Fault(SimCode::kHello);
  fault.split = true;
  fault.splitPause = 200ms;
  m_sim->AddFault(fault);
  const std::vector<std::uint8_t> expected = BuildUnitFrame(1, SimCode::kHello, {});
  for (SimTestClient* client : {&m_client, &serial}) {
    ASSERT_TRUE(client->Send(SimCode::kHello));
    const auto chunks = client->ReadChunks(expected.size(), 3000ms);
    std::vector<std::uint8_t> joined;
    for (const auto& chunk : chunks) {
      EXPECT_LE(chunk.size(), 5u);
      joined.insert(joined.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(joined, expected);
  }
}

TEST_F(UnitSimFaultsTest, Garbage_goesInFrontOfTheReplyInTheSameWrite) {
  SimFault fault = Fault(SimCode::kKeepAlive);
  fault.garbage = {0xFF, 0x10, 0x03, 0x00};
  m_sim->AddFault(fault);
  ASSERT_TRUE(m_client.Send(SimCode::kKeepAlive));
  std::vector<std::uint8_t> expected = fault.garbage;
  const std::vector<std::uint8_t> ack = BuildUnitFrame(1, SimCode::kAck, {});
  expected.insert(expected.end(), ack.begin(), ack.end());
  EXPECT_EQ(m_client.ReadChunks(expected.size(), 3000ms), std::vector<std::vector<std::uint8_t>>{expected});
}

struct UnitSimBlockShiftCase {
  std::uint8_t command;
  std::vector<std::uint8_t> payload;
  std::uint8_t replyCode;
  std::vector<std::uint8_t> expectedHead;  ///< the reply's first bytes with the block shifted by 2
};

TEST_F(UnitSimFaultsTest, BlockShift_labelsTheReplyAsAnotherBlockWithTheAskedBlocksContents) {
  m_sim->ModifyState([](SimUnitState& state) { state.image[3 * 50 + 7] = 0x5A; });
  const UnitSimBlockShiftCase cases[] = {
      {SimCode::kReadImageBlock, {3}, SimCode::kImageBlockReply, {5}},
      {SimCode::kReadPresetName, {4}, SimCode::kReadPresetName, {6}},
      {SimCode::kReadFirBlock, {0, 0xFF, 0x00}, SimCode::kReadFirBlock, {0, 0x01, 0x01}},
  };
  for (const UnitSimBlockShiftCase& c : cases) {
    m_sim->ClearFaults();
    SimFault fault = Fault(c.command);
    fault.blockShift = 2;
    m_sim->AddFault(fault);
    const auto reply = m_client.Exchange(c.command, c.payload);
    ASSERT_TRUE(reply) << int(c.command);
    EXPECT_EQ(reply->code, c.replyCode);
    ASSERT_GE(reply->payload.size(), c.expectedHead.size());
    EXPECT_EQ(std::vector<std::uint8_t>(reply->payload.begin(), reply->payload.begin() + c.expectedHead.size()),
              c.expectedHead)
        << int(c.command);
  }
  m_sim->ClearFaults();
  SimFault fault = Fault(SimCode::kReadImageBlock);
  fault.blockShift = 1;
  m_sim->AddFault(fault);
  const auto shifted = m_client.Exchange(SimCode::kReadImageBlock, {3});
  ASSERT_TRUE(shifted);
  ASSERT_GT(shifted->payload.size(), 8u);
  EXPECT_EQ(shifted->payload[8], 0x5A) << "block 3's bytes under block 4's number";
}

TEST_F(UnitSimFaultsTest, DuplicateTcpReplies_arriveTogetherInOneRead) {
  SimFault fault = Fault(SimCode::kKeepAlive);
  fault.duplicates = 1;
  m_sim->AddFault(fault);
  ASSERT_TRUE(m_client.Send(SimCode::kKeepAlive));
  std::vector<std::uint8_t> twice = BuildUnitFrame(1, SimCode::kAck, {});
  twice.insert(twice.end(), twice.begin(), twice.end());
  EXPECT_EQ(m_client.ReadChunks(twice.size(), 3000ms), std::vector<std::vector<std::uint8_t>>{twice});
  EXPECT_TRUE(m_sim->WaitUntil([&] { return m_sim->RepliesSent() == 2; }, 3000ms));
}

TEST_F(UnitSimFaultsTest, DropLinkFault_closesTheConnectionInsteadOfReplying) {
  SimFault fault = Fault(SimCode::kLevels);
  fault.dropLink = true;
  m_sim->AddFault(fault);
  ASSERT_TRUE(m_client.Send(SimCode::kLevels));
  EXPECT_TRUE(m_client.SeesHangUp(3000ms));
  SimTestClient again;
  ASSERT_TRUE(again.ConnectTcp(m_sim->TcpPort()));
  EXPECT_TRUE(again.Exchange(SimCode::kHello));
}

TEST_F(UnitSimFaultsTest, DropLink_closesThePtyMasterAndReopenGivesANewPort) {
  SimTestClient serial;
  ASSERT_TRUE(serial.OpenPty(m_sim->PtyPath()));
  ASSERT_TRUE(serial.Exchange(SimCode::kHello));
  m_sim->DropLink(SimLink::Pty);
  EXPECT_TRUE(serial.SeesHangUp(3000ms));
  ASSERT_TRUE(m_sim->ReopenLink(SimLink::Pty));
  SimTestClient reopened;
  ASSERT_TRUE(reopened.OpenPty(m_sim->PtyPath()));
  EXPECT_TRUE(reopened.Exchange(SimCode::kHello));
}

TEST_F(UnitSimFaultsTest, BrokenFrame_isCountedAndLeftUnanswered) {
  std::vector<std::uint8_t> broken = BuildEditorFrame(1, SimCode::kHello, {});
  broken.back() ^= 0x01;
  ASSERT_TRUE(m_client.SendRaw(broken));
  const auto reply = m_client.Exchange(SimCode::kKeepAlive);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->code, SimCode::kAck);
  EXPECT_EQ(m_sim->RejectedCount(), 1u);
  EXPECT_EQ(m_sim->ReceivedCount(), 1u);
}

TEST_F(UnitSimFaultsTest, ChosenIdAndIdentity_appearInTheReplies) {
  m_sim->SetUnitId(250);
  m_sim->SetIdentity("KRV-71 V009");
  const auto reply = m_client.Exchange(SimCode::kIdentity);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->unitId, 250);
  EXPECT_EQ(std::string(reply->payload.begin(), reply->payload.end()), "KRV-71 V009");
}

TEST_F(UnitSimFaultsTest, BytesThatLookLikeControlCharacters_passThePtyUnchanged) {
  SimTestClient serial;
  ASSERT_TRUE(serial.OpenPty(m_sim->PtyPath()));
  const std::vector<std::uint8_t> name{0x03, 0x0A, 0x0D, 0x11, 0x13, 0x7F, 0x10,
                                       0x03, 0x04, 0x1A, 0x00, 0x0A, 0xFF, 0x7F};
  ASSERT_TRUE(serial.Exchange(SimCode::kPresetName, name));
  const auto block = serial.Exchange(SimCode::kReadImageBlock, {0});
  ASSERT_TRUE(block);
  EXPECT_EQ(std::vector<std::uint8_t>(block->payload.begin() + 3, block->payload.begin() + 17), name);
}

TEST(UnitSimLifecycle, StopIsIdempotentAndStartReportsABusyPort) {
  if (!RequireLoopbackOnly()) {
    return;
  }
  UnitSimOptions options;
  options.tcp = true;
  options.tcpPort = 0;
  UnitSim first(options);
  ASSERT_TRUE(first.Start());
  EXPECT_TRUE(first.Start());
  options.tcpPort = first.TcpPort();
  UnitSim second(options);
  EXPECT_FALSE(second.Start());
  EXPECT_NE(second.LastError(), "");
  first.Stop();
  first.Stop();
  EXPECT_FALSE(first.IsRunning());
  EXPECT_TRUE(second.Start()) << second.LastError();
}

}  // namespace
