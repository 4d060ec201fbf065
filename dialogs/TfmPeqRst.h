#pragma once

#include <functional>

#include "dialogs/ConfirmationLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The equaliser reset confirmation. The caller sets the channel to reset
/// (0..8 a channel of the main window, 9 and above the FIR designer's own
/// equaliser) and shows it modally; OK hides it, hands the channel to
/// ResetAction and closes it; Cancel or the window frame closes it and does
/// nothing else. The main window sets ResetAction at start-up. Texts follow
/// the current language at each showing. Created once and kept for the
/// whole run (`fmPeqRst`). GUI thread only.
class TfmPeqRst : public TForm {
public:
  explicit TfmPeqRst(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmPeqRst() override;

  void SetChannel(int channel) { m_channel = channel; }
  int Channel() const { return m_channel; }

  TLabel* lbReset = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  void btnOKClick(TObject* Sender);
  void btnExitClick(TObject* Sender);

  /// What OK does with the channel.
  std::function<void(int channel)> ResetAction;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  ConfirmationLayout m_layout;
  int m_channel = 0;
};

/// The equaliser reset confirmation while it exists, else null.
extern TfmPeqRst* fmPeqRst;
