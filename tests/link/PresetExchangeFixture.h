#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/LPresetExchange.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "protocol/LUnitControl.h"
#include "tests/link/RecordingPresetWindow.h"
#include "tests/protocol/RecordingUnitHost.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"

/// The preset exchange on a session over the real serial transport, on the
/// pty of a simulated unit, with a recording window and a folder for files.
class PresetExchangeFixture : public ::testing::Test {
protected:
  static constexpr std::chrono::seconds kReadOutLimit{60};
  static constexpr std::chrono::seconds kTransferLimit{120};

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    session.SetPresetExchange(&exchange);
    sim = StartSim();
    ASSERT_TRUE(sim);
  }

  static std::unique_ptr<UnitSim> StartSim() {
    UnitSimOptions options;
    options.pty = true;
    auto started = std::make_unique<UnitSim>(options);
    return started->Start() ? std::move(started) : nullptr;
  }

  /// Opens the link to `unit` and waits for the read-out to end.
  void ConnectTo(UnitSim& unitSim) {
    const int refreshes = window.Count("Refresh");
    session.SetComPortName(QString::fromStdString(unitSim.PtyPath()));
    session.OpenSerialLink();
    ASSERT_TRUE(session.HasTransport(LinkKind::Serial));
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Count("Refresh") > refreshes; }, kReadOutLimit));
  }

  QString Path(const QString& name) const { return folder.filePath(name); }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }

  /// Waits until the session is idle again (no exchange, no progress).
  bool WaitForIdle(std::chrono::milliseconds limit) {
    return ProcessEventsUntil(
        [&] { return !exchange.IsTransferRunning() && session.GetProcessState() == 0 && session.GetBulkMode() == 0; },
        limit);
  }

  QTemporaryDir folder;
  std::unique_ptr<UnitSim> sim;
  RecordingUnitHost host;
  LUnitControl unit{host};
  RecordingPresetWindow window;
  LinkTransportFactory factory;
  LUnitSession session{unit, window, factory};
  LPresetExchange exchange{session, unit, window, window};
};
