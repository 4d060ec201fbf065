#include "plot/editor/TiComponentEditorCheckBox.h"

#include "plot/editor/TiBlockingScope.h"
#include "plot/editor/TiCustomEditorForm.h"

TiComponentEditorCheckBox::TiComponentEditorCheckBox(QWidget* parent) : TiCheckBox(parent) {
  TControlStyle style = ControlStyle();
  style.Exclude(TControlStyleItem::csClickEvents);
  SetControlStyle(style);
}

void TiComponentEditorCheckBox::SetAsBoolean(bool value) {
  TiBlockingScope blocking(m_blockingEvents, OnClick);
  SetChecked(value);
}

void TiComponentEditorCheckBox::Disable() {
  TiBlockingScope blocking(m_blockingEvents, OnClick);
  SetEnabled(false);
  SetChecked(false);
}

void TiComponentEditorCheckBox::DoChange() {
  TiCheckBox::DoChange();
  if (!m_blockingEvents) ReportUserChange(this);
  Raise(OnClick, this);
}
