#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "app/TfmMain.h"
#include "dialogs/TfmNetwork.h"
#include "platform/io/SerialPortList.h"
#include "protocol/CommandCodes.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"

/// Simulated units on pseudo-terminals, listed to the editor as serial
/// ports under names of the test's choosing (links in a folder of its
/// own), through the port list's hook: no test sees the machine's ports.
class HookedSerialUnits {
public:
  HookedSerialUnits() {
    SerialPortList::SetHook([this] { return m_ports; });
  }
  ~HookedSerialUnits() { SerialPortList::SetHook({}); }
  HookedSerialUnits(const HookedSerialUnits&) = delete;
  HookedSerialUnits& operator=(const HookedSerialUnits&) = delete;

  /// A unit (id `unitId`) listed as port `name`; one that does not answer
  /// the hello stands for a port without a unit. Null when it cannot start.
  UnitSim* Add(const std::string& name, bool answersHello = true, std::uint8_t unitId = 1) {
    UnitSimOptions options;
    options.pty = true;
    auto sim = std::make_unique<UnitSim>(options);
    if (!sim->Start()) {
      return nullptr;
    }
    sim->SetUnitId(unitId);
    if (!answersHello) {
      SimFault silent;
      silent.code = CMD_HELLO;
      silent.noReply = true;
      sim->AddFault(silent);
    }
    const std::string path = PathOf(name);
    if (!QFile::link(QString::fromStdString(sim->PtyPath()), QString::fromStdString(path))) {
      return nullptr;
    }
    m_ports.push_back(path);
    m_units.push_back(std::move(sim));
    return m_units.back().get();
  }
  /// A port that is listed but cannot be opened.
  void AddMissing(const std::string& name) { m_ports.push_back(PathOf(name)); }
  std::string PathOf(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }

private:
  QTemporaryDir m_dir;
  std::vector<std::string> m_ports;
  std::vector<std::unique_ptr<UnitSim>> m_units;
};

/// When the unit first received a hello, if it did.
inline std::optional<std::chrono::steady_clock::time_point> FirstHello(const UnitSim& sim) {
  for (const SimReceivedFrame& frame : sim.ReceivedFrames()) {
    if (frame.frame.code == CMD_HELLO) {
      return frame.at;
    }
  }
  return std::nullopt;
}

/// Runs `action` (which shows the search dialog modally) with a bound: a
/// dialog still open after `limit` is closed. False when it had to be.
template <class Action>
bool RunBoundedModal(Action action, std::chrono::milliseconds limit) {
  bool timedOut = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    if (fmNetwork != nullptr && fmNetwork->Modal()) {
      timedOut = true;
      fmNetwork->Close();
    }
  });
  guard.start(limit);
  action();
  return !timedOut;
}

/// Stops the search dialog's timers and hides it, so nothing of one test
/// steps into the next.
inline void QuietSearchDialog() {
  if (fmNetwork == nullptr) {
    return;
  }
  for (TTimer* timer : {&fmNetwork->tmConnect, &fmNetwork->tmLinkBroken, &fmNetwork->tmRunUsbConnect,
                        &fmNetwork->tmRunNetConnect, &fmNetwork->tmRunComConnect, &fmNetwork->tmWatchDog}) {
    timer->SetEnabled(false);
  }
  fmNetwork->HideDialog();
}
