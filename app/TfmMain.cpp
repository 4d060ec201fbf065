#include "app/TfmMain.h"

TfmMain* fmMain = nullptr;

namespace {
const QString kProductName = QStringLiteral("KRV-71 FIR DSP Processor Editor");
const QString kVersion = QStringLiteral("V1.0");
}  // namespace

TfmMain::TfmMain(QWidget* parent) : QWidget(parent) {
  fmMain = this;
  setWindowTitle(kProductName + QLatin1Char(' ') + kVersion);
  setToolTip(kProductName);
  resize(DesignWidth, DesignHeight);
}

TfmMain::~TfmMain() {
  if (fmMain == this) {
    fmMain = nullptr;
  }
}
