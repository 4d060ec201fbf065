#pragma once

#include "dialogs/remote/RemoteCodeForm.h"

/// The remote-control code reference with English texts, shown from the main
/// menu when the editor speaks English. Created at start-up and kept. GUI
/// thread only.
class TfmRs232CmdEnglish : public RemoteCodeForm {
public:
  explicit TfmRs232CmdEnglish(QWidget* parent = nullptr);
  ~TfmRs232CmdEnglish() override;
};

/// The English code reference while it exists, else null.
extern TfmRs232CmdEnglish* fmRs232CmdEnglish;
