#include "plot/editor/TiComponentEditorButton.h"

#include "platform/widgets/TForm.h"
#include "plot/editor/iHandlerError.h"

TiComponentEditorButton::TiComponentEditorButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setDefault(false);
  resize(75, 25);
  connect(this, &QPushButton::clicked, this, [this] { RunShowingErrors(this, [this] { Click(); }); });
}

void TiComponentEditorButton::Click() { Raise(OnClick, this); }

QObject* TiComponentEditorButton::DialogOwner() {
  if (TForm* form = GetParentForm(this)) return form;
  return this;
}
