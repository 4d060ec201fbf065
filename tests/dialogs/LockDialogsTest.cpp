#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "components/PanelLockTable.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockPassWord.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "platform/widgets/TCheckBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "tests/support/ModalDialogCloser.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/buttons/TRzBmpButton.h"

using namespace std::chrono_literals;

namespace {

using Log = std::vector<std::string>;

/// Types text into an edit key by key, as a user would.
void Type(TEdit& edit, const QString& text) {
  auto* line = edit.findChild<QLineEdit*>();
  for (const uint codePoint : text.toUcs4()) {
    const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
    QApplication::sendEvent(line, &press);
  }
}

void PressKey(TEdit& edit, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(edit.findChild<QLineEdit*>(), &press);
}

/// The four lock dialogs over a recording host, as the program creates them.
class LockDialogsTest : public ::testing::Test {
protected:
  LockDialogsTest() {
    host.englishTexts = {{"SID_LOCK_CONFIRM", "Are you sure to lock ?"},
                         {"SID_DELETE_CONFIRM", "Are you sure to delete ?"},
                         {"SID_EXIT_OK", "OK"},
                         {"SID_DELETE", "Delete"},
                         {"SID_EXIT_CANCEL", "Cancel"}};
  }
  ~LockDialogsTest() override {
    for (TForm* form : std::initializer_list<TForm*>{&prompt, &setup, &panel, &confirm}) {
      form->Hide();
    }
  }

  /// Closes the confirmation with OK, or with Cancel when `yes` is false,
  /// and any other modal with `other`.
  ModalDialogCloser::Answer Confirming(bool yes, const std::function<void(QWidget*)>& other = {}) {
    return [this, yes, other](QWidget* dialog) {
      if (dialog == &confirm) {
        (yes ? confirm.btnOK : confirm.btnCancel)->Click();
      } else if (other) {
        other(dialog);
      }
    };
  }

  RecordingDialogHost host;
  TfmLockPassWord prompt{host};
  TfmLockSetup setup{host};
  TfmPanelLockSetup panel{host};
  TfmLockConfirm confirm{host};
};

TEST_F(LockDialogsTest, LockSetup_showLayoutFollowsTheUserLockState) {
  struct Case {
    int state;
    int editTop, okLeft, exitLeft, buttonTop;
    bool extras, checked;
  };
  for (const Case c : {Case{0, 75, 60, 180, 125, false, false}, Case{1, 65, 30, 200, 105, true, false},
                       Case{3, 65, 30, 200, 105, true, true}, Case{2, 65, 30, 200, 105, true, true}}) {
    setup.cbPanelControl->SetChecked(!c.checked);
    host.state.LockSetupUserLockState = static_cast<std::uint8_t>(c.state);
    setup.Show();
    EXPECT_EQ(setup.edName->Top(), c.editTop) << c.state;
    EXPECT_EQ(setup.btnOK->Left(), c.okLeft) << c.state;
    EXPECT_EQ(setup.btnExit->Left(), c.exitLeft) << c.state;
    EXPECT_EQ(setup.btnOK->Top(), c.buttonTop) << c.state;
    EXPECT_EQ(setup.btnExit->Top(), c.buttonTop) << c.state;
    EXPECT_EQ(setup.btnDelete->Visible(), c.extras) << c.state;
    EXPECT_EQ(setup.cbPanelControl->Visible(), c.extras) << c.state;
    EXPECT_EQ(setup.cbPanelControl->Checked(), c.checked) << c.state;
    EXPECT_EQ(setup.edName->Text(), QStringLiteral("8531"));
    EXPECT_EQ(setup.edName->findChild<QLineEdit*>()->selectedText(), QStringLiteral("8531"));
    setup.Hide();
  }
  EXPECT_EQ(setup.width(), 300);
  EXPECT_EQ(setup.height(), 190);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(LockDialogsTest, LockSetup_okConfirmedLocksSaysGoodbyeAndDisconnectsACancelledOneSendsNothing) {
  host.state.LockSetupUserLockState = 0;
  setup.Show();
  {
    ModalDialogCloser closer(Confirming(false));
    setup.btnOK->Click();
  }
  EXPECT_EQ(confirm.lbMessage->Caption(), QStringLiteral("Are you sure to lock ?"));
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(setup.isVisible());
  EXPECT_EQ(setup.LockConfirmed, 0);

  ModalDialogCloser closer(Confirming(true));
  setup.btnOK->Click();
  EXPECT_EQ(host.log, (Log{"47 [38 35 33 31 01] append 1", "17 [] append 1"}));
  EXPECT_FALSE(setup.isVisible());
  EXPECT_EQ(setup.LockConfirmed, 0) << "read and cleared";
  EXPECT_TRUE(ProcessEventsUntil([&] { return host.log.size() == 3; }, 5s));
  EXPECT_EQ(host.log.back(), "StartDisconnectTimer");
  EXPECT_FALSE(setup.tmClose.Enabled());
}

TEST_F(LockDialogsTest, LockSetup_deleteRemovesBothLocksAndKeepsTheLink) {
  host.state.LockSetupUserLockState = 3;
  host.state.PanelLockSetupUserLockState = 3;
  host.state.PanelLockPermissions = {0x3E, 0x16, 0x01};
  setup.Show();
  ModalDialogCloser closer(Confirming(true));
  setup.btnDelete->Click();
  EXPECT_EQ(confirm.lbMessage->Caption(), QStringLiteral("Are you sure to delete ?"));
  EXPECT_EQ(host.log, (Log{"47 [38 35 33 31 00] append 1", "92 [00 00 00 00 00 00 00 00] append 1"}));
  EXPECT_EQ(host.state.LockSetupUserLockState, 0);
  EXPECT_EQ(host.state.PanelLockPermissions, (std::array<std::uint8_t, 3>{0, 0, 0}));
  EXPECT_FALSE(setup.cbPanelControl->Checked());
  EXPECT_FALSE(setup.isVisible());
  EXPECT_FALSE(setup.tmClose.Enabled()) << "no disconnect follows";
}

TEST_F(LockDialogsTest, PanelLock_defaultChecksThenOkSendsBothLocksGoodbyeAndDisconnects) {
  host.state.LockSetupUserLockState = 1;
  host.state.PanelLockSetupUserLockState = 1;
  setup.Show();
  setup.cbPanelControl->SetChecked(true);
  bool answered = false;
  ModalDialogCloser closer([&](QWidget* dialog) {
    if (dialog == &panel && !std::exchange(answered, true)) {
      EXPECT_EQ(panel.edName->Text(), QStringLiteral("2947"));
      EXPECT_FALSE(panel.btnDelete->Visible());
      EXPECT_EQ(panel.btnOK->Left(), 60);
      EXPECT_EQ(panel.btnExit->Left(), 180);
      panel.btnOK->Click();
    }
  });
  setup.btnOK->Click();
  EXPECT_EQ(host.log, (Log{"47 [38 35 33 31 01] append 1", "92 [32 39 34 37 3E 16 01 01] append 1",
                           "17 [] append 1", "StartDisconnectTimer"}));
  EXPECT_EQ(host.state.PanelLockPermissions, (std::array<std::uint8_t, 3>{0x3E, 0x16, 0x01}));
  EXPECT_FALSE(panel.isVisible());
  EXPECT_FALSE(setup.isVisible());
}

TEST_F(LockDialogsTest, PanelLock_showsTheBytesOfASetLockAndAddsTheDefaultsOnlyToANewOne) {
  host.state.PanelLockPermissions = {0x01, 0x08, 0x02};
  host.state.PanelLockSetupUserLockState = 3;
  panel.Show();
  EXPECT_TRUE(panel.btnDelete->Visible());
  EXPECT_EQ(panel.btnOK->Left(), 30);
  EXPECT_EQ(panel.btnExit->Left(), 200);
  std::vector<bool> checked;
  for (const TCheckBox* box : panel.Boxes()) {
    checked.push_back(box->Checked());
  }
  EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false, false, false, false, false, false, false, false,
                                        true}));
  panel.Hide();

  host.state.PanelLockSetupUserLockState = 1;
  panel.Show();
  checked.clear();
  for (const TCheckBox* box : panel.Boxes()) {
    checked.push_back(box->Checked());
  }
  EXPECT_EQ(checked, (std::vector<bool>{true, true, true, true, true, true, false, true, true, true, true, true}));
}

TEST_F(LockDialogsTest, PanelLock_permissionBitTableBothWays) {
  const char* names[] = {"cbInGain", "cbInGate", "cbInPeq",    "cbInGeq", "cbInDelay", "cbMatrix",
                         "cbOutGain", "cbOutPeq", "cbOutComp", "cbOutDelay", "cbStore", "cbRecall"};
  host.state.PanelLockSetupUserLockState = 2;
  for (int row = 0; row < TfmPanelLockSetup::kRows; ++row) {
    const PanelLockBit& bit = kPanelLockBits[row];
    EXPECT_EQ(panel.Boxes()[row]->Name(), QLatin1String(names[row]));
    std::array<std::uint8_t, 3> bytes{};
    bytes[bit.byte] = bit.bit;
    panel.SetPermissionBytes(bytes[0], bytes[1], bytes[2]);
    panel.Show();
    for (int other = 0; other < TfmPanelLockSetup::kRows; ++other) {
      EXPECT_EQ(panel.Boxes()[other]->Checked(), other == row) << names[row] << " shows " << names[other];
    }
    panel.Hide();
    panel.SetPermissionBytes(0xFF, 0xFF, 0xFF);
    panel.CollectPermissionBytes();
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(panel.GetPermissionByte(i), bytes[i]) << names[row];
    }
  }
  for (TCheckBox* box : panel.Boxes()) {
    box->SetChecked(true);
  }
  panel.CollectPermissionBytes();
  EXPECT_EQ(host.state.PanelLockPermissions, (std::array<std::uint8_t, 3>{0x3F, 0x17, 0x03}))
      << "bit 0x08 of the outputs and the unlisted bits stay 0";
}

TEST_F(LockDialogsTest, PanelLock_deleteKeepsTheAdministratorLock) {
  host.state.PanelLockSetupUserLockState = 3;
  host.state.PanelLockPermissions = {0x3E, 0x16, 0x01};
  panel.Show();
  {
    ModalDialogCloser closer(Confirming(false));
    panel.btnDelete->Click();
  }
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(panel.isVisible());
  ModalDialogCloser closer(Confirming(true));
  panel.btnDelete->Click();
  EXPECT_EQ(host.log, (Log{"92 [00 00 00 00 00 00 00 00] append 1"}));
  EXPECT_EQ(host.state.PanelLockSetupUserLockState, 1);
  EXPECT_EQ(host.state.PanelLockPermissions, (std::array<std::uint8_t, 3>{0, 0, 0}));
  EXPECT_FALSE(panel.isVisible());
}

TEST_F(LockDialogsTest, Prompt_actsOnEachVerdict) {
  struct Case {
    int verdict;
    Log after;  ///< what follows the password
    bool closes;
  };
  const std::vector<Case> cases{
      {1, {"SetMenusLocked 0", "SetAccessLockState 0", "34 [] append 0"}, true},
      {2, {"SetMenusLocked 1", "SetAccessLockState 3", "ShowGainPage", "34 [] append 0"}, true},
      {0, {}, false},
      {7, {}, false},
  };
  for (const Case& c : cases) {
    host.log.clear();
    host.accessLockState = 1;
    prompt.Show();
    EXPECT_EQ(prompt.edName->Text(), QStringLiteral("****"));
    prompt.edName->SetText(QStringLiteral("8531"));
    EXPECT_EQ(prompt.edName->findChild<QLineEdit*>()->displayText(), QStringLiteral("****")) << "shown as stars";
    ModalDialogCloser closer;
    PressKey(*prompt.edName, Qt::Key_Return);
    EXPECT_EQ(prompt.UnlockResult, TfmLockPassWord::kWaiting);
    prompt.SetResult(c.verdict);
    ASSERT_TRUE(ProcessEventsUntil([&] { return prompt.TickCount == 1 && !prompt.tmCmd.Enabled(); }, 5s));
    if (c.closes) {
      EXPECT_TRUE(ProcessEventsUntil([&] { return !prompt.isVisible(); }, 5s)) << c.verdict;
    }
    Log expected{"45 [00 38 35 33 31] append 1"};
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    EXPECT_EQ(host.log, expected) << c.verdict;
    EXPECT_EQ(prompt.isVisible(), !c.closes) << c.verdict;
    EXPECT_FALSE(prompt.tmCheck.Enabled()) << c.verdict;
    if (c.verdict == 0) {
      EXPECT_EQ(closer.Texts(), QStringList{"Password Error!!"});
      EXPECT_EQ(prompt.edName->Text(), QStringLiteral("****"));
      EXPECT_EQ(prompt.edName->findChild<QLineEdit*>()->selectionLength(), 4) << "selected again";
    } else {
      EXPECT_TRUE(closer.Texts().isEmpty()) << c.verdict;
    }
    prompt.Hide();
  }
}

TEST_F(LockDialogsTest, Prompt_waitsThirtyTicksThenTimesOutWithGoodbyeAndDisconnect) {
  prompt.Show();
  ModalDialogCloser closer;
  prompt.btnOK->Click();
  ASSERT_TRUE(ProcessEventsUntil([&] { return prompt.TickCount == 2; }, 5s));
  EXPECT_TRUE(prompt.tmCheck.Enabled()) << "no verdict yet: it polls on";
  prompt.TickCount = TfmLockPassWord::kMaxTicks - 1;
  ASSERT_TRUE(ProcessEventsUntil([&] { return prompt.TickCount == TfmLockPassWord::kMaxTicks; }, 5s));
  EXPECT_TRUE(prompt.tmCheck.Enabled()) << "tick 30 still waits";
  ASSERT_TRUE(ProcessEventsUntil([&] { return !prompt.isVisible(); }, 5s));
  EXPECT_EQ(closer.Texts(), QStringList{"Check Time Out!"});
  EXPECT_EQ(host.log, (Log{"45 [00 2A 2A 2A 2A] append 1", "17 [] append 1", "StartDisconnectTimer"}));
}

TEST_F(LockDialogsTest, Prompt_cancelEscapeAndTheWindowsCloseSayGoodbyeAndDisconnect) {
  const Log goodbye{"17 [] append 1", "StartDisconnectTimer"};
  prompt.Show();
  prompt.bnCancel->Click();
  EXPECT_EQ(host.log, goodbye);
  EXPECT_FALSE(prompt.isVisible());
  host.log.clear();
  prompt.Show();
  PressKey(*prompt.edName, Qt::Key_Escape);
  EXPECT_EQ(host.log, goodbye);
  EXPECT_FALSE(prompt.isVisible());
  host.log.clear();
  prompt.Show();
  prompt.close();
  EXPECT_EQ(host.log, goodbye);
  EXPECT_FALSE(prompt.isVisible());
  EXPECT_FALSE(prompt.windowFlags().testFlag(Qt::WindowCloseButtonHint)) << "no close box";
}

TEST_F(LockDialogsTest, Passwords_shortOnesArePaddedWithZerosAndOnlyCodePageCharactersEnter) {
  prompt.Show();
  prompt.edName->SetText(QString());
  Type(*prompt.edName, QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("\u0E01b"));
  EXPECT_EQ(prompt.edName->Text(), QStringLiteral("AB")) << "upper case; the emoji and the Thai letter are refused";
  Type(*prompt.edName, QStringLiteral("\u4E2Dxyz"));
  EXPECT_EQ(prompt.edName->Text(), QStringLiteral("AB\u4E2DX")) << "at most 4 characters";
  prompt.edName->SetText(QStringLiteral("ab"));
  prompt.btnOK->Click();
  prompt.edName->SetText(QString());
  prompt.btnOK->Click();
  prompt.bnCancel->Click();

  host.state.LockSetupUserLockState = 0;
  setup.Show();
  setup.edName->SetText(QString());
  Type(*setup.edName, QStringLiteral("ab"));
  ModalDialogCloser closer(Confirming(true));
  setup.btnOK->Click();
  EXPECT_EQ(host.log, (Log{"45 [00 41 42 00 00] append 1", "45 [00 00 00 00 00] append 1", "17 [] append 1",
                           "StartDisconnectTimer", "47 [41 42 00 00 01] append 1", "17 [] append 1"}));
}

}  // namespace
