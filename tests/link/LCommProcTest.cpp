#include "link/LCommProc.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "link/LinkMessages.h"
#include "platform/io/SerialPort.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"
#include "tests/link/RecordingOwner.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kUnitId = 1;

Bytes FrameOf(std::uint8_t code, const Bytes& payload = {}) {
  LCmd command(kUnitId, code);
  command.GetPayload() = payload;
  return SerializeCommand(command, SERIALIZE_FRAME);
}

// Waits on another thread's progress without running the GUI thread's event
// loop, so that replies stay undelivered meanwhile.
bool WaitWithoutEvents(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

class LCommProcTest : public ::testing::Test {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    transport = MakeTransport();
  }

  void TearDown() override {
    transport.reset();
    sim.reset();
  }

  std::unique_ptr<LCommProc> MakeTransport() {
    auto made = std::make_unique<LCommProc>(&owner, kUnitId, [this](const QString& line) { log.Add(line); });
    made->SetKeepAliveSuppressed(true);
    return made;
  }

  bool OpenLink(LCommProc& link) {
    return link.Open(QString::fromStdString(sim->PtyPath()), 115200, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT);
  }

  void DelayReplies(std::uint8_t code, std::chrono::milliseconds delay) {
    SimFault slow;
    slow.code = code;
    slow.delay = delay;
    sim->AddFault(slow);
  }

  void LeaveUnanswered(std::uint8_t code) {
    SimFault silent;
    silent.code = code;
    silent.noReply = true;
    sim->AddFault(silent);
  }

  std::vector<std::uint8_t> ReceivedCodes() const {
    std::vector<std::uint8_t> codes;
    for (const SimReceivedFrame& received : sim->ReceivedFrames()) {
      codes.push_back(received.frame.code);
    }
    return codes;
  }

  RecordingOwner owner;
  RecordingLog log;
  std::unique_ptr<UnitSim> sim;
  std::unique_ptr<LCommProc> transport;
};

TEST_F(LCommProcTest, Open_refusesMissingBusyAndReopenedPorts) {
  auto missing = MakeTransport();
  EXPECT_FALSE(missing->Open("/nonexistent/ttyKRV", 115200, 8, SerialPort::NOPARITY, SerialPort::ONESTOPBIT));
  EXPECT_FALSE(missing->IsOpen());

  ASSERT_TRUE(OpenLink(*transport));
  EXPECT_TRUE(transport->IsOpen());
  EXPECT_FALSE(OpenLink(*transport)) << "already open";
  auto second = MakeTransport();
  EXPECT_FALSE(OpenLink(*second)) << "the port is in use";

  transport->Close();
  EXPECT_FALSE(transport->IsOpen());
  EXPECT_FALSE(OpenLink(*transport)) << "a closed transport is not opened again";
  transport->QueueFrame(FrameOf(CMD_HELLO), true);
  EXPECT_FALSE(transport->IsOpen());
}

TEST_F(LCommProcTest, Hello_isDeliveredWithElapsedTimeAndLogged) {
  DelayReplies(CMD_HELLO, 60ms);
  ASSERT_TRUE(OpenLink(*transport));

  transport->QueueFrame(FrameOf(CMD_HELLO), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 1; }));
  const RecordingOwner::Reply& reply = owner.replies.front();
  ASSERT_GE(reply.frame.size(), 9u);
  EXPECT_EQ(reply.frame[5], CMD_HELLO);
  EXPECT_EQ(reply.frame.size(), reply.frame[4] + 8u);
  EXPECT_GE(reply.elapsedMs, 60u);
  EXPECT_EQ(reply.generation, transport->Generation());
  EXPECT_EQ(sim->ReceivedCount(CMD_HELLO), 1u);
  const QStringList lines = log.Lines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "COM W 10 02 00 01 01 10 10 03 11 ");
  EXPECT_TRUE(lines[1].startsWith("COM R 10 02 ")) << lines[1].toStdString();
  EXPECT_TRUE(owner.errors.empty());
}

TEST_F(LCommProcTest, UnansweredFrame_isWrittenOncePlusRetriesThenNoReply) {
  LeaveUnanswered(CMD_HELLO);
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(100);
  transport->SetRetryCount(3);

  transport->QueueFrame(FrameOf(CMD_HELLO), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return !owner.errors.empty(); }));
  const RecordingOwner::Error error = owner.errors.front();
  EXPECT_EQ(error.code, LINK_ERROR_NO_REPLY);
  EXPECT_EQ(error.argument, kUnitId);
  EXPECT_EQ(error.generation, transport->Generation());
  ASSERT_TRUE(sim->WaitForFrames(CMD_HELLO, 4, 2s));
  EXPECT_EQ(sim->ReceivedCount(CMD_HELLO), 4u);
  EXPECT_EQ(log.Lines().size(), 1) << "resends are not logged";
}

TEST_F(LCommProcTest, FrameQueuedByReplyHandler_isWrittenAfterTheHandlerReturns) {
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);
  bool queuedWhileHandling = false;
  owner.onReply = [&](const RecordingOwner::Reply& reply) {
    if (reply.frame[5] != CMD_HELLO) {
      return;
    }
    // Both are queued behind the reply being handled; the second replaces the first.
    transport->QueueFrame(FrameOf(CMD_GAIN, {0, 1}), false);
    transport->QueueFrame(FrameOf(CMD_GAIN, {0, 2}), false);
    queuedWhileHandling = !transport->IsIdle();
  };

  transport->QueueFrame(FrameOf(CMD_HELLO), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 2; }));
  EXPECT_TRUE(queuedWhileHandling);
  EXPECT_EQ(ReceivedCodes(), (std::vector<std::uint8_t>{CMD_HELLO, CMD_GAIN}));
  EXPECT_EQ(sim->ReceivedFrames().back().raw, FrameOf(CMD_GAIN, {0, 2}));
  EXPECT_TRUE(ProcessEventsUntil([&] { return transport->IsIdle(); }));
}

TEST_F(LCommProcTest, KeepAlive_isSentWhenIdleAfterTheLastFrame) {
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);
  transport->SetKeepAliveSuppressed(false);

  transport->QueueFrame(FrameOf(CMD_HELLO), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 2; }));
  EXPECT_EQ(ReceivedCodes(), (std::vector<std::uint8_t>{CMD_HELLO, CMD_KEEP_ALIVE}));
  EXPECT_EQ(transport->ReplyTimeout(), 2000);
}

TEST_F(LCommProcTest, KeepAlive_sendsNothingWhileSuppressedOrBusy) {
  LeaveUnanswered(CMD_KEEP_ALIVE);
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);

  transport->OnKeepAliveTimer();  // suppressed
  EXPECT_EQ(transport->ReplyTimeout(), 5000);
  EXPECT_TRUE(transport->IsIdle());

  transport->SetKeepAliveSuppressed(false);
  transport->OnKeepAliveTimer();  // idle: sent
  EXPECT_EQ(transport->ReplyTimeout(), 2000);
  EXPECT_FALSE(transport->IsIdle());

  transport->SetTimeout(5000);
  transport->OnKeepAliveTimer();  // its reply is pending
  EXPECT_EQ(transport->ReplyTimeout(), 5000);
  ASSERT_TRUE(sim->WaitForFrames(CMD_KEEP_ALIVE, 1, 2s));
  EXPECT_EQ(sim->ReceivedCount(CMD_KEEP_ALIVE), 1u);
}

TEST_F(LCommProcTest, ClosedPtyMaster_endsTheLinkWithPortFailed) {
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);

  sim->DropLink(SimLink::Pty);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.HasError(LINK_ERROR_PORT_FAILED); }));
  EXPECT_EQ(owner.errors.front().code, LINK_ERROR_PORT_FAILED);
  EXPECT_TRUE(ProcessEventsUntil([&] { return !transport->IsOpen(); }));
  transport->Close();
  QCoreApplication::processEvents();
  EXPECT_EQ(owner.errors.size(), 1u);
}

TEST_F(LCommProcTest, ControlBytes_passUnchangedBothWays) {
  const Bytes control{0x03, 0x0A, 0x0D, 0x11, 0x13, 0x7F};
  const std::string identity = std::string("KRV-71 ") + std::string(control.begin(), control.end());
  sim->SetIdentity(identity);
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);
  const Bytes sent = FrameOf(200, control);

  transport->QueueFrame(sent, true);
  transport->QueueFrame(FrameOf(CMD_IDENTITY), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 2; }));
  EXPECT_EQ(sim->ReceivedFrames().front().raw, sent);
  const Bytes& reply = owner.replies[1].frame;
  ASSERT_EQ(reply.size(), identity.size() + 9);
  EXPECT_EQ(std::string(reply.begin() + 6, reply.end() - 3), identity);
}

TEST_F(LCommProcTest, Close_fromTheReplyHandler_doesNotWaitForTheBlockedWorker) {
  ASSERT_TRUE(OpenLink(*transport));
  owner.onReply = [&](const RecordingOwner::Reply&) { transport->Close(); };

  transport->QueueFrame(FrameOf(CMD_HELLO), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 1; }));
  EXPECT_FALSE(transport->IsOpen());
  QCoreApplication::processEvents();
  EXPECT_FALSE(owner.HasError(LINK_ERROR_STOP_TIMEOUT));
}

TEST_F(LCommProcTest, Close_beforeTheReplyIsHandled_makesTheReplyStale) {
  ASSERT_TRUE(OpenLink(*transport));

  transport->QueueFrame(FrameOf(CMD_HELLO), true);
  ASSERT_TRUE(WaitWithoutEvents([&] { return log.Lines().size() == 2; })) << "the reply was logged";
  transport->Close();
  // The worker has ended: whatever it posted is waiting in the event queue.
  QCoreApplication::processEvents();

  EXPECT_TRUE(owner.replies.empty());
  EXPECT_FALSE(owner.HasError(LINK_ERROR_STOP_TIMEOUT));
}

}  // namespace

namespace {

TEST_F(LCommProcTest, WaitUntilWritten_holdsUntilTheFrameIsWritten) {
  LeaveUnanswered(CMD_HELLO);
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);

  transport->QueueFrame(FrameOf(CMD_HELLO), true);
  EXPECT_TRUE(transport->WaitUntilWritten(2s));
  EXPECT_TRUE(sim->WaitForFrames(CMD_HELLO, 1, 2s));

  transport->QueueFrame(FrameOf(CMD_GOODBYE), true);  // behind the unanswered hello
  EXPECT_FALSE(transport->WaitUntilWritten(50ms));
}

}  // namespace

namespace {

TEST_F(LCommProcTest, ReplyAtAnotherBaudRate_isDroppedAndTheQueueMovesOn) {
  ASSERT_TRUE(transport->Open(QString::fromStdString(sim->PtyPath()), 9600, 8, SerialPort::NOPARITY,
                              SerialPort::ONESTOPBIT));
  transport->SetTimeout(5000);

  transport->QueueFrame(FrameOf(CMD_HELLO), true);
  transport->QueueFrame(FrameOf(CMD_GAIN, {0, 1}), true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_GAIN) == 1 && transport->IsIdle(); }));
  EXPECT_TRUE(owner.replies.empty());
  EXPECT_EQ(log.Lines().filter("COM R ").size(), 2) << "replies are still logged";
}

TEST_F(LCommProcTest, FrameHandedInDuringResends_isNeverTornOnTheWire) {
  ASSERT_TRUE(OpenLink(*transport));
  // Time-outs resend even answered frames, so the worker keeps writing the
  // last frame while the next one is handed in.
  transport->SetTimeout(1);
  transport->SetRetryCount(1000000);
  constexpr std::size_t kFrames = 40;
  for (std::size_t i = 0; i < kFrames; ++i) {
    transport->QueueFrame(FrameOf(CMD_CHANNEL_NAME, Bytes(i % 2 == 0 ? 2 : 40, static_cast<std::uint8_t>(i))), false);
    ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() >= i + 1 && transport->IsIdle(); }));
  }
  EXPECT_EQ(sim->RejectedCount(), 0u);
  EXPECT_GE(sim->ReceivedCount(CMD_CHANNEL_NAME), kFrames);
}

}  // namespace

namespace {

TEST_F(LCommProcTest, LetFramesOut_onADeadLinkReturnsAtOnce) {
  ASSERT_TRUE(OpenLink(*transport));
  sim->DropLink(SimLink::Pty);
  ASSERT_TRUE(WaitWithoutEvents([&] { return !transport->IsOpen(); }));

  const auto start = std::chrono::steady_clock::now();
  transport->QueueFrame(FrameOf(CMD_GOODBYE), true);
  transport->LetFramesOut(250ms);
  transport->Close();

  EXPECT_LT(std::chrono::steady_clock::now() - start, 50ms);
}

TEST_F(LCommProcTest, LetFramesOut_writesTheLastFrameWithoutTheOwnersThread) {
  DelayReplies(CMD_HELLO, 100ms);
  ASSERT_TRUE(OpenLink(*transport));
  transport->SetTimeout(5000);
  transport->QueueFrame(FrameOf(CMD_HELLO), true);
  transport->QueueFrame(FrameOf(CMD_GOODBYE), true);  // behind the hello's reply

  // The hello's reply arrives while this thread handles no events.
  transport->LetFramesOut(5s);
  transport->Close();

  EXPECT_TRUE(sim->WaitForFrames(CMD_GOODBYE, 1, 2s));
  QCoreApplication::processEvents();
  EXPECT_TRUE(owner.replies.empty()) << "replies are not handed over any more";
}

}  // namespace
