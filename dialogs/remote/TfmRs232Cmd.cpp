#include "dialogs/remote/TfmRs232Cmd.h"

TfmRs232Cmd* fmRs232Cmd = nullptr;

TfmRs232Cmd::TfmRs232Cmd(QWidget* parent) : RemoteCodeForm(true, parent) {
  SetName(QStringLiteral("fmRs232Cmd"));
  fmRs232Cmd = this;
}

TfmRs232Cmd::~TfmRs232Cmd() {
  if (fmRs232Cmd == this) {
    fmRs232Cmd = nullptr;
  }
}
