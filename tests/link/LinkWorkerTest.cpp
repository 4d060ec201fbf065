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
#include "platform/EventFd.h"
#include "tests/link/RecordingOwner.h"

namespace {

using namespace std::chrono_literals;

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
  ASSERT_TRUE(WaitFor([&] { return !owner.errors.empty(); }));
  QCoreApplication::processEvents();
  ASSERT_EQ(owner.errors.size(), 1u);
  EXPECT_EQ(owner.errors.front().code, LINK_ERROR_STOP_TIMEOUT);
  EXPECT_EQ(owner.errors.front().generation, 7u);
}

}  // namespace
