#include "dialogs/TfmLockPassWord.h"

#include <QCloseEvent>

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "dialogs/PasswordEdit.h"
#include "platform/widgets/ControlMessages.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/commands/UnitCommands.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmLockPassWord* fmLockPassWord = nullptr;

namespace {

constexpr int kLockPassWordClientWidth = 190;
constexpr int kLockPassWordClientHeight = 148;
constexpr int kTickMs = 100;
/// The kind of password CM_MCS_PASS_SUBMIT carries: the unlock password.
constexpr int kUnlockKind = 0;
/// Access-lock bit value of an editor with restricted rights.
constexpr int kAccessRestricted = 2;

}  // namespace

TfmLockPassWord::TfmLockPassWord(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmLockPassWord"));
  SetCaption(QStringLiteral("UnLock Setting"));
  DialogParts::SetDialogFrame(*this, kLockPassWordClientWidth, kLockPassWordClientHeight);
  // No border icons: the prompt ends through a verdict, Cancel or the time-out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  lblLockPassword = &DialogParts::AddLabel(*this, QStringLiteral("lblLockPassword"), 0, 16, QStringLiteral("UnLock Password"));
  lblLockPassword->SetAutoSize(false);
  lblLockPassword->SetBounds(0, 16, kLockPassWordClientWidth, 20);
  lblLockPassword->SetAlignment(TAlignment::taCenter);
  edName = &PasswordEdit::Add(*this, 45, 48, 100);
  edName->SetPasswordChar(QLatin1Char('*'));
  edName->SetText(QStringLiteral("****"));
  edName->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { edNameKeyDown(sender, key, shift); };
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 10, 100, mrNone);
  bnCancel = &DialogParts::AddButton(*this, QStringLiteral("bnCancel"), 100, 100, mrNone);
  btnOK->OnClick = [this](TObject* sender) { RzBmpButton1Click(sender); };
  bnCancel->OnClick = [this](TObject* sender) { bnCancelClick(sender); };
  for (TTimer* timer : {&tmCheck, &tmCmd}) {
    timer->SetEnabled(false);
    timer->SetInterval(kTickMs);
  }
  tmCheck.OnTimer = [this](TObject* sender) { tmCheckTimer(sender); };
  tmCmd.OnTimer = [this](TObject* sender) { tmCmdTimer(sender); };
  fmLockPassWord = this;
}

TfmLockPassWord::~TfmLockPassWord() {
  if (fmLockPassWord == this) {
    fmLockPassWord = nullptr;
  }
}

void TfmLockPassWord::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_UNLOCK_TITLE")));
  DialogParts::FitTitle(*this, kLockPassWordClientWidth);
  lblLockPassword->SetCaption(m_host.LookUpText(QStringLiteral("SID_UNLOCK_PASSWORD")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  bnCancel->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  ResetEdit();
  TForm::DoShow();
}

void TfmLockPassWord::ResetEdit() {
  edName->SetText(QStringLiteral("****"));
  edName->SetFocus();
  edName->SelectAll();
}

void TfmLockPassWord::RzBmpButton1Click(TObject* /*Sender*/) {
  m_host.SendCommand(CM_MCS_PASS_SUBMIT(m_host.GetUnitId(), kUnlockKind, PasswordEdit::Bytes(*edName)), true, 1);
  TickCount = 0;
  UnlockResult = kWaiting;
  tmCheck.SetEnabled(true);
}

void TfmLockPassWord::tmCheckTimer(TObject* /*Sender*/) {
  TickCount = static_cast<std::int8_t>(TickCount + 1);
  tmCheck.SetEnabled(false);
  switch (UnlockResult) {
    case kWrongPassword:
      ShowInformationMessage(this, QStringLiteral("Password Error!!"));
      ResetEdit();
      break;
    case kFullAccess:
      tmCmd.SetEnabled(true);
      m_host.SetMenusLocked(false);
      m_host.SetAccessLockState(0);
      break;
    case kRestrictedAccess:
      tmCmd.SetEnabled(true);
      m_host.SetMenusLocked(true);
      // A unit may report the restriction only in its verdict; the window
      // enforces the panel lock by this bit after the read-out.
      m_host.SetAccessLockState(m_host.GetAccessLockState() | kAccessRestricted);
      m_host.ShowGainPage();
      break;
    case kWaiting:
      if (TickCount <= kMaxTicks) {
        tmCheck.SetEnabled(true);
      } else {
        ShowInformationMessage(this, QStringLiteral("Check Time Out!"));
        bnCancelClick(this);
      }
      break;
    default:
      break;
  }
}

void TfmLockPassWord::tmCmdTimer(TObject* /*Sender*/) {
  tmCmd.SetEnabled(false);
  m_host.SendCommand(CM_MCS_CMD(m_host.GetUnitId(), CMD_READ_PRESET_DIRECTORY), false, 1);
  Close();
}

void TfmLockPassWord::bnCancelClick(TObject* /*Sender*/) {
  // A verdict arriving after the goodbye must not start the read-out.
  tmCheck.SetEnabled(false);
  tmCmd.SetEnabled(false);
  m_host.SendCommand(CM_MCS_CMD(m_host.GetUnitId(), CMD_GOODBYE), true, 1);
  m_host.StartDisconnectTimer();
  Close();
}

void TfmLockPassWord::edNameKeyDown(TObject* Sender, WORD& Key, TShiftState /*Shift*/) {
  if (Key == VK_RETURN) {
    Key = 0;
    RzBmpButton1Click(Sender);
  } else if (Key == VK_ESCAPE) {
    Key = 0;
    bnCancelClick(Sender);
  }
}

void TfmLockPassWord::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_ESCAPE) {
    message.Result = 1;
    bnCancelClick(this);
    return;
  }
  TForm::WndProc(message);
}

void TfmLockPassWord::closeEvent(QCloseEvent* event) {
  // The window's own close is Cancel: goodbye and disconnect, never a
  // silent close that leaves a locked unit linked.
  event->ignore();
  if (Modal() && ModalResult() != mrNone) {
    return;  // already closing through a verdict or Cancel
  }
  bnCancelClick(this);
}
