#pragma once

#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

/// The nine channel names at once. Showing it loads the names the unit
/// holds; Set sends, in channel order, only the names that changed; Exit
/// sends nothing. A channel's edit is "edMatrixChName" + "InA".."Out6",
/// found in Controls(). Created at start-up and kept. GUI thread only.
class TfmChNameList : public TForm {
public:
  explicit TfmChNameList(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmChNameList() override;

  TImage* imChNameList = nullptr;
  TRzGroupBox* gbInChNameList = nullptr;
  TRzGroupBox* gbOutChNameList = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* btnCancel = nullptr;

  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

  ControlRegistry& Controls() { return m_controls; }
  /// The name edit of channel 0-8, or null.
  TEdit* NameEdit(int channel) const;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  ControlRegistry m_controls;
};

/// The channel name list while it exists, else null.
extern TfmChNameList* fmChNameList;
