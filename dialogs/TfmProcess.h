#pragma once

#include "platform/widgets/TForm.h"

class IDialogHost;
class TAdvProgressBar;
class TStatusBar;

/// The progress window of the long transfers with the unit. Passive: the
/// transfer that shows it (modally or not) advances and closes it; the
/// user can neither close it with Escape nor through the window frame.
/// Always on top, without border icons. It keeps its last bar position and
/// status text between showings. GUI thread only.
class TfmProcess : public TForm {
public:
  explicit TfmProcess(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmProcess() override;

  TAdvProgressBar* ProgressBar = nullptr;
  TStatusBar* StatusBar = nullptr;

  /// The caption from the current language.
  void FormShow(TObject* Sender);
  /// Shows it without a modal loop, above the other windows.
  void ShowModeless();
  /// Ends a modal showing and hides a modeless one, at once: the window
  /// leaves the screen even while another modal box is stacked above it.
  void CloseProgress();
  bool CloseQuery() override;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  bool m_closeAllowed = false;  ///< set by CloseProgress until the next showing
};

/// The progress window while it exists, else null.
extern TfmProcess* fmProcess;
