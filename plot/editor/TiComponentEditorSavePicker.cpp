#include "plot/editor/TiComponentEditorSavePicker.h"

#include "plot/editor/TiSaveDialog.h"

bool TiComponentEditorSavePicker::Execute() {
  TiSaveDialog dialog(DialogOwner());
  PrepareDialog(dialog);
  dialog.SetFilterIndex(m_filterIndex);
  if (!dialog.Execute()) return false;
  Chosen(dialog.FileName());
  return true;
}

void TiComponentEditorSavePicker::Click() {
  TiComponentEditorButton::Click();
  Execute();
}
