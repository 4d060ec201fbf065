#include "dialogs/TfmPanelLockSetup.h"

#include <type_traits>

#include "components/MainWindowState.h"
#include "components/PanelLockTable.h"
#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "dialogs/PasswordEdit.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockSetup.h"
#include "platform/widgets/ControlMessages.h"
#include "platform/widgets/TCheckBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/commands/UnitCommands.h"
#include "widgets/buttons/TRzBmpButton.h"

TfmPanelLockSetup* fmPanelLockSetup = nullptr;

namespace {

constexpr int kPanelLockSetupClientWidth = 309;
constexpr int kPanelLockSetupClientHeight = 459;
constexpr int kFirstRowTop = 84;
constexpr int kPanelLockSetupRowPitch = 26;
constexpr int kButtonTop = 408;
constexpr char kDefaultUserPassword[] = "2947";

/// One row: the check box's name and its label's form text, in the order
/// of the permission bit table; whether a new panel lock disables it.
struct Row {
  const char* box;
  const char* label;
  bool lockedByDefault;
};

constexpr std::array<Row, TfmPanelLockSetup::kRows> kRowTable = {{
    {"cbInGain", "Input Gain/Phase", false},
    {"cbInGate", "Input Gate", true},
    {"cbInPeq", "Input PEQ&HP/LP", true},
    {"cbInGeq", "Input Compressor", true},
    {"cbInDelay", "Input Delay", true},
    {"cbMatrix", "Matrix/Routimg", true},
    {"cbOutGain", "Output Gain/Phase", false},
    {"cbOutPeq", "Output PEQ&Xover", true},
    {"cbOutComp", "Output Limiter", true},
    {"cbOutDelay", "Output Delay", true},
    {"cbStore", "Preset Store", true},
    {"cbRecall", "Preset Recall", false},
}};
static_assert(kRowTable.size() == std::tuple_size_v<std::remove_cvref_t<decltype(kPanelLockBits)>>);

}  // namespace

TfmPanelLockSetup::TfmPanelLockSetup(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmPanelLockSetup"));
  SetCaption(QStringLiteral("Panel Lock Setting"));
  DialogParts::SetDialogFrame(*this, kPanelLockSetupClientWidth, kPanelLockSetupClientHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));
  lblLockPassword =
      &DialogParts::AddLabel(*this, QStringLiteral("lblLockPassword"), 40, 24, QStringLiteral("User Password :"));
  edName = &PasswordEdit::Add(*this, 168, 20, 100);
  edName->SetTabStop(false);
  edName->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) { edNameKeyDown(sender, key, shift); };
  lbLock = &DialogParts::AddLabel(*this, QStringLiteral("lbLock"), 200, 58, QStringLiteral("Lock"));
  lbLock->SetAutoSize(false);
  lbLock->SetBounds(200, 58, 60, 18);
  lbLock->SetAlignment(TAlignment::taCenter);
  TCheckBox** named[kRows] = {&cbInGain, &cbInGate,  &cbInPeq,    &cbInGeq,  &cbInDelay, &cbMatrix,
                              &cbOutGain, &cbOutPeq, &cbOutComp, &cbOutDelay, &cbStore,  &cbRecall};
  for (int row = 0; row < kRows; ++row) {
    const int top = kFirstRowTop + row * kPanelLockSetupRowPitch;
    const QString stem = QLatin1String(kRowTable[row].box).mid(2);
    DialogParts::AddLabel(*this, QStringLiteral("lb") + stem, 40, top, QLatin1String(kRowTable[row].label));
    auto* box = new TCheckBox(this);
    box->SetName(QLatin1String(kRowTable[row].box));
    box->SetBounds(223, top - 1, 17, 17);
    box->SetColor(clNone);
    *named[row] = box;
    m_boxes[row] = box;
  }
  btnOK = &DialogParts::AddButton(*this, QStringLiteral("btnOK"), 60, kButtonTop, mrNone);
  btnDelete = &DialogParts::AddButton(*this, QStringLiteral("btnDelete"), 115, kButtonTop, mrNone);
  btnExit = &DialogParts::AddButton(*this, QStringLiteral("btnExit"), 180, kButtonTop, mrNone);
  btnOK->OnClick = [this](TObject* sender) { btnOKClick(sender); };
  btnDelete->OnClick = [this](TObject* sender) { btnDeleteClick(sender); };
  btnExit->OnClick = [this](TObject* sender) { btnExitClick(sender); };
  fmPanelLockSetup = this;
}

TfmPanelLockSetup::~TfmPanelLockSetup() {
  if (fmPanelLockSetup == this) {
    fmPanelLockSetup = nullptr;
  }
}

std::uint8_t TfmPanelLockSetup::UserLockState() const { return m_host.State().PanelLockSetupUserLockState; }

void TfmPanelLockSetup::SetUserLockState(int state) {
  m_host.State().PanelLockSetupUserLockState = static_cast<std::uint8_t>(state);
}

void TfmPanelLockSetup::SetPermissionBytes(int b0, int b1, int b2) {
  m_host.State().PanelLockPermissions = {static_cast<std::uint8_t>(b0), static_cast<std::uint8_t>(b1),
                                         static_cast<std::uint8_t>(b2)};
}

std::uint8_t TfmPanelLockSetup::GetPermissionByte(int i) const {
  return m_host.State().PanelLockPermissions.at(static_cast<std::size_t>(i));
}

void TfmPanelLockSetup::CollectPermissionBytes() {
  std::array<std::uint8_t, 3> bytes{};
  for (int row = 0; row < kRows; ++row) {
    if (m_boxes[row]->Checked()) {
      bytes[static_cast<std::size_t>(kPanelLockBits[row].byte)] |= kPanelLockBits[row].bit;
    }
  }
  m_host.State().PanelLockPermissions = bytes;
}

void TfmPanelLockSetup::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_PANEL_LOCK_TITLE")));
  lbLock->SetCaption(m_host.LookUpText(QStringLiteral("SID_LOCK_SETTING")));
  btnOK->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_OK")));
  btnDelete->SetCaption(m_host.LookUpText(QStringLiteral("SID_DELETE")));
  btnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT_CANCEL")));
  edName->SetText(QLatin1String(kDefaultUserPassword));
  const bool panelLocked = (UserLockState() & 2) != 0;
  btnOK->SetLeft(panelLocked ? 30 : 60);
  btnExit->SetLeft(panelLocked ? 200 : 180);
  btnDelete->SetVisible(panelLocked);
  for (int row = 0; row < kRows; ++row) {
    const PanelLockBit& bit = kPanelLockBits[row];
    m_boxes[row]->SetChecked((GetPermissionByte(bit.byte) & bit.bit) != 0);
    // A first panel lock starts from the usual choice; an existing one is shown as set.
    if (!panelLocked && kRowTable[row].lockedByDefault) {
      m_boxes[row]->SetChecked(true);
    }
  }
  TForm::DoShow();
}

void TfmPanelLockSetup::btnOKClick(TObject* /*Sender*/) {
  CollectPermissionBytes();
  const int unitId = m_host.GetUnitId();
  const QByteArray admin =
      fmLockSetup != nullptr ? PasswordEdit::Bytes(*fmLockSetup->edName) : QByteArray(PasswordEdit::kLength, '\0');
  m_host.SendCommand(CM_MCS_SET_LOCK(unitId, admin, 1), true, 1);
  m_host.SendCommand(CM_MCS_SET_USER_LOCK(unitId, PasswordEdit::Bytes(*edName), m_host.State().PanelLockPermissions, 1),
                     true, 1);
  m_host.SendCommand(CM_MCS_CMD(unitId, CMD_GOODBYE), true, 1);
  m_host.StartDisconnectTimer();
  if (fmLockSetup != nullptr) {
    fmLockSetup->Close();
  }
  Close();
}

void TfmPanelLockSetup::btnDeleteClick(TObject* /*Sender*/) {
  if (fmLockConfirm != nullptr) {
    fmLockConfirm->lbMessage->SetCaption(m_host.LookUpText(QStringLiteral("SID_DELETE_CONFIRM")));
    fmLockConfirm->ShowModal();
  }
  if (LockConfirmed == 0) {
    return;
  }
  LockConfirmed = 0;
  SetPermissionBytes(0, 0, 0);
  SetUserLockState(1);
  m_host.SendCommand(
      CM_MCS_SET_USER_LOCK(m_host.GetUnitId(), QByteArray(PasswordEdit::kLength, '\0'), {0, 0, 0}, 0), true, 1);
  Close();
}

void TfmPanelLockSetup::btnExitClick(TObject* /*Sender*/) { Close(); }

void TfmPanelLockSetup::edNameKeyDown(TObject* /*Sender*/, WORD& Key, TShiftState /*Shift*/) {
  if (Key == VK_ESCAPE) {
    Key = 0;
    btnExitClick(this);
  }
}

void TfmPanelLockSetup::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_ESCAPE) {
    message.Result = 1;
    btnExitClick(this);
    return;
  }
  TForm::WndProc(message);
}
