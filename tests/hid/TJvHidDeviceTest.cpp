#include <atomic>
#include <string>
#include <sys/socket.h>
#include <vector>

#include <gtest/gtest.h>

#include "hid/TJvHidPnPInfo.h"
#include "tests/hid/HidTestSupport.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

using namespace std::chrono_literals;

struct Received {
  std::uint8_t id = 0xFF;
  std::vector<std::uint8_t> data;
};

class DeviceFixture : public ControllerFixture {
protected:
  void CheckOutUnit(FakeHidDeviceSetup setup = FakeHidDeviceSetup("unit")) {
    fake->Plug(setup);
    Start();
    controller->SetOnDeviceData([this](TJvHidDevice*, std::uint8_t id, const std::uint8_t* data, std::uint16_t size) {
      received.push_back({id, std::vector<std::uint8_t>(data, data + size)});
      if (onData) {
        onData();
      }
    });
    ASSERT_TRUE(controller->CheckOut(device));
  }

  /// The next output report the unit received.
  std::vector<std::uint8_t> ReceiveOutput() {
    std::vector<std::uint8_t> report(256);
    const ssize_t n = ::recv(fake->PeerFd("unit"), report.data(), report.size(), MSG_DONTWAIT);
    report.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return report;
  }

  TJvHidDevice* device = nullptr;
  std::vector<Received> received;
  std::function<void()> onData;
};

TEST_F(DeviceFixture, ReadThread_handsEachReportOverWithIdZeroInFront) {
  CheckOutUnit();

  SendReport("unit", {0x10, 0x02, 0x01, 0x01, 0x01, 0x10, 0x10, 0x03, 0x10});
  SendReport("unit", {0xAB});
  ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == 2; }));

  EXPECT_EQ(received[0].id, 0);
  EXPECT_EQ(received[0].data, (std::vector<std::uint8_t>{0x10, 0x02, 0x01, 0x01, 0x01, 0x10, 0x10, 0x03, 0x10}));
  EXPECT_EQ(received[1].data, (std::vector<std::uint8_t>{0xAB}));
}

TEST_F(DeviceFixture, ReadThread_ofDeviceWithReportIdsKeepsTheDevicesId) {
  FakeHidDeviceSetup setup = FakeHidDeviceSetup("unit");
  setup.descriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x85,
                     0x05, 0x95, 0x03, 0x09, 0x01, 0x81, 0x02, 0xC0};
  CheckOutUnit(setup);

  SendReport("unit", {0x05, 1, 2, 3});
  ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == 1; }));

  EXPECT_EQ(received[0].id, 5);
  EXPECT_EQ(received[0].data, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(DeviceFixture, WriteFile_sendsOneOutputReportAndGetCapsGivesTheLengths) {
  CheckOutUnit();
  HIDP_CAPS caps;
  ASSERT_EQ(device->GetCaps(caps), HIDP_STATUS_SUCCESS);
  EXPECT_EQ(caps.OutputReportByteLength, 65);
  EXPECT_EQ(caps.InputReportByteLength, 65);
  std::vector<std::uint8_t> report(caps.OutputReportByteLength, 0);
  report[1] = 0x10;

  std::uint32_t written = 0;
  ASSERT_TRUE(device->WriteFile(report.data(), static_cast<std::uint32_t>(report.size()), written));

  EXPECT_EQ(written, 65u);
  EXPECT_EQ(ReceiveOutput(), report);
}

TEST_F(DeviceFixture, QueryOnlyDevice_isCheckedOutWithoutReadThreadAndCannotWrite) {
  FakeHidDeviceSetup setup = FakeHidDeviceSetup("unit");
  setup.readWrite = false;
  CheckOutUnit(setup);

  EXPECT_FALSE(device->HasReadWriteAccess());
  EXPECT_EQ(fake->OpenCount("unit", HidAccess::Read), 0) << "no read thread";
  std::uint8_t report[65] = {};
  std::uint32_t written = 7;
  EXPECT_FALSE(device->WriteFile(report, sizeof report, written));
  EXPECT_EQ(written, 0u);
}

TEST_F(DeviceFixture, OnData_clearedStopsTheThreadAndAssignedAgainRestartsIt) {
  CheckOutUnit();
  const TJvHidDataEvent handler = device->OnData();

  device->SetOnData(nullptr);
  SendReport("unit", {1});
  ProcessEventsUntil([] { return false; }, 100ms);
  EXPECT_TRUE(received.empty());

  device->SetOnData(handler);
  ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == 1; })) << "the waiting report is read";
}

TEST_F(DeviceFixture, CheckIn_fromInsideTheDataHandlerEndsTheThreadWithoutWaitingForIt) {
  CheckOutUnit();
  onData = [this] { controller->CheckIn(device); };

  SendReport("unit", {1});
  ASSERT_TRUE(ProcessEventsUntil([&] { return device == nullptr; }, 2000ms));

  EXPECT_EQ(controller->NumCheckedInDevices(), 1);
}

TEST_F(DeviceFixture, CheckIn_whileTheThreadWaitsForTheGuiThreadDoesNotDeadlock) {
  CheckOutUnit();
  SendReport("unit", {1});
  // The thread takes the report and hands it over; the GUI thread runs no events meanwhile.
  ASSERT_TRUE(WaitUntilReportsTaken(*fake, "unit"));

  controller->CheckIn(device);

  EXPECT_EQ(device, nullptr);
  ProcessEventsUntil([] { return false; }, 50ms);
  EXPECT_TRUE(received.empty()) << "a cancelled hand-over does not run";
}

TEST_F(DeviceFixture, Unplug_endsTheReadThreadWithoutRepeatedErrors) {
  CheckOutUnit();
  int errors = 0;
  device->SetOnDataError([&](TJvHidDevice*, std::uint32_t) { ++errors; });

  fake->Unplug("unit");
  ASSERT_TRUE(ProcessEventsUntil([&] { return !device->IsPluggedIn(); }));
  ProcessEventsUntil([] { return false; }, 300ms);

  EXPECT_LE(errors, 1);
  controller->CheckIn(device);
  EXPECT_EQ(controller->Count(), 0);
}

TEST_F(ControllerFixture, ReadFileEx_completesOnTheEventLoopAndCancelIoDropsIt) {
  fake->Plug(FakeHidDeviceSetup("unit"));
  Start();
  TJvHidDevice* device = nullptr;
  ASSERT_TRUE(controller->CheckOut(device));
  std::vector<std::uint8_t> report(65, 0xFF);
  std::vector<std::uint32_t> completed;
  const auto onComplete = [&](std::uint32_t error, std::uint32_t bytes) {
    completed.push_back(error);
    completed.push_back(bytes);
  };

  ASSERT_TRUE(device->ReadFileEx(report.data(), 65, onComplete));
  EXPECT_FALSE(device->ReadFileEx(report.data(), 65, onComplete)) << "one read at a time";
  SendReport("unit", {7, 8});
  ASSERT_TRUE(ProcessEventsUntil([&] { return !completed.empty(); }));
  EXPECT_EQ(completed, (std::vector<std::uint32_t>{0, 3}));
  EXPECT_EQ(std::vector<std::uint8_t>(report.begin(), report.begin() + 3), (std::vector<std::uint8_t>{0, 7, 8}));
  EXPECT_EQ(device->HidOverlappedReadResult(), 3u);

  ASSERT_TRUE(device->ReadFileEx(report.data(), 65, onComplete));
  EXPECT_TRUE(device->CancelIO(TJvHidOpenExMode::omhRead));
  SendReport("unit", {9});
  ProcessEventsUntil([] { return false; }, 100ms);
  EXPECT_EQ(completed.size(), 2u);

  const std::uint8_t output[3] = {0, 1, 2};
  ASSERT_TRUE(device->WriteFileEx(output, 3, onComplete));
  EXPECT_EQ(completed, (std::vector<std::uint32_t>{0, 3, 0, 3}));
  EXPECT_EQ(device->HidOverlappedWriteResult(), 3u);
}

TEST_F(DeviceFixture, ThreadSleepTime_takesTenToTenThousand) {
  CheckOutUnit();
  const std::pair<int, int> cases[] = {{9, 100}, {10, 10}, {10001, 10}, {10000, 10000}};
  for (const auto& [value, expected] : cases) {
    device->SetThreadSleepTime(value);
    EXPECT_EQ(device->ThreadSleepTime(), expected) << value;
  }
}

TEST_F(DeviceFixture, DevThreadSleepTime_passesOnToDevicesAtTheOldValue) {
  CheckOutUnit();
  controller->SetDevThreadSleepTime(9);
  EXPECT_EQ(device->ThreadSleepTime(), 100) << "the device refuses 9";
  EXPECT_EQ(controller->DevThreadSleepTime(), 9);
}

}  // namespace
