#pragma once

#include <array>
#include <cstdint>

#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TCheckBox;
class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

/// The panel lock setting, shown modally by the lock setting: the user
/// password and the twelve functions a user with restricted access may not
/// use, one check box per bit of the three `PanelLockPermissions` bytes.
/// OK locks the unit with both passwords, says goodbye and disconnects;
/// Delete removes the user lock only. Its `UserLockState` and the
/// permission bytes are the main window's copies in MainWindowState.
/// Created at start-up and kept. GUI thread only.
class TfmPanelLockSetup : public TForm {
public:
  static constexpr int kRows = 12;

  explicit TfmPanelLockSetup(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmPanelLockSetup() override;

  TImage* imBase = nullptr;
  TLabel* lblLockPassword = nullptr;
  TEdit* edName = nullptr;
  TLabel* lbLock = nullptr;
  TCheckBox* cbInGain = nullptr;
  TCheckBox* cbInGate = nullptr;
  TCheckBox* cbInPeq = nullptr;
  TCheckBox* cbInGeq = nullptr;
  TCheckBox* cbInDelay = nullptr;
  TCheckBox* cbMatrix = nullptr;
  TCheckBox* cbOutGain = nullptr;
  TCheckBox* cbOutPeq = nullptr;
  TCheckBox* cbOutComp = nullptr;
  TCheckBox* cbOutDelay = nullptr;
  TCheckBox* cbStore = nullptr;
  TCheckBox* cbRecall = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnDelete = nullptr;
  TRzBmpButton* btnExit = nullptr;

  /// Set by the confirmation's OK; read and cleared after it closes.
  std::uint8_t LockConfirmed = 0;

  std::uint8_t UserLockState() const;
  void SetUserLockState(int state);
  void SetConfirmed(int answer) { LockConfirmed = static_cast<std::uint8_t>(answer); }
  void SetPermissionBytes(int b0, int b1, int b2);
  /// Permission byte i (0 inputs, 1 outputs, 2 presets).
  std::uint8_t GetPermissionByte(int i) const;
  /// Rebuilds the permission bytes from the check boxes.
  void CollectPermissionBytes();
  /// The check boxes in the order of the permission bit table.
  const std::array<TCheckBox*, kRows>& Boxes() const { return m_boxes; }

  void btnOKClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void btnExitClick(TObject* Sender);
  void edNameKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

protected:
  void DoShow() override;
  void WndProc(TMessage& message) override;

private:
  IDialogHost& m_host;
  std::array<TCheckBox*, kRows> m_boxes{};
};

/// The panel lock setting while it exists, else null.
extern TfmPanelLockSetup* fmPanelLockSetup;
