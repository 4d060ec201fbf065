#include "tools/windowgallery/LockDialogGallery.h"

#include "app/TfmMain.h"
#include "dialogs/TfmFactory.h"
#include "dialogs/TfmHidData.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmLockPassWord.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmMemo.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TMemo.h"

namespace LockDialogGallery {

namespace {

QImage Shot(TForm& form) {
  form.Show();
  QImage image = form.grab().toImage();
  form.Hide();
  return image;
}

}  // namespace

std::vector<std::pair<QString, QImage>> Render(TfmMain& window) {
  const MainWindowState saved = window.State();
  TfmHidData hidData;
  TfmLockPassWord prompt(window);
  TfmLockSetup setup(window);
  TfmLockMode lockMode(window);
  TfmMemo memo;
  TfmFactory factoryDefault(window);
  TfmPanelLockSetup panel(window);
  TfmLockConfirm confirm(window);
  std::vector<std::pair<QString, QImage>> shots;
  shots.emplace_back(QStringLiteral("LockPassWord"), Shot(prompt));
  window.State().LockSetupUserLockState = 3;
  shots.emplace_back(QStringLiteral("LockSetup"), Shot(setup));
  window.State().LockSetupUserLockState = 0;
  shots.emplace_back(QStringLiteral("LockSetupNoLock"), Shot(setup));
  window.State().PanelLockSetupUserLockState = 1;
  shots.emplace_back(QStringLiteral("PanelLockSetup"), Shot(panel));
  confirm.lbMessage->SetCaption(window.LookUpText(QStringLiteral("SID_LOCK_CONFIRM")));
  shots.emplace_back(QStringLiteral("LockConfirm"), Shot(confirm));
  shots.emplace_back(QStringLiteral("Factory"), Shot(factoryDefault));
  shots.emplace_back(QStringLiteral("LockMode"), Shot(lockMode));
  memo.Memo->Add(QStringLiteral("Link opened"));
  shots.emplace_back(QStringLiteral("Memo"), Shot(memo));
  for (int n = 0; n < 50; ++n) {
    hidData.AddLine(QStringLiteral("COM W 10 02 00 01 01 12 10 03 %1").arg(n % 16, 2, 16, QLatin1Char('0')).toUpper());
  }
  shots.emplace_back(QStringLiteral("HidData"), Shot(hidData));
  window.State() = saved;
  return shots;
}

}  // namespace LockDialogGallery
