#pragma once

#include "platform/widgets/TForm.h"

class IDialogHost;
class TImage;
class TLabel;
class TRzBmpButton;
class TRzComboBox;
class TRzGroupBox;

/// The channel copy dialog: an input onto an input, an output onto an
/// output, through the main window's CopyChannel. It stays open for further
/// copies; Exit closes it. The four lists offer only their items and keep
/// their selections between showings. Texts follow the current language at
/// each showing. GUI thread only.
class TfmCopy : public TForm {
public:
  explicit TfmCopy(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmCopy() override;

  TImage* imLinkSelIn = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TRzComboBox* cbInSource = nullptr;
  TLabel* Label1 = nullptr;
  TRzComboBox* cbInDestination = nullptr;
  TRzBmpButton* bnInChCopy = nullptr;
  TRzGroupBox* GroupBox2 = nullptr;
  TRzComboBox* cbOutSource = nullptr;
  TLabel* Label2 = nullptr;
  TRzComboBox* cbOutDestination = nullptr;
  TRzBmpButton* bnOutChCopy = nullptr;
  TRzBmpButton* bnExit = nullptr;

  /// Both copy buttons: Tag 0 copies inputs, Tag 1 outputs (channels 3-8).
  void bnInChCopyClick(TObject* Sender);

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
};

/// The copy dialog while it exists, else null.
extern TfmCopy* fmCopy;
