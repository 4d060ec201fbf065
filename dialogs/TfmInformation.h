#pragma once

#include "dialogs/MessageDialogLayout.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TLabel;
class TRzBmpButton;

/// The information box: every failure message of the editor. Callers put
/// the text into `lbMessage` and show it modally; OK closes it. Its caption
/// and button text follow the current language at each showing. GUI thread
/// only.
class TfmInformation : public TForm {
public:
  TfmInformation(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmInformation() override;

  TLabel* lbMessage = nullptr;
  TRzBmpButton* btnOK = nullptr;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  MessageDialogLayout m_layout;
};

/// The information box while it exists, else null.
extern TfmInformation* fmInformation;
