#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmLockPassWord.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "platform/widgets/TCheckBox.h"
#include "platform/widgets/TEdit.h"
#include "protocol/CommandCodes.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"

using namespace std::chrono_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr auto kLockReadOutLimit = 60s;

/// Acts on the modal windows that open while it lives, as a user would:
/// message boxes are recorded and closed with OK; any other modal gets
/// `step` each time it becomes the active modal (again), from an event of
/// its own so that a step may open a further modal.
class ModalDriver : public QObject {
public:
  using Step = std::function<void(QWidget* modal)>;

  explicit ModalDriver(Step step) : m_step(std::move(step)) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
    m_timer.start();
  }

  QStringList messages;

private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
      m_last = nullptr;
      return;
    }
    if (modal == m_last) {
      return;
    }
    m_last = modal;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages << box->text();
      box->accept();
      return;
    }
    QTimer::singleShot(0, modal, [this, modal] {
      // A modal that closed meanwhile gets nothing.
      if (modal->isVisible()) {
        m_step(modal);
      }
    });
  }

  Step m_step;
  QTimer m_timer;
  QPointer<QWidget> m_last;
};

/// Types text into an edit key by key, over what is selected.
void Type(TEdit& edit, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit.findChild<QLineEdit*>(), &press);
  }
}

void PressKey(TEdit& edit, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(edit.findChild<QLineEdit*>(), &press);
}

/// The main window with the lock dialogs on the pty of a simulated unit.
class LockDialogsUnitSim : public ::testing::Test {
protected:
  void StartSim(const std::function<void(SimUnitState&)>& unit = {}) {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    if (unit) {
      sim->ModifyState(unit);
    }
  }
  void Connect() {
    window.Session().SetComPortName(QString::fromStdString(sim->PtyPath()));
    window.Session().OpenSerialLink();
  }
  bool ReadOutDone() { return window.Controls().Find<TTimer>(QStringLiteral("tmInLevelDet"))->Enabled(); }
  bool WaitReadOut() { return ProcessEventsUntil([&] { return ReadOutDone(); }, kLockReadOutLimit); }
  bool WaitOffline() { return ProcessEventsUntil([&] { return !window.Session().HasAnyTransport(); }, 20s); }
  /// Waits, serving the window's events (replies reach it synchronously),
  /// until the unit has received `count` frames with `code`.
  bool Received(std::uint8_t code, std::size_t count) {
    return ProcessEventsUntil([&] { return sim->ReceivedCount(code) >= count; }, 20s);
  }
  bool MenuOn(const char* name) { return window.Form().MainMenu.Find(QLatin1String(name))->Enabled; }
  /// The password, lock, goodbye and read-out frames the unit received, in
  /// order; a frame written again after a reply time-out counts once.
  std::vector<SimFrame> LockFrames() const {
    static const std::set<std::uint8_t> kCodes{CMD_GOODBYE, CMD_READ_PRESET_DIRECTORY, CMD_PASS_SUBMIT, CMD_SET_LOCK,
                                               CMD_SET_USER_LOCK};
    std::vector<SimFrame> frames;
    for (const SimReceivedFrame& received : sim->ReceivedFrames()) {
      const SimFrame& frame = received.frame;
      const bool resent = !frames.empty() && frames.back().code == frame.code && frames.back().payload == frame.payload;
      if (kCodes.count(frame.code) != 0 && !resent) {
        frames.push_back(frame);
      }
    }
    return frames;
  }
  static void Submit(TfmLockPassWord& prompt, const QString& password) {
    prompt.edName->SetText(password);
    PressKey(*prompt.edName, Qt::Key_Return);
  }

  std::unique_ptr<UnitSim> sim;
  LinkTransportFactory factory;
  TfmMain window{factory, nullptr};
  TfmLockPassWord prompt{window};
  TfmLockSetup setup{window};
  TfmPanelLockSetup panel{window};
  TfmLockConfirm confirm{window};
  TfmLockMode lockMode{window};
};

TEST_F(LockDialogsUnitSim, adminLock_wrongPasswordThenTheRightOneReadsTheUnitOut) {
  StartSim([](SimUnitState& unit) { unit.lock.adminLockSet = true; });
  int attempts = 0;
  int selectedBeforeRetry = 0;
  ModalDriver driver([&](QWidget* modal) {
    if (modal != &prompt) {
      return;
    }
    if (attempts++ == 0) {
      Submit(prompt, QStringLiteral("1234"));
    } else {
      EXPECT_EQ(prompt.edName->Text(), QStringLiteral("****"));
      selectedBeforeRetry = prompt.edName->findChild<QLineEdit*>()->selectionLength();
      Submit(prompt, QStringLiteral("8531"));
    }
  });
  window.SetMenusLocked(true);
  Connect();
  ASSERT_TRUE(WaitReadOut());
  EXPECT_EQ(driver.messages, QStringList{"Password Error!!"});
  EXPECT_EQ(selectedBeforeRetry, 4) << "the prompt stayed with its text selected";
  const std::vector<SimFrame> frames = LockFrames();
  std::vector<std::pair<int, Bytes>> seen;
  for (const SimFrame& frame : frames) {
    seen.emplace_back(frame.code, frame.payload);
  }
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], (std::pair<int, Bytes>{CMD_PASS_SUBMIT, {0, '1', '2', '3', '4'}}));
  EXPECT_EQ(seen[1], (std::pair<int, Bytes>{CMD_PASS_SUBMIT, {0, '8', '5', '3', '1'}}));
  EXPECT_EQ(seen[2].first, CMD_READ_PRESET_DIRECTORY);
  EXPECT_FALSE(prompt.isVisible());
  EXPECT_TRUE(MenuOn("Open"));
  EXPECT_TRUE(MenuOn("Lock"));
  EXPECT_EQ(window.Session().GetAccessLockState(), 0);
}

TEST_F(LockDialogsUnitSim, userLock_restrictedAccessLocksTheMenusAndEnforcesThePermissions) {
  // A unit may report restricted access in its lock status (byte 5 = 3) or
  // only in its verdict on the user password (byte 5 = 1).
  for (const bool inVerdictOnly : {false, true}) {
    SCOPED_TRACE(inVerdictOnly ? "lock byte 5 = 1" : "lock byte 5 = 3");
    StartSim([&](SimUnitState& unit) {
      unit.lock.adminLockSet = true;
      unit.lock.userLockSet = true;
      unit.lock.permissions = {0x3E, 0x16, 0x01};
      unit.lock.restrictionInVerdictOnly = inVerdictOnly;
    });
    ModalDriver driver([&](QWidget* modal) {
      if (modal == &prompt) {
        Submit(prompt, QStringLiteral("2947"));
      }
    });
    window.Form().PageButtons[0]->Click();
    ASSERT_EQ(window.State().CurrentPage, 0);
    Connect();
    ASSERT_TRUE(WaitReadOut());
    EXPECT_TRUE(driver.messages.isEmpty());
    EXPECT_FALSE(MenuOn("Open"));
    EXPECT_FALSE(MenuOn("Lock"));
    EXPECT_EQ(window.State().CurrentPage, MainWindowState::kPageGain);
    EXPECT_EQ(window.Session().GetAccessLockState(), 3) << "locked, and restricted";
    EXPECT_EQ(window.State().PanelLockPermissions, (std::array<std::uint8_t, 3>{0x3E, 0x16, 0x01}));
    const auto enabled = [&](const char* name) { return window.Controls().Find<TControl>(QLatin1String(name))->Enabled(); };
    for (const char* name : {"rzbMenuGate", "rzbMenuComp", "rzbMenuDelay", "rzbMenuMatrix", "rzbMenuLimit", "rzbMenuInA",
                             "rzbMenuOut6", "bStore", "isDelayInB", "isDelayOut3"}) {
      EXPECT_FALSE(enabled(name)) << name;
    }
    for (const char* name : {"rzbMenuGain", "bRecall", "isGainInA", "isGainOut1"}) {
      EXPECT_TRUE(enabled(name)) << name;
    }
    const std::vector<SimFrame> frames = LockFrames();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, (Bytes{0, '2', '9', '4', '7'}));
    EXPECT_EQ(frames[1].code, CMD_READ_PRESET_DIRECTORY);
    window.Session().Disconnect();
    ASSERT_TRUE(WaitOffline());
  }
}

TEST_F(LockDialogsUnitSim, noVerdict_timesOutSaysGoodbyeAndDisconnects) {
  StartSim([](SimUnitState& unit) { unit.lock.adminLockSet = true; });
  SimFault noVerdict;
  noVerdict.code = CMD_PASS_SUBMIT;
  noVerdict.ackOnly = true;
  sim->AddFault(noVerdict);
  ModalDriver driver([&](QWidget* modal) {
    if (modal == &prompt) {
      Submit(prompt, QStringLiteral("8531"));
    }
  });
  Connect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !driver.messages.isEmpty(); }, 20s));
  EXPECT_EQ(driver.messages, QStringList{"Check Time Out!"});
  ASSERT_TRUE(WaitOffline());
  EXPECT_FALSE(window.IsUnitOnline());
  EXPECT_FALSE(prompt.isVisible());
  const std::vector<SimFrame> frames = LockFrames();
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames[0].code, CMD_PASS_SUBMIT);
  EXPECT_EQ(frames[1].code, CMD_GOODBYE);
}

TEST_F(LockDialogsUnitSim, cancelAndEscapeSayGoodbyeAndDisconnect) {
  StartSim([](SimUnitState& unit) { unit.lock.adminLockSet = true; });
  for (const bool escape : {false, true}) {
    sim->ClearReceivedFrames();
    ModalDriver driver([&](QWidget* modal) {
      if (modal != &prompt) {
        return;
      }
      if (escape) {
        PressKey(*prompt.edName, Qt::Key_Escape);
      } else {
        prompt.bnCancel->Click();
      }
    });
    Connect();
    ASSERT_TRUE(Received(CMD_GOODBYE, 1)) << escape;
    ASSERT_TRUE(WaitOffline()) << escape;
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(sim->ReceivedCount(CMD_PASS_SUBMIT), 0u);
  }
}

TEST_F(LockDialogsUnitSim, lockingAnUnlockedUnitWithAShortPassword_theNextConnectionOpensWithIt) {
  StartSim();
  ModalDriver oneTime([&](QWidget* modal) {
    if (modal == &lockMode) {
      lockMode.btnOneTime->Click();
    }
  });
  Connect();
  ASSERT_TRUE(WaitReadOut());
  sim->ClearReceivedFrames();
  window.Form().MainMenu.Find(QStringLiteral("LockMode"))->Click();
  ASSERT_TRUE(Received(CMD_SET_LOCK, 1));
  EXPECT_EQ(LockFrames().at(0).payload, (Bytes{'8', '5', '3', '1', 0}));
  EXPECT_FALSE(window.Form().MainMenu.Find(QStringLiteral("LockMode"))->Visible);

  sim->ClearReceivedFrames();
  bool extrasShown = true;
  ModalDriver driver([&](QWidget* modal) {
    if (modal == &setup) {
      extrasShown = setup.btnDelete->isVisible() || setup.cbPanelControl->isVisible();
      Type(*setup.edName, QStringLiteral("ab"));
      setup.btnOK->Click();
    } else if (modal == &confirm) {
      confirm.btnOK->Click();
    } else if (modal == &prompt) {
      Type(*prompt.edName, QStringLiteral("ab"));
      PressKey(*prompt.edName, Qt::Key_Return);
    }
  });
  window.Form().MainMenu.Find(QStringLiteral("Lock"))->Click();
  ASSERT_TRUE(WaitOffline());
  EXPECT_FALSE(extrasShown) << "no lock: neither Delete nor the panel check box";
  std::vector<SimFrame> frames = LockFrames();
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames[0].code, CMD_SET_LOCK);
  EXPECT_EQ(frames[0].payload, (Bytes{'A', 'B', 0, 0, 1})) << "zero bytes after a short password";
  EXPECT_EQ(frames[1].code, CMD_GOODBYE);
  EXPECT_TRUE(sim->State().lock.adminLockSet);

  // The next connection meets the prompt, and typing "ab" opens the unit.
  sim->ClearReceivedFrames();
  Connect();
  ASSERT_TRUE(WaitReadOut());
  EXPECT_EQ(window.State().LockSetupUserLockState, 1);
  EXPECT_EQ(window.Session().GetAccessLockState(), 0);
  frames = LockFrames();
  ASSERT_GE(frames.size(), 1u);
  EXPECT_EQ(frames[0].code, CMD_PASS_SUBMIT);
  EXPECT_EQ(frames[0].payload, (Bytes{0, 'A', 'B', 0, 0}));
}

TEST_F(LockDialogsUnitSim, panelLockThenBothDeletePaths) {
  StartSim([](SimUnitState& unit) { unit.lock.adminLockSet = true; });
  int setupVisits = 0;
  std::array<bool, 12> defaults{};
  {
    ModalDriver driver([&](QWidget* modal) {
      if (modal == &prompt) {
        Submit(prompt, QStringLiteral("8531"));
      } else if (modal == &setup && setupVisits == 0) {
        ++setupVisits;
        setup.cbPanelControl->SetChecked(true);
        setup.btnOK->Click();
      } else if (modal == &panel) {
        for (int row = 0; row < 12; ++row) {
          defaults[row] = panel.Boxes()[row]->Checked();
        }
        panel.btnOK->Click();
      }
    });
    Connect();
    ASSERT_TRUE(WaitReadOut());
    sim->ClearReceivedFrames();
    window.Form().MainMenu.Find(QStringLiteral("Lock"))->Click();
    ASSERT_TRUE(WaitOffline());
  }
  EXPECT_EQ(defaults, (std::array<bool, 12>{false, true, true, true, true, true, false, true, true, true, true, false}));
  std::vector<SimFrame> frames = LockFrames();
  ASSERT_GE(frames.size(), 3u);
  EXPECT_EQ(frames[0].code, CMD_SET_LOCK);
  EXPECT_EQ(frames[0].payload, (Bytes{'8', '5', '3', '1', 1}));
  EXPECT_EQ(frames[1].code, CMD_SET_USER_LOCK);
  EXPECT_EQ(frames[1].payload, (Bytes{'2', '9', '4', '7', 0x3E, 0x16, 0x01, 1}));
  EXPECT_EQ(frames[2].code, CMD_GOODBYE);
  EXPECT_FALSE(setup.isVisible());

  // The next connection: the lock status reports both locks and the bytes.
  window.State().PanelLockPermissions = {};
  setupVisits = 0;
  ModalDriver deleting([&](QWidget* modal) {
    if (modal == &prompt) {
      Submit(prompt, QStringLiteral("8531"));
    } else if (modal == &setup && setupVisits == 0) {
      ++setupVisits;
      EXPECT_TRUE(setup.cbPanelControl->Checked());
      setup.btnOK->Click();
    } else if (modal == &setup && setupVisits == 1) {
      ++setupVisits;
      setup.btnDelete->Click();
    } else if (modal == &panel) {
      EXPECT_TRUE(panel.btnDelete->isVisible());
      panel.btnDelete->Click();
    } else if (modal == &confirm) {
      confirm.btnOK->Click();
    }
  });
  Connect();
  ASSERT_TRUE(WaitReadOut());
  EXPECT_EQ(window.State().LockSetupUserLockState, 3);
  EXPECT_EQ(window.State().PanelLockPermissions, (std::array<std::uint8_t, 3>{0x3E, 0x16, 0x01}));
  sim->ClearReceivedFrames();
  window.Form().MainMenu.Find(QStringLiteral("Lock"))->Click();
  EXPECT_EQ(setupVisits, 2);
  ASSERT_TRUE(Received(CMD_SET_USER_LOCK, 2));
  frames = LockFrames();
  ASSERT_EQ(frames.size(), 3u);
  const Bytes cleared{0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(frames[0].code, CMD_SET_USER_LOCK);
  EXPECT_EQ(frames[0].payload, cleared);
  EXPECT_EQ(frames[1].code, CMD_SET_LOCK);
  EXPECT_EQ(frames[1].payload, (Bytes{'8', '5', '3', '1', 0}));
  EXPECT_EQ(frames[2].payload, cleared);
  EXPECT_EQ(window.State().PanelLockSetupUserLockState, 1);
  EXPECT_EQ(window.State().LockSetupUserLockState, 0);
  EXPECT_FALSE(sim->State().lock.adminLockSet);
  EXPECT_FALSE(sim->State().lock.userLockSet);
  EXPECT_TRUE(window.IsUnitOnline()) << "deleting keeps the connection";
}

}  // namespace
