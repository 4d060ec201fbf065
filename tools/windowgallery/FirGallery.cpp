#include "tools/windowgallery/FirGallery.h"

#include <cmath>

#include <QFile>
#include <QTemporaryDir>

#include "app/TfmMain.h"
#include "platform/widgets/FileChooser.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace FirGallery {

namespace {

constexpr int kPageInA = 0;
constexpr int kPageOut2 = 4;
constexpr int kPageOut3 = 5;
constexpr double kPi = 3.14159265358979323846;

/// A windowed sinc low pass of `taps` values, one a line.
QByteArray LowPassFile(int taps, double cutoff) {
  QByteArray text;
  const double middle = (taps - 1) / 2.0;
  for (int k = 0; k < taps; ++k) {
    const double x = k - middle;
    const double sinc = x == 0.0 ? 2.0 * cutoff : std::sin(2.0 * kPi * cutoff * x) / (kPi * x);
    const double window = 0.54 - 0.46 * std::cos(2.0 * kPi * k / (taps - 1));
    text += QByteArray::number(sinc * window, 'g', 9) + "\r\n";
  }
  return text;
}

QImage ShowPage(TfmMain& window, int page) {
  TRzBmpButton* button = window.Form().PageButtons[page];
  button->Click();
  button->SetDown(true);
  return window.grab().toImage();
}

template <class T>
T* Control(TfmMain& window, const char* name) {
  return window.Controls().Find<T>(QLatin1String(name));
}

void Choose(TfmMain& window, const char* list, int index) {
  if (auto* combo = Control<TRzComboBox>(window, list)) {
    combo->SetItemIndex(index);
    combo->OnChange(combo);
  }
}

/// Imports a file through the open button, the chooser answered by the hook.
void Import(TfmMain& window, const char* button, const QString& path) {
  FileChooser::SetHook([path](const FileChoice&) -> std::optional<QString> { return path; });
  if (auto* open = Control<TRzButton>(window, button)) {
    open->Click();
  }
  FileChooser::SetHook({});
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

std::vector<std::pair<QString, QImage>> Render(TfmMain& window) {
  std::vector<std::pair<QString, QImage>> shots;
  QTemporaryDir dir;
  const QString horn = dir.filePath(QStringLiteral("HornEq.csv"));
  const QString sub = dir.filePath(QStringLiteral("SubLp.csv"));
  if (!dir.isValid() || !WriteFile(horn, LowPassFile(1024, 0.2)) || !WriteFile(sub, LowPassFile(300, 0.01))) {
    return shots;
  }
  shots.emplace_back(QStringLiteral("Out2-IIR"), ShowPage(window, kPageOut2));

  Choose(window, "rzcModeOut2", 1);
  Choose(window, "rzcFirTypeOut2", 3);
  Choose(window, "rzcFirTapsOut2", 16);
  if (auto* low = Control<TAdvTrackBar>(window, "isFirLowCutOut2")) low->SetPosition(130);
  if (auto* high = Control<TAdvTrackBar>(window, "isFirHighCutOut2")) high->SetPosition(230);
  shots.emplace_back(QStringLiteral("Out2-FIR-designer"), ShowPage(window, kPageOut2));
  if (auto* ok = Control<TRzButton>(window, "bnFirOKOut2")) ok->Click();
  shots.emplace_back(QStringLiteral("Out2-FIR-designed"), ShowPage(window, kPageOut2));

  ShowPage(window, kPageOut3);
  Choose(window, "rzcModeOut3", 1);
  Import(window, "sbOpenFirFileOut3", sub);
  shots.emplace_back(QStringLiteral("Out3-FIR-file"), ShowPage(window, kPageOut3));

  ShowPage(window, kPageInA);
  Import(window, "sbOpenFirFileInA", horn);
  shots.emplace_back(QStringLiteral("InA-import"), ShowPage(window, kPageInA));
  return shots;
}

}  // namespace FirGallery
