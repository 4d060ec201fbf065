#include "plot/editor/TiComponentEditorOpenPicker.h"

#include "plot/editor/TiOpenDialog.h"

void TiComponentEditorOpenPicker::Click() {
  TiComponentEditorButton::Click();
  TiOpenDialog dialog(DialogOwner());
  dialog.SetFileMustExist(m_fileMustExist);
  PrepareDialog(dialog);
  dialog.SetAllowMultiSelect(m_allowMultiSelect);
  if (!dialog.Execute()) return;
  m_files = dialog.Files();
  Chosen(dialog.FileName());
}
