#pragma once

#include "dialogs/PresetListForm.h"

/// The store list: U01 to U30; picking a row asks for the name to store
/// the setting under (row 0 = U01). GUI thread only.
class TfmStorePreset : public PresetListForm {
public:
  explicit TfmStorePreset(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmStorePreset() override;
};

/// The store list while it exists, else null.
extern TfmStorePreset* fmStorePreset;
