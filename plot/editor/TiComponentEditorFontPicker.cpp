#include "plot/editor/TiComponentEditorFontPicker.h"

#include "plot/editor/TiCustomEditorForm.h"
#include "plot/editor/TiFontDialog.h"

TiComponentEditorFontPicker::TiComponentEditorFontPicker(QWidget* parent) : TiComponentEditorButton(parent) {
  SetCaption(QStringLiteral("Font"));
}

void TiComponentEditorFontPicker::Click() {
  TiComponentEditorButton::Click();
  TiFontDialog dialog(DialogOwner());
  dialog.SetFont(m_font);
  if (!dialog.Execute()) return;
  m_font.Assign(dialog.Font());
  ReportUserChange(this);
  update();
  Raise(OnChange, this);
}
