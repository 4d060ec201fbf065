#include "dialogs/TfmLockSetup.h"

#include "components/MainWindowState.h"
#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "dialogs/PasswordEdit.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "platform/widgets/ControlMessages.h"
#include "platform/widgets/TCheckBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/commands/UnitCommands.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmLockSetup* fmLockSetup = nullptr;

namespace {

constexpr int kLockSetupClientWidth = 300;
constexpr int kLockSetupClientHeight = 190;
constexpr int kEditLeft = 100;
constexpr char kDefaultAdminPassword[] = "8531";

}  // namespace

TfmLockSetup::TfmLockSetup(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmLockSetup"));
  SetCaption(QStringLiteral("Lock Setting"));
  DialogParts::SetDialogFrame(*this, kLockSetupClientWidth, kLockSetupClientHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  lblLockPassword =
      &DialogParts::AddLabel(*this, QStringLiteral("lblLockPassword"), 0, 34, QStringLiteral("Administrator Password"));
  lblLockPassword->SetAutoSize(false);
  lblLockPassword->SetBounds(0, 34, kLockSetupClientWidth, 20);
  lblLockPassword->SetAlignment(TAlignment::taCenter);
  edName = &PasswordEdit::Add(*this, kEditLeft, 75, 100);
  edName->SetTabStop(false);
  edName->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { edNameKeyDown(sender, key, shift); };
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 60, 125, mrNone);
  btnDelete = &DialogParts::AddButton(*this, QStringLiteral("btnDelete"), 115, 105, mrNone);
  btnExit = &DialogParts::AddButton(*this, QStringLiteral("btnExit"), 180, 125, mrNone);
  btnExit->SetCaption(QStringLiteral("Cancel"));
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnDelete->OnClick = [this](TObject* sender) { btnDeleteClick(sender); };
  btnExit->OnClick = [this](TObject* sender) { btnExitClick(sender); };
  cbPanelControl = new TCheckBox(this);
  cbPanelControl->SetName(QStringLiteral("cbPanelControl"));
  cbPanelControl->SetBounds(24, 152, 270, 20);
  cbPanelControl->SetColor(clNone);
  cbPanelControl->Font().SetName(QStringLiteral("Arial"));
  cbPanelControl->Font().SetHeight(-13);
  cbPanelControl->Font().SetColor(clWhite);
  cbPanelControl->SetCaption(QStringLiteral("Allow restricted control panel access"));
  tmClose.SetEnabled(false);
  tmClose.SetInterval(100);
  tmClose.OnTimer = [this](TObject* sender) { tmCloseTimer(sender); };
  fmLockSetup = this;
}

TfmLockSetup::~TfmLockSetup() {
  if (fmLockSetup == this) {
    fmLockSetup = nullptr;
  }
}

std::uint8_t TfmLockSetup::UserLockState() const { return m_host.State().LockSetupUserLockState; }

void TfmLockSetup::SetUserLockState(int state) {
  m_host.State().LockSetupUserLockState = static_cast<std::uint8_t>(state);
}

void TfmLockSetup::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_LOCK_TITLE")));
  lblLockPassword->SetCaption(m_host.LookUpText(QStringLiteral("SID_ADMINISTRATOR_PASSWORD")));
  cbPanelControl->SetCaption(m_host.LookUpText(QStringLiteral("SID_PANEL_CONTROL")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  btnDelete->SetCaption(m_host.LookUpText(QStringLiteral("SID_DELETE")));
  btnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  const std::uint8_t state = UserLockState();
  const bool locked = state != 0;
  edName->SetTop(locked ? 65 : 75);
  btnOK->SetBounds(locked ? 30 : 60, locked ? 105 : 125, btnOK->Width(), btnOK->Height());
  btnExit->SetBounds(locked ? 200 : 180, locked ? 105 : 125, btnExit->Width(), btnExit->Height());
  btnDelete->SetVisible(locked);
  cbPanelControl->SetVisible(locked);
  cbPanelControl->SetChecked(locked && (state & 2) != 0);
  edName->SetText(QLatin1String(kDefaultAdminPassword));
  edName->SetFocus();
  edName->SelectAll();
  TForm::DoShow();
}

bool TfmLockSetup::Confirm(const char* key) {
  if (fmLockConfirm != nullptr) {
    fmLockConfirm->lbMessage->SetCaption(m_host.LookUpText(QLatin1String(key)));
    fmLockConfirm->ShowModal();
  }
  const bool confirmed = LockConfirmed != 0;
  LockConfirmed = 0;
  return confirmed;
}

void TfmLockSetup::btnOKClick(TObject* /*Sender*/) {
  if (cbPanelControl->Checked()) {
    if (fmPanelLockSetup != nullptr) {
      fmPanelLockSetup->ShowModal();
    }
    return;
  }
  if (!Confirm("SID_LOCK_CONFIRM")) {
    return;
  }
  const int unitId = m_host.GetUnitId();
  m_host.SendCommand(CM_MCS_SET_LOCK(unitId, PasswordEdit::Bytes(*edName), 1), true, 1);
  m_host.SendCommand(CM_MCS_CMD(unitId, CMD_GOODBYE), true, 1);
  tmClose.SetEnabled(true);
  Close();
}

void TfmLockSetup::tmCloseTimer(TObject* /*Sender*/) {
  tmClose.SetEnabled(false);
  m_host.StartDisconnectTimer();
  Close();
}

void TfmLockSetup::btnDeleteClick(TObject* /*Sender*/) {
  if (!Confirm("SID_DELETE_CONFIRM")) {
    return;
  }
  const int unitId = m_host.GetUnitId();
  m_host.SendCommand(CM_MCS_SET_LOCK(unitId, PasswordEdit::Bytes(*edName), 0), true, 1);
  m_host.SendCommand(CM_MCS_SET_USER_LOCK(unitId, QByteArray(PasswordEdit::kLength, '\0'), {0, 0, 0}, 0), true, 1);
  if (fmPanelLockSetup != nullptr) {
    fmPanelLockSetup->SetPermissionBytes(0, 0, 0);
  }
  SetUserLockState(0);
  cbPanelControl->SetChecked(false);
  Close();
}

void TfmLockSetup::btnExitClick(TObject* /*Sender*/) { Close(); }

void TfmLockSetup::edNameKeyDown(TObject* Sender, WORD& Key, TShiftState /*Shift*/) {
  if (Key == VK_RETURN) {
    Key = 0;
    btnOKClick(Sender);
  } else if (Key == VK_ESCAPE) {
    Key = 0;
    btnExitClick(Sender);
  }
}

void TfmLockSetup::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_ESCAPE) {
    message.Result = 1;
    btnExitClick(this);
    return;
  }
  TForm::WndProc(message);
}
