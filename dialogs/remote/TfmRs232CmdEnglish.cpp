#include "dialogs/remote/TfmRs232CmdEnglish.h"

TfmRs232CmdEnglish* fmRs232CmdEnglish = nullptr;

TfmRs232CmdEnglish::TfmRs232CmdEnglish(QWidget* parent) : RemoteCodeForm(false, parent) {
  SetName(QStringLiteral("fmRs232CmdEnglish"));
  fmRs232CmdEnglish = this;
}

TfmRs232CmdEnglish::~TfmRs232CmdEnglish() {
  if (fmRs232CmdEnglish == this) {
    fmRs232CmdEnglish = nullptr;
  }
}
