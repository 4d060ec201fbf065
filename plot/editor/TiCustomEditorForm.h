#pragma once

#include "platform/widgets/TForm.h"

/// Base of the editor's forms: every editor widget held by such a form
/// reports each user edit through UserChange (a hook for derived forms;
/// nothing here). GUI thread only.
class TiCustomEditorForm : public TForm {
public:
  explicit TiCustomEditorForm(QWidget* parent = nullptr) : TForm(parent) {}

  virtual void UserChange() {}
};

/// Calls UserChange of the editor form that holds control; nothing when
/// the control sits on no editor form.
void ReportUserChange(QWidget* control);
