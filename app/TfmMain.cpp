#include "app/TfmMain.h"

#include <stdexcept>

TfmMain* fmMain = nullptr;

namespace {
const QString kProductName = QStringLiteral("KRV-71 FIR DSP Processor Editor");
const QString kVersion = QStringLiteral("V1.0");
}  // namespace

TfmMain::TfmMain(QWidget* parent) : QWidget(parent) {
  // Without its texts the window would show blank captions: refuse to start.
  QString error;
  if (!LanguageTable::LoadBuiltIn(moEnglish, moSimplified, &error)) {
    throw std::runtime_error("krv71-editor: " + error.toStdString());
  }
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

QString TfmMain::LookUpText(const QString& key) const {
  return (LanguageName == QLatin1String(LanguageChineseGB) ? moSimplified : moEnglish).LookUpText(key);
}
