#pragma once

#include "dialogs/remote/RemoteCodeForm.h"

/// The remote-control code reference with Chinese texts, shown from the main
/// menu in any language other than English. Created at start-up and kept. GUI
/// thread only.
class TfmRs232Cmd : public RemoteCodeForm {
public:
  explicit TfmRs232Cmd(QWidget* parent = nullptr);
  ~TfmRs232Cmd() override;
};

/// The Chinese code reference while it exists, else null.
extern TfmRs232Cmd* fmRs232Cmd;
