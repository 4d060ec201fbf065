#pragma once

#include "dialogs/PresetListForm.h"

/// The recall list: F00 and U01 to U30; picking a row shows its name for
/// confirmation before the recall (row 0 = F00, n = Un). GUI thread only.
class TfmRecallPreset : public PresetListForm {
public:
  explicit TfmRecallPreset(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmRecallPreset() override;
};

/// The recall list while it exists, else null.
extern TfmRecallPreset* fmRecallPreset;
