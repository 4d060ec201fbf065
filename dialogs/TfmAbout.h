#pragma once

#include "platform/widgets/TForm.h"

class IDialogHost;
class TImage;
class TLabel;
class TRzBmpButton;

/// The program box: the product name and version; OK closes it. Its
/// caption follows the current language at each showing; the labels keep
/// their texts in both languages. GUI thread only.
class TfmAbout : public TForm {
public:
  explicit TfmAbout(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmAbout() override;

  TImage* imBase = nullptr;
  TLabel* ProductName = nullptr;
  TLabel* Version = nullptr;
  TLabel* Label3 = nullptr;
  TRzBmpButton* btnOK = nullptr;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
};

/// The program box while it exists, else null.
extern TfmAbout* fmAbout;
