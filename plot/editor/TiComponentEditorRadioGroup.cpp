#include "plot/editor/TiComponentEditorRadioGroup.h"

#include "plot/editor/TiBlockingScope.h"
#include "plot/editor/TiCustomEditorForm.h"

TiComponentEditorRadioGroup::TiComponentEditorRadioGroup(QWidget* parent) : TiRadioGroup(parent) {
  TControlStyle style = ControlStyle();
  style.Exclude(TControlStyleItem::csClickEvents);
  SetControlStyle(style);
}

void TiComponentEditorRadioGroup::SetAsInteger(int value) {
  TiBlockingScope blocking(m_blockingEvents, OnClick, OnChange);
  SetItemIndex(value);
}

void TiComponentEditorRadioGroup::Click() {
  TiRadioGroup::Click();
  if (!m_blockingEvents) ReportUserChange(this);
}

void TiComponentEditorRadioGroup::Disable() {
  TiBlockingScope blocking(m_blockingEvents, OnClick);
  SetEnabled(false);
  SetItemIndex(-1);
}

void TiComponentEditorRadioGroup::DoChange() {
  TiRadioGroup::DoChange();
  if (!m_blockingEvents) Click();
}
