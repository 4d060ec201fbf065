#include "plot/editor/TiComponentEditorValueConverterPicker.h"

#include "plot/editor/TiValueConverterEditForm.h"

TiComponentEditorValueConverterPicker::TiComponentEditorValueConverterPicker(QWidget* parent)
    : TiComponentEditorButton(parent) {
  SetCaption(QStringLiteral("..."));
  resize(21, 21);
  setFocusPolicy(Qt::StrongFocus);
}

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit* edit) {
  m_associate = edit;
  if (edit) SetBounds(edit->x() + edit->width(), edit->y(), width(), edit->height());
}

void TiComponentEditorValueConverterPicker::Click() {
  TiComponentEditorButton::Click();
  TiValueConverterEditForm form(window());
  form.PageControl().setCurrentIndex(int(m_defaultPage));
  if (TranslationMethod) TranslationMethod(&form);
  form.SetValue(m_associate ? m_associate->AsFloat() : m_dateTime);
  if (form.ShowModal() != mrOk) return;
  m_dateTime = form.Value();
  if (m_associate) m_associate->SetDoubleWithEvent(m_dateTime);
  Raise(OnChange, this);
}
