#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "platform/threads/TTimer.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LCmd.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"

/// The main window as the program makes it, the dialogs a suite adds to it,
/// and a simulated unit on a pty, shared by the tests of a suite. The dialogs
/// go before the window, the window before the unit.
class PtyUnitWindow {
public:
  PtyUnitWindow() : m_sim(PtyOptions()), m_window(std::make_unique<TfmMain>(m_factory, nullptr)) {}
  PtyUnitWindow(const PtyUnitWindow&) = delete;
  PtyUnitWindow& operator=(const PtyUnitWindow&) = delete;

  TfmMain& Window() { return *m_window; }
  UnitSim& Sim() { return m_sim; }

  /// Makes a dialog the window owns for the suite's time.
  template <class Dialog, class... Args>
  Dialog* Add(Args&&... args) {
    auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
    Dialog* made = dialog.get();
    m_dialogs.push_back(std::move(dialog));
    return made;
  }

  ::testing::AssertionResult StartUnit() {
    if (m_sim.Start()) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << m_sim.LastError();
  }

  /// Opens the window's serial link to the unit and waits until the
  /// read-out is over: the level poll has started.
  bool LinkAndReadOut(std::chrono::milliseconds limit) {
    m_window->Session().SetComPortName(QString::fromStdString(m_sim.PtyPath()));
    m_window->Session().OpenSerialLink();
    return ProcessEventsUntil(
        [this] { return m_window->Controls().Find<TTimer>(QStringLiteral("tmInLevelDet"))->Enabled(); }, limit);
  }

  /// True for the frame Settle sends: one no editor action sends (source
  /// type group 9).
  static bool IsSettleMarker(const SimReceivedFrame& received) {
    return received.frame.code == CMD_SOURCE_TYPE && received.frame.payload == SettleMarker();
  }

  /// Waits until the unit has every frame the window sent so far: a marker
  /// goes out after them, and the window hands each reply over before the
  /// next frame goes out, so its events run while waiting.
  bool Settle(std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const std::size_t before = Markers();
    const std::vector<std::uint8_t>& marker = SettleMarker();
    m_window->SendCommand(CM_MCS_CMD(m_window->GetUnitId(), CMD_SOURCE_TYPE, marker[0], marker[1], marker[2]), true,
                          SERIALIZE_FRAME);
    return ProcessEventsUntil([this, before] { return Markers() > before; }, limit);
  }

private:
  static const std::vector<std::uint8_t>& SettleMarker() {
    static const std::vector<std::uint8_t> marker{9, 9, 9};
    return marker;
  }

  std::size_t Markers() {
    std::size_t count = 0;
    for (const SimReceivedFrame& received : m_sim.ReceivedFrames()) {
      count += IsSettleMarker(received) ? 1 : 0;
    }
    return count;
  }

  static UnitSimOptions PtyOptions() {
    UnitSimOptions options;
    options.pty = true;
    return options;
  }

  LinkTransportFactory m_factory;
  UnitSim m_sim;
  std::unique_ptr<TfmMain> m_window;
  std::vector<std::unique_ptr<QObject>> m_dialogs;
};
