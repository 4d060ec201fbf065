#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <vector>

#include <gtest/gtest.h>

#include <QString>

#include "hid/TJvHidDevice.h"
#include "hid/TJvHidDeviceController.h"
#include "link/IUsbStatusView.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/UsbHidGlue.h"
#include "link/UsbHidPort.h"
#include "protocol/LUnitControl.h"
#include "tests/hid/support/FakeHidSystem.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tests/link/RecordingLinkWindow.h"
#include "tests/link/SessionFixture.h"
#include "tests/protocol/RecordingUnitHost.h"

/// Stands in for the main window's status label and message box.
class RecordingUsbStatusView : public IUsbStatusView {
public:
  QString StatusText() const override { return status; }
  void SetStatusText(const QString& text) override { status = text; }
  bool IsMainWindowVisible() const override { return visible; }
  void ShowReadError(const QString& text) override { readErrors.push_back(text.toStdString()); }

  QString status = QStringLiteral("OffLine");
  bool visible = true;
  std::vector<std::string> readErrors;
};

/// Traffic lines from either thread.
class TrafficLog {
public:
  LinkLogSink Sink() {
    return [this](const QString& line) {
      std::scoped_lock lock(m_mutex);
      m_lines.push_back(line.toStdString());
    };
  }
  std::vector<std::string> Lines() const {
    std::scoped_lock lock(m_mutex);
    return m_lines;
  }

private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_lines;
};

/// The session with the real transport factory and the HID glue over a
/// fake HID system.
class UsbGlueFixture : public ::testing::Test {
protected:
  UsbGlueFixture() { factory.SetUsbHidPort(glue.Port()); }

  /// Plugs a unit in and waits until the glue has checked it out.
  void PlugUnit(FakeHidDeviceSetup setup) {
    fake->Plug(std::move(setup));
    ASSERT_TRUE(ProcessEventsUntil([&] { return glue.HidDevice() != nullptr; }, std::chrono::seconds(5)));
  }

  /// The output reports the unit end of `instanceId` has received so far.
  std::vector<std::vector<std::uint8_t>> TakeOutputs(const std::string& instanceId) {
    std::vector<std::vector<std::uint8_t>> reports;
    std::vector<std::uint8_t> report(256);
    ssize_t n = 0;
    while ((n = ::recv(fake->PeerFd(instanceId), report.data(), report.size(), MSG_DONTWAIT)) > 0) {
      reports.emplace_back(report.begin(), report.begin() + n);
    }
    return reports;
  }

  void SendInput(const std::string& instanceId, const std::vector<std::uint8_t>& report) {
    ASSERT_EQ(::send(fake->PeerFd(instanceId), report.data(), report.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(report.size()));
  }

  std::shared_ptr<FakeHidSystem> fake = std::make_shared<FakeHidSystem>();
  RecordingUnitHost host;
  LUnitControl unit{host};
  RecordingLinkWindow window;
  RecordingUsbStatusView status;
  TrafficLog traffic;
  LinkTransportFactory factory{traffic.Sink()};
  LUnitSession session{unit, window, factory};
  UsbHidGlue glue{fake, session, window, status, traffic.Sink()};
};
