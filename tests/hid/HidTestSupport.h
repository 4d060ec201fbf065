#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <vector>

#include <gtest/gtest.h>

#include "hid/TJvHidDevice.h"
#include "hid/TJvHidDeviceController.h"
#include "tests/hid/support/FakeHidSystem.h"
#include "tests/support/ProcessEventsUntil.h"

/// Processes events until `condition` holds or `timeout` passed.
inline bool PumpUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
  return ProcessEventsUntil(condition, timeout);
}

/// A controller over a fake system, with the start-up change handled.
class ControllerFixture : public ::testing::Test {
protected:
  void Start() {
    controller = std::make_unique<TJvHidDeviceController>(fake);
    controller->SetLoading(true);
    controller->SetOnDeviceChange([this](TJvHidDeviceController*) { ++deviceChanges; });
    controller->SetLoading(false);
    ASSERT_TRUE(PumpUntil([&] { return deviceChanges > 0; }));
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
