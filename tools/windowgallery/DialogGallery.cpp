#include "tools/windowgallery/DialogGallery.h"

#include <iterator>

#include "app/TfmMain.h"
#include "dialogs/TfmAbout.h"
#include "dialogs/TfmChNameList.h"
#include "dialogs/TfmChannelName.h"
#include "dialogs/TfmCopy.h"
#include "dialogs/TfmInOutSelect.h"
#include "dialogs/TfmLinkSel.h"
#include "dialogs/TfmNetwork.h"
#include "dialogs/TfmNetworkSetup.h"
#include "dialogs/TfmProcess.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStoreName.h"
#include "dialogs/TfmSourceSelect.h"
#include "dialogs/TfmStorePreset.h"
#include "dialogs/TfmTest.h"
#include "dialogs/remote/TfmRs232Cmd.h"
#include "dialogs/remote/TfmRs232CmdEnglish.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TStatusBar.h"
#include "platform/widgets/TValueListEditor.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/labels/TRzLabel.h"
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

/// The search dialog as a search shows it: candidate `counter` of three,
/// the buttons enabled only between searches.
QImage SearchShot(TfmMain& window, TfmNetwork& search, const char* status, const QString& counter, int position,
                  bool searching) {
  search.pbScan->SetMax(3);
  search.pbScan->SetPosition(position);
  search.lblScan->SetCaption(window.LookUpText(QLatin1String(status)));
  search.lblDeviceID->SetCaption(counter);
  for (TRzBmpButton* button : {search.btnOK, search.btnExit, search.btnId}) {
    button->SetEnabled(!searching);
  }
  return Shot(search);
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
  // The link dialog with a group of each kind: InC joins InA; Out2 joins
  // Out1, Out5 and Out6 join Out3.
  TfmLinkSel link(window);
  const unsigned masks[] = {0b101, 0b010, 0, 0b000011, 0, 0b110100, 0b001000, 0, 0};
  for (int channel = 0; channel < 9; ++channel) {
    link.ShowChannelLinks(channel, masks[channel]);
  }
  shots.emplace_back(QStringLiteral("LinkSel"), Shot(link));
  process.ProgressBar->SetMax(300);
  process.ProgressBar->SetPosition(117);
  process.StatusBar->SetSimpleText(window.LookUpText(QStringLiteral("SID_LOAD_PRESET")));
  shots.emplace_back(QStringLiteral("Process"), Shot(process));
  // Test signal, channel names, source and type selection, code reference.
  TfmTest test(window);
  shots.emplace_back(QStringLiteral("Test"), Shot(test));
  TfmChannelName channelName(window);
  channelName.SetChannel(4);
  channelName.SetNameText(QByteArrayLiteral("Kick"));
  shots.emplace_back(QStringLiteral("ChannelName"), Shot(channelName));
  TfmChNameList channelNames(window);
  shots.emplace_back(QStringLiteral("ChNameList"), Shot(channelNames));
  TfmSourceSelect sources(window);
  shots.emplace_back(QStringLiteral("SourceSelect"), Shot(sources));
  TfmInOutSelect types(window);
  shots.emplace_back(QStringLiteral("InOutSelect"), Shot(types));
  types.SetDanteAvailable(0);
  shots.emplace_back(QStringLiteral("InOutSelectNoDante"), Shot(types));
  if (window.State().LanguageName == QLatin1String(TfmMain::LanguageEnglish)) {
    TfmRs232CmdEnglish reference;
    shots.emplace_back(QStringLiteral("Rs232CmdEnglish"), Shot(reference));
  } else {
    TfmRs232Cmd reference;
    shots.emplace_back(QStringLiteral("Rs232Cmd"), Shot(reference));
  }
  // Device search and network setup.
  TfmNetwork search(window);
  shots.emplace_back(QStringLiteral("NetworkSearch"),
                     SearchShot(window, search, "SID_SCAN_USB", QStringLiteral("1/3"), 1, true));
  shots.emplace_back(QStringLiteral("NetworkNoDevice"), SearchShot(window, search, "SID_NO_DEVICE", QString(), 3, false));
  shots.emplace_back(QStringLiteral("NetworkLinkBroken"),
                     SearchShot(window, search, "SID_LINK_BROKEN", QString(), 1, false));
  TfmNetworkSetup setup(window);
  setup.ShowLinkedState(false);
  shots.emplace_back(QStringLiteral("NetworkSetup"), Shot(setup));
  setup.ShowLinkedState(true);
  shots.emplace_back(QStringLiteral("NetworkSetupLinked"), Shot(setup));
  // Lock dialogs and the dialogs behind hidden menu entries.
  std::vector<std::pair<QString, QImage>> lockShots = LockDialogGallery::Render(window);
  shots.insert(shots.end(), std::make_move_iterator(lockShots.begin()), std::make_move_iterator(lockShots.end()));
  return shots;
}

}  // namespace DialogGallery
