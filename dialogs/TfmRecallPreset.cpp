#include "dialogs/TfmRecallPreset.h"

TfmRecallPreset* fmRecallPreset = nullptr;

TfmRecallPreset::TfmRecallPreset(IDialogHost& host, QWidget* parent) : PresetListForm(host, false, parent) {
  SetName(QStringLiteral("fmRecallPreset"));
  fmRecallPreset = this;
}

TfmRecallPreset::~TfmRecallPreset() {
  if (fmRecallPreset == this) {
    fmRecallPreset = nullptr;
  }
}
