#include "tools/componentgallery/BandPanelPicture.h"

#include <QPalette>
#include <QWidget>

#include "components/peq/TMyPEQType10.h"

namespace {

const char* const kTypeNames[] = {"Peak",    "Low Shelf", "High Shelf", "LP -6dB",  "LP -12dB", "HP -6dB",
                                  "HP -12dB", "Allpass1",  "Allpass2",   "Bandpass", "Bandstop"};

}  // namespace

QImage RenderBandPanel(int width, int rows) {
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

