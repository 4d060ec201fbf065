#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "hid/TJvHidDevice.h"
#include "hid/TJvHidDeviceController.h"
#include "tests/hid/support/FakeHidSystem.h"
#include "tests/support/ProcessEventsUntil.h"

/// Waits, without running the GUI thread's events and at most 5 s, until
/// the device end of `instanceId` has taken every report sent to it (the
/// read thread has read it).
inline bool WaitUntilReportsTaken(FakeHidSystem& fake, const std::string& instanceId) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  int unread = 0;
  while (::ioctl(fake.PeerFd(instanceId), SIOCOUTQ, &unread) == 0 && unread > 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

/// A controller over a fake system, with the start-up change handled.
class ControllerFixture : public ::testing::Test {
protected:
  void Start() {
    controller = std::make_unique<TJvHidDeviceController>(fake);
    controller->SetLoading(true);
    controller->SetOnDeviceChange([this](TJvHidDeviceController*) { ++deviceChanges; });
    controller->SetLoading(false);
    ASSERT_TRUE(ProcessEventsUntil([&] { return deviceChanges > 0; }));
  }

  /// Sends one input report from the device end of `instanceId`.
  void SendReport(const std::string& instanceId, const std::vector<std::uint8_t>& report) {
    ASSERT_EQ(::send(fake->PeerFd(instanceId), report.data(), report.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(report.size()));
  }

  std::shared_ptr<FakeHidSystem> fake = std::make_shared<FakeHidSystem>();
  std::unique_ptr<TJvHidDeviceController> controller;
  int deviceChanges = 0;
};
