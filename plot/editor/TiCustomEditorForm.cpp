#include "plot/editor/TiCustomEditorForm.h"

void ReportUserChange(QWidget* control) {
  if (auto* form = dynamic_cast<TiCustomEditorForm*>(GetParentForm(control))) form->UserChange();
}
