#pragma once

#include <functional>

#include "dialogs/ConfirmationLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The confirmation before a designed FIR goes to the unit, shown modally
/// by the FIR designer's download button. OK hides it, runs DownloadAction
/// (set by the main window at start-up: the designer hands its FIR to the
/// main window) and closes it; Cancel or the window frame closes it and does
/// nothing else. Texts follow the current language at each showing. Created
/// once and kept for the whole run (`fmFirDownload`). GUI thread only.
class TfmFirDownload : public TForm {
public:
  explicit TfmFirDownload(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmFirDownload() override;

  TLabel* lbDownload = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  void btnOKClick(TObject* Sender);
  void btnExitClick(TObject* Sender);

  /// What OK does.
  std::function<void()> DownloadAction;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  ConfirmationLayout m_layout;
};

/// The FIR download confirmation while it exists, else null.
extern TfmFirDownload* fmFirDownload;
