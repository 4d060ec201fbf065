#include "tools/windowgallery/DialogGallery.h"

#include <iterator>

#include "app/TfmMain.h"
#include "dialogs/TfmAbout.h"
#include "dialogs/TfmCopy.h"
#include "dialogs/TfmProcess.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStoreName.h"
#include "dialogs/TfmStorePreset.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TStatusBar.h"
#include "platform/widgets/TValueListEditor.h"
#include "tools/windowgallery/LockDialogGallery.h"
#include "widgets/smooth/TAdvProgressBar.h"

namespace DialogGallery {

namespace {

QImage Shot(TForm& form) {
  form.Show();
  QImage image = form.grab().toImage();
  form.Hide();
  return image;
}

}  // namespace

std::vector<std::pair<QString, QImage>> Render(TfmMain& window) {
  TfmStorePreset store(window);
  TfmRecallPreset recall(window);
  TfmStoreName names(window);
  TfmAbout about(window);
  TfmCopy copy(window);
  TfmProcess process(window);
  store.SetPresetRow(2, QByteArrayLiteral("Stage Left    "));
  recall.SetPresetRow(3, QByteArrayLiteral("Stage Left    "));
  std::vector<std::pair<QString, QImage>> shots;
  shots.emplace_back(QStringLiteral("StorePreset"), Shot(store));
  shots.emplace_back(QStringLiteral("RecallPreset"), Shot(recall));
  names.SetNameText(QStringLiteral("Stage Left"));
  names.lTitle->SetCaption(QStringLiteral("U03 : "));
  names.SetStoreMode(1);
  names.FormActivate(&names);
  shots.emplace_back(QStringLiteral("StoreName"), Shot(names));
  shots.emplace_back(QStringLiteral("About"), Shot(about));
  shots.emplace_back(QStringLiteral("Copy"), Shot(copy));
  process.ProgressBar->SetMax(300);
  process.ProgressBar->SetPosition(117);
  process.StatusBar->SetSimpleText(window.LookUpText(QStringLiteral("SID_LOAD_PRESET")));
  shots.emplace_back(QStringLiteral("Process"), Shot(process));
  // Lock dialogs and the dialogs behind hidden menu entries.
  std::vector<std::pair<QString, QImage>> lockShots = LockDialogGallery::Render(window);
  shots.insert(shots.end(), std::make_move_iterator(lockShots.begin()), std::make_move_iterator(lockShots.end()));
  return shots;
}

}  // namespace DialogGallery
