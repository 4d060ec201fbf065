#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include "components/peq/TMyPEQType10.h"
#include "platform/FontRegistry.h"

namespace {

const char* const kTypeNames[] = {"Peak",    "Low Shelf", "High Shelf", "LP -6dB",  "LP -12dB", "HP -6dB",
                                  "HP -12dB", "Allpass1",  "Allpass2",   "Bandpass", "Bandstop"};

// A main-window channel panel on its dark page: set up as the form sets it,
// English texts, bands filled, band 3 current (green) and band 5 bypassed.
QImage RenderPanel(int width, int rows) {
  QWidget page;
  page.resize(width + 16, 270 + 16);
  QPalette dark = page.palette();
  dark.setColor(QPalette::Window, Qt::black);
  page.setPalette(dark);
  page.setAutoFillBackground(true);
  auto* panel = new TMyPEQType10(&page);
  panel->Font().SetHeight(-13);
  panel->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  panel->SetTransparent(true);
  panel->SetParentColor(true);
  panel->SetBounds(8, 8, width, 270);
  panel->SetUpdownVisable(false);
  panel->SetChannelNumber(rows);
  panel->SetLabelColor(clBackground);
  panel->SetEditBackColor(clWhite);
  panel->SetBypassBackColor(clSilver);
  panel->OnChange = [panel](TObject*) { panel->SetNowIndex(panel->GetNowIndex()); };
  panel->HandleNeeded();
  for (int type = 0; type < 11; ++type) {
    panel->SetEqTypeString(QLatin1String(kTypeNames[type]), type);
  }
  panel->SetBypassString(QStringLiteral("Bypass"));
  panel->ChangeLanguage();
  panel->SetNowIndex(0);
  const double hertz[] = {31.5, 80, 200, 500, 1250, 3150, 8000, 12500, 16000};
  for (int band = 0; band < rows; ++band) {
    panel->SetEqParamValue(band, hertz[band], 16 + 3 * band, (band % 2 == 0 ? 1.5 : -1.5) * band, band % 3,
                           band == 4);
  }
  panel->SetNowIndex(2);
  page.show();
  return page.grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
    return 1;
  }
  const bool saved = RenderPanel(582, 8).save(out.filePath(QStringLiteral("peq-input.png"))) &&
                     RenderPanel(452, 9).save(out.filePath(QStringLiteral("peq-output.png")));
  if (!saved) {
    std::fprintf(stderr, "cannot write the pictures to %s\n", qPrintable(out.path()));
    return 1;
  }
  return 0;
}
