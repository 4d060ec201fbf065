#include "link/LinkWorker.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "link/LinkIo.h"
#include "link/LinkMessages.h"
#include "platform/threads/EventFd.h"
#include "tests/link/LatchedLinkIo.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tests/link/RecordingOwner.h"

namespace {

using namespace std::chrono_literals;
using WorkerBytes = std::vector<std::uint8_t>;

// A frame of unit 1 with this code and payload; the worker does not look
// into it beyond its code.
WorkerBytes Frame(std::uint8_t code, std::uint8_t payload = 0) {
  return {0x10, 0x02, 0x00, 0x01, 0x02, code, payload, 0x10, 0x03, 0x00};
}

// A worker on a LatchedLinkIo whose replies the test sends.
class LatchedWorkerTest : public ::testing::Test {
protected:
  void SetUp() override {
    worker.SetReplyTimeout(60000);
    ASSERT_TRUE(worker.Start(std::make_unique<LatchedLinkIo>(io)));
  }

  bool WaitForWrites(std::size_t count) {
    return ProcessEventsUntil([&] { return io->WrittenCount() >= count; }, 5s);
  }

  RecordingOwner owner;
  std::shared_ptr<LinkIoRecord> io = std::make_shared<LinkIoRecord>();
  LinkWorker worker{LinkProfile{}, &owner, 3, {}};
};

TEST_F(LatchedWorkerTest, TwoRepliesInOneRead_writeTheNextFrameAndMoveTheQueueOnOnce) {
  worker.Hand(Frame(1), true);
  ASSERT_TRUE(WaitForWrites(1));
  worker.Hand(Frame(2), true);
  worker.Hand(Frame(3), true);

  // The answer to the first frame and a second answer (to a resend) arrive together.
  WorkerBytes twice = Frame(1);
  const WorkerBytes again = Frame(1);
  twice.insert(twice.end(), again.begin(), again.end());
  io->Receive(twice);

  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 2 && io->WrittenCount() >= 2; }, 5s));
  EXPECT_EQ(io->Written(), (std::vector<WorkerBytes>{Frame(1), Frame(2)})) << "both replies delivered, one frame taken";
  EXPECT_FALSE(worker.IsIdle());

  io->Receive(Frame(2));
  ASSERT_TRUE(WaitForWrites(3));
  io->Receive(Frame(3));
  ASSERT_TRUE(ProcessEventsUntil([&] { return worker.IsIdle(); }, 5s));
  EXPECT_EQ(io->Written(), (std::vector<WorkerBytes>{Frame(1), Frame(2), Frame(3)}));
  EXPECT_EQ(owner.replies.size(), 4u);
}

TEST_F(LatchedWorkerTest, FrameCount_countsEveryFrameHandedInAndEachAnsweredOnce) {
  worker.Hand(Frame(1), true);
  ASSERT_TRUE(WaitForWrites(1));
  worker.Hand(Frame(2), true);
  worker.Hand(Frame(3), false);
  worker.Hand(Frame(3), false);  // replaces the one queued
  EXPECT_EQ(worker.FrameCount().handedIn, 3u);
  EXPECT_EQ(worker.FrameCount().answered, 0u);

  WorkerBytes twice = Frame(1);
  const WorkerBytes again = Frame(1);
  twice.insert(twice.end(), again.begin(), again.end());
  io->Receive(twice);
  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 2 && io->WrittenCount() >= 2; }, 5s));
  EXPECT_EQ(worker.FrameCount().answered, 1u) << "a second answer answers nothing";
  io->Receive(Frame(2));
  ASSERT_TRUE(WaitForWrites(3));
  EXPECT_EQ(worker.FrameCount().answered, 2u);
  io->Receive(Frame(3));
  ASSERT_TRUE(ProcessEventsUntil([&] { return worker.IsIdle(); }, 5s));
  EXPECT_EQ(worker.FrameCount().handedIn, 3u);
  EXPECT_EQ(worker.FrameCount().answered, 3u);
}

TEST_F(LatchedWorkerTest, FrameHandedInDuringAResend_neverTearsTheFrameOnTheWire) {
  worker.Hand(Frame(1, 0x11), true);
  ASSERT_TRUE(WaitForWrites(1));
  // Time-outs resend even an answered frame: hold that resend halfway and
  // hand the next frame in meanwhile.
  io->latch.Close();
  worker.SetReplyTimeout(10);
  io->Receive(Frame(1, 0x11));
  ASSERT_TRUE(ProcessEventsUntil([&] { return worker.IsIdle(); }, 5s));
  ASSERT_TRUE(io->latch.WaitUntilHolding());
  worker.SetReplyTimeout(60000);
  worker.Hand(Frame(2, 0x22), true);
  io->latch.Open();

  ASSERT_TRUE(ProcessEventsUntil([&] {
    const std::vector<WorkerBytes> written = io->Written();
    return !written.empty() && written.back() == Frame(2, 0x22);
  }, 5s));
  const std::vector<WorkerBytes> written = io->Written();
  EXPECT_EQ(written[1], Frame(1, 0x11)) << "the held resend";
  for (const WorkerBytes& frame : written) {
    EXPECT_TRUE(frame == Frame(1, 0x11) || frame == Frame(2, 0x22));
  }
}

// Where a link's write hangs, and what became of the worker's I/O.
struct WriteGate {
  bool Wait(const bool& flag) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 5s, [&] { return flag; });
  }
  void Set(bool& flag) {
    {
      std::scoped_lock lock(mutex);
      flag = true;
    }
    changed.notify_all();
  }

  std::mutex mutex;
  std::condition_variable changed;
  bool entered = false;    // guards: mutex
  bool released = false;   // guards: mutex
  bool destroyed = false;  // guards: mutex
};

// A link whose write ignores the stop request until the test releases it.
class HangingIo : public LinkIo {
public:
  explicit HangingIo(std::shared_ptr<WriteGate> gate) : m_gate(std::move(gate)) {}
  ~HangingIo() override { m_gate->Set(m_gate->destroyed); }
  HangingIo(const HangingIo&) = delete;
  HangingIo& operator=(const HangingIo&) = delete;

  int ReadFd() const override { return m_never.Fd(); }
  bool ReadAvailable(std::vector<std::uint8_t>&) override { return true; }
  void Write(std::span<const std::uint8_t>, int) override {
    m_gate->Set(m_gate->entered);
    m_gate->Wait(m_gate->released);
  }

private:
  std::shared_ptr<WriteGate> m_gate;
  EventFd m_never;
};

TEST(LinkWorker, WorkerThatDoesNotStopInTime_isLeftToEndWithoutTheTransport) {
  RecordingOwner owner;
  auto gate = std::make_shared<WriteGate>();
  {
    LinkWorker worker(LinkProfile{}, &owner, 7, {});
    ASSERT_TRUE(worker.Start(std::make_unique<HangingIo>(gate)));
    worker.Hand({0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}, true);
    ASSERT_TRUE(gate->Wait(gate->entered));

    EXPECT_FALSE(worker.Stop(20ms));
  }  // the transport's side is gone while its worker still runs

  gate->Set(gate->released);
  EXPECT_TRUE(gate->Wait(gate->destroyed)) << "the worker ended on its own";
  ASSERT_TRUE(ProcessEventsUntil([&] { return !owner.errors.empty(); }));
  QCoreApplication::processEvents();
  ASSERT_EQ(owner.errors.size(), 1u);
  EXPECT_EQ(owner.errors.front().code, LINK_ERROR_STOP_TIMEOUT);
  EXPECT_EQ(owner.errors.front().generation, 7u);
}

}  // namespace
