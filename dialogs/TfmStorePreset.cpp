#include "dialogs/TfmStorePreset.h"

TfmStorePreset* fmStorePreset = nullptr;

TfmStorePreset::TfmStorePreset(IDialogHost& host, QWidget* parent) : PresetListForm(host, true, parent) {
  SetName(QStringLiteral("fmStorePreset"));
  fmStorePreset = this;
}

TfmStorePreset::~TfmStorePreset() {
  if (fmStorePreset == this) {
    fmStorePreset = nullptr;
  }
}
