// The window's side of the lock dialogs and of the dialogs behind hidden
// menu entries: the menu entries that open them, the unlock prompt and its
// verdict, the traffic monitor's lines and what the dialogs ask of the
// window.
#include "app/TfmMain.h"
#include "dialogs/TfmHidData.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmLockPassWord.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmMemo.h"
#include "link/LUnitSession.h"
#include "widgets/buttons/TRzBmpButton.h"

void TfmMain::ShowUnlockDialog() {
  if (fmLockPassWord != nullptr) {
    fmLockPassWord->ShowModal();
  }
}

void TfmMain::SetPasswordVerdict(int verdict) {
  if (fmLockPassWord != nullptr) {
    fmLockPassWord->SetResult(verdict);
  }
}

void TfmMain::LockClick(TObject* /*Sender*/) {
  if (fmLockSetup != nullptr) {
    fmLockSetup->ShowModal();
  }
}

void TfmMain::LockSetupClick(TObject* Sender) { LockClick(Sender); }

void TfmMain::LockModeClick(TObject* /*Sender*/) {
  if (fmLockMode != nullptr) {
    fmLockMode->ShowModal();
  }
}

void TfmMain::MemoShowClick(TObject* /*Sender*/) {
  if (fmMemo != nullptr) {
    fmMemo->Show();
  }
}

void TfmMain::HidDataClick(TObject* /*Sender*/) {
  if (fmHidData != nullptr) {
    fmHidData->Show();
  }
}

void TfmMain::AddTrafficLine(const QString& line) {
  if (fmHidData != nullptr && fmHidData->isVisible()) {
    fmHidData->AddLine(line);
  }
}

void TfmMain::AddTrafficLogLine(const QString& line) {
  if (fmHidData != nullptr) {
    fmHidData->AddLine(line);
  }
}

void TfmMain::StartDisconnectTimer() { m_session->StartDisconnectTimer(); }

int TfmMain::GetAccessLockState() const { return m_session->GetAccessLockState(); }

void TfmMain::SetAccessLockState(int value) { m_session->SetAccessLockState(value); }

void TfmMain::HideLockModeEntry() {
  if (TMenuItem* item = m_controls.MainMenu.Find(QStringLiteral("LockMode"))) {
    item->Visible = false;
    m_controls.MainMenu.Refresh();
  }
}

void TfmMain::BindLockDialogHandlers() {
  BindMenuEntries({{"Lock", &TfmMain::LockClick},
                   {"LockSetup", &TfmMain::LockSetupClick},
                   {"MemoShow", &TfmMain::MemoShowClick},
                   {"HidData", &TfmMain::HidDataClick}});
}
