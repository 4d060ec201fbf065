#pragma once

#include <cstdint>

#include "platform/widgets/TForm.h"

class IDialogHost;
class PresetListForm;
class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

/// The preset name dialog the two preset lists open for a picked row,
/// without modality above the list: in store mode it asks for the name to
/// store the setting under, in recall mode it shows the row's name and
/// asks to confirm the recall. OK acts through the main window and closes
/// the dialog and its list; Cancel closes only the dialog. GUI thread only.
class TfmStoreName : public TForm {
public:
  explicit TfmStoreName(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmStoreName() override;

  TImage* imBase = nullptr;
  TLabel* lblPresetName = nullptr;
  TLabel* lTitle = nullptr;
  TEdit* edName = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* bnCancel = nullptr;

  /// The picked line, from 0 (store list: 0 = U01; recall list: 0 = F00).
  std::int32_t PresetIndex = 0;
  /// 1 store, 0 recall.
  std::uint8_t StoreMode = 0;

  /// Shows name cut to 14 characters, without trailing CRs and blanks.
  void SetNameText(const QString& name);
  void SetPresetIndex(int index) { PresetIndex = index; }
  void SetStoreMode(int mode) { StoreMode = static_cast<std::uint8_t>(mode); }
  /// Shows the dialog without modality above list, which stays open (and
  /// modal): the dialog becomes list's owned window.
  void ShowAbove(PresetListForm& list);

  void FormActivate(TObject* Sender);
  void edNameKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void btnOKClick(TObject* Sender);
  void bnCancelClick(TObject* Sender);

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
};

/// The preset name dialog while it exists, else null.
extern TfmStoreName* fmStoreName;
