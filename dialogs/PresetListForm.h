#pragma once

#include "dialogs/PresetList.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TImage;
class TLabel;
class TRzBmpButton;
class TValueListEditor;

/// What the store and the recall list share: a titled list of presets with
/// a Cancel button, shown modally from the main window's Store and Recall
/// entries. Picking a row opens the preset name dialog above the list in
/// this list's mode. The rows are also the editor's directory of preset
/// names, kept for the whole run. GUI thread only.
class PresetListForm : public TForm {
public:
  ~PresetListForm() override;

  TImage* imWorkStatusBase = nullptr;
  TLabel* lPresetSelect = nullptr;
  TValueListEditor* vledPresetName = nullptr;
  TRzBmpButton* bnCancel = nullptr;

  /// Replaces row index's name (14 bytes from the unit or the name dialog).
  void SetPresetRow(int index, const QByteArray& name);
  const PresetList& Rows() const { return m_rows; }
  /// Opens the name dialog for data line ARow (from 1).
  void vledPresetNameSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void bnCancelClick(TObject* Sender);
  /// True for the store list, false for the recall list.
  bool StoreList() const { return m_store; }

protected:
  /// store: the store list (U01..U30); else the recall list (F00, U01..U30).
  PresetListForm(IDialogHost& host, bool store, QWidget* parent);
  void DoShow() override;

private:
  /// The name dialog's title for data line (from 1).
  QString LineTitle(int line) const;

  IDialogHost& m_host;
  bool m_store;
  PresetList m_rows;
};
