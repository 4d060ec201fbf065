#pragma once

#include <cstdint>

#include "platform/threads/TTimer.h"
#include "platform/widgets/InputTypes.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

/// The unlock prompt, shown modally when the connected unit reports itself
/// locked: it submits the typed password and polls the unit's verdict with
/// `tmCheck` (the reply dispatcher stores it through SetResult while the
/// prompt is modal). Full or restricted access starts the read-out through
/// `tmCmd`; a wrong password lets the user try again; no verdict within 30
/// ticks, Cancel, Escape and the window's own close say goodbye and
/// disconnect. It has no close box. Created at start-up and kept. GUI
/// thread only.
class TfmLockPassWord : public TForm {
public:
  /// The unit's verdicts (`UnlockResult`).
  static constexpr std::uint8_t kWrongPassword = 0;
  static constexpr std::uint8_t kFullAccess = 1;
  static constexpr std::uint8_t kRestrictedAccess = 2;
  static constexpr std::uint8_t kWaiting = 255;
  /// Ticks of 100 ms the prompt waits for a verdict.
  static constexpr int kMaxTicks = 30;

  explicit TfmLockPassWord(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmLockPassWord() override;

  TImage* imBase = nullptr;
  TLabel* lblLockPassword = nullptr;
  TEdit* edName = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* bnCancel = nullptr;
  TTimer tmCheck;
  TTimer tmCmd;

  /// 100 ms ticks spent waiting for the verdict.
  std::int8_t TickCount = 0;
  std::uint8_t UnlockResult = 0;

  /// The unit's verdict on the password (reply 45).
  void SetResult(int verdict) { UnlockResult = static_cast<std::uint8_t>(verdict); }

  void RzBmpButton1Click(TObject* Sender);
  void bnCancelClick(TObject* Sender);
  void tmCheckTimer(TObject* Sender);
  void tmCmdTimer(TObject* Sender);
  void edNameKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

protected:
  void DoShow() override;
  void WndProc(TMessage& message) override;
  void closeEvent(QCloseEvent* event) override;

private:
  /// "****" in the edit, focused and selected.
  void ResetEdit();

  IDialogHost& m_host;
};

/// The unlock prompt while it exists, else null.
extern TfmLockPassWord* fmLockPassWord;
