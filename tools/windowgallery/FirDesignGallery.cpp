#include "tools/windowgallery/FirDesignGallery.h"

#include <QFile>
#include <QTemporaryDir>

#include "app/TfmMain.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmPeqRst.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/TfmFirDesign.h"
#include "platform/widgets/TRadioButton.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace FirDesignGallery {

namespace {

/// The measurement the pictures show, as a text export would hold it.
constexpr char kMeasurement[] =
    "* Freq(Hz) SPL(dB) Phase(degrees)\n"
    "20 -21.79 156.4\n25 -17.96 150.1\n31.5 -14.05 141.6\n40 -10.16 130.0\n50 -6.85 116.1\n63 -4.02 98.8\n"
    "80 -2.00 79.7\n100 -0.93 63.3\n125 -0.41 49.8\n160 -0.15 38.3\n200 -0.06 30.5\n250 -0.02 24.6\n"
    "315 0.01 20.0\n400 0.02 16.5\n500 0.04 14.2\n630 0.07 12.6\n800 0.13 11.7\n1000 0.22 11.7\n"
    "1250 0.41 12.5\n1600 0.92 14.6\n2000 2.21 15.8\n2500 4.00 2.3\n3150 2.14 -11.2\n4000 0.85 -9.3\n"
    "5000 0.41 -6.8\n6300 0.22 -5.0\n8000 0.12 -3.8\n10000 0.07 -2.9\n12500 0.04 -2.3\n16000 0.03 -1.8\n"
    "20000 0.02 -1.4\n24000 0.01 -1.2\n";

QImage Shot(TForm& form) {
  form.Show();
  QImage image = form.grab().toImage();
  form.Hide();
  return image;
}

void Toggle(TRzBmpButton& button) {
  button.SetDown(!button.Down());
  button.Click();
}

}  // namespace

std::vector<std::pair<QString, QImage>> Render(TfmMain& window) {
  TfmFirDownload download(window);
  TfmFirDesign designer(window.FirDesigner());
  TfmPeqRst reset(window);
  std::vector<std::pair<QString, QImage>> shots;
  designer.SetDesignChannel(4);
  shots.emplace_back(QStringLiteral("FirDesign"), Shot(designer));

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("mainleft.txt"));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(kMeasurement);
    file.close();
  }
  FirDesignForm& c = designer.Form();
  designer.Engine().ImportMeasurement(path);
  Toggle(*c.sbAutoGain);
  Toggle(*c.rzbFirMagRangeOnOff);
  Toggle(*c.rzbFirPhaseRangeOnOff);
  shots.emplace_back(QStringLiteral("FirDesignImported"), Shot(designer));
  c.rbFirShowPhase->SetChecked(true);
  designer.rbFirShowGainClick(c.rbFirShowPhase);
  shots.emplace_back(QStringLiteral("FirDesignImportedPhase"), Shot(designer));

  reset.SetChannel(9);
  shots.emplace_back(QStringLiteral("PeqRst"), Shot(reset));
  shots.emplace_back(QStringLiteral("FirDownload"), Shot(download));
  return shots;
}

}  // namespace FirDesignGallery
