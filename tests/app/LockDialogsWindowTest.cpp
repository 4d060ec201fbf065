#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmFactory.h"
#include "dialogs/TfmHidData.h"
#include "dialogs/TfmLockConfirm.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmLockPassWord.h"
#include "dialogs/TfmLockSetup.h"
#include "dialogs/TfmMemo.h"
#include "dialogs/TfmPanelLockSetup.h"
#include "link/LinkTransportFactory.h"
#include "platform/widgets/TCheckBox.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TListBox.h"
#include "platform/widgets/TitleBar.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

/// The main window with the lock dialogs and the dialogs behind hidden
/// menu entries, as the program creates them.
class LockDialogsWindow : public ::testing::Test {
protected:
  /// The caption of a row label of the panel lock setting.
  QString Label(const char* name) const {
    const auto* label = dynamic_cast<const TLabel*>(panel.findChild<QObject*>(QLatin1String(name)));
    return label != nullptr ? label->Caption() : QStringLiteral("(missing)");
  }

  LinkTransportFactory factory;
  TfmMain window{factory, nullptr};
  TfmHidData hidData;
  TfmLockPassWord prompt{window};
  TfmLockSetup setup{window};
  TfmLockMode lockMode{window};
  TfmMemo memo;
  TfmFactory factoryDefault{window};
  TfmPanelLockSetup panel{window};
  TfmLockConfirm confirm{window};
};

TEST_F(LockDialogsWindow, textsFollowTheLanguageTablesAndTheFormTextsStay) {
  struct Text {
    TControl* control;
    const char* key;
    const char* english;
  };
  const std::vector<std::pair<TForm*, std::vector<Text>>> dialogs{
      {&prompt,
       {{&prompt, "SID_UNLOCK_TITLE", "UnLock Setting"},
        {prompt.lblLockPassword, "SID_UNLOCK_PASSWORD", "UnLock Password"},
        {prompt.btnOK, "SID_EXIT_OK", "OK"},
        {prompt.bnCancel, "SID_EXIT_CANCEL", "Cancel"}}},
      {&setup,
       {{&setup, "SID_LOCK_TITLE", "Lock Setting"},
        {setup.lblLockPassword, "SID_ADMINISTRATOR_PASSWORD", "Administrator Password"},
        {setup.cbPanelControl, "SID_PANEL_CONTROL", "Allow restricted control panel access"},
        {setup.btnOK, "SID_EXIT_OK", "OK"},
        {setup.btnDelete, "SID_DELETE", "Delete"},
        {setup.btnExit, "SID_EXIT_CANCEL", "Cancel"}}},
      {&panel,
       {{&panel, "SID_PANEL_LOCK_TITLE", "Panel Lock Setting"},
        {panel.lbLock, "SID_LOCK_SETTING", "Lock"},
        {panel.btnOK, "SID_EXIT_OK", "OK"},
        {panel.btnDelete, "SID_DELETE", "Delete"},
        {panel.btnExit, "SID_EXIT_CANCEL", "Cancel"}}},
      {&confirm, {{confirm.btnOK, "SID_EXIT_OK", "OK"}, {confirm.btnCancel, "SID_EXIT_CANCEL", "Cancel"}}},
      {&factoryDefault,
       {{&factoryDefault, "SID_INFO_TITLE", "Information"},
        {factoryDefault.lbMessage, "SID_FACTORY_DEFAULT", "Are you Sure to Return Factory Default?"},
        {factoryDefault.btnOK, "SID_EXIT_OK", "OK"},
        {factoryDefault.bnCancel, "SID_EXIT_CANCEL", "Cancel"}}},
      {&lockMode,
       {{&lockMode, "SID_LOCK_MODE_SETUP", "Lock Mode"},
        {lockMode.lbExit, "SID_LOCK_MODE", "Select Lock Mode!"},
        {lockMode.btnOneTime, "SID_LOCK_ONE_TIME", "One Time"},
        {lockMode.btnPermanent, "SID_LOCK_PERMANENT", "Permanent"},
        {lockMode.btnCancel, "SID_EXIT_CANCEL", "Cancel"}}},
  };
  for (const char* language : {"English", "ChineseSimplified"}) {
    window.Form().MainMenu.Find(QLatin1String(language))->Click();
    const bool english = QLatin1String(language) == QLatin1String("English");
    const LanguageTable& table = english ? window.moEnglish : window.moSimplified;
    for (const auto& [form, texts] : dialogs) {
      form->Show();
      for (const Text& text : texts) {
        EXPECT_EQ(text.control->Caption(), table.LookUpText(QLatin1String(text.key))) << language << " " << text.key;
        if (english) {
          EXPECT_EQ(text.control->Caption(), QLatin1String(text.english)) << text.key;
        } else {
          EXPECT_NE(text.control->Caption(), QLatin1String(text.english)) << text.key;
        }
      }
      form->Hide();
    }
    EXPECT_EQ(panel.lblLockPassword->Caption(), QStringLiteral("User Password :")) << language;
    EXPECT_EQ(Label("lbMatrix"), QStringLiteral("Matrix/Routimg"));
    EXPECT_EQ(Label("lbInPeq"), QStringLiteral("Input PEQ&HP/LP"));
  }
}

TEST_F(LockDialogsWindow, titlesFitTheirTitleBarsInBothLanguages) {
  for (const char* language : {"English", "ChineseSimplified"}) {
    window.Form().MainMenu.Find(QLatin1String(language))->Click();
    for (TForm* form : std::initializer_list<TForm*>{&prompt, &setup, &lockMode, &factoryDefault, &panel}) {
      form->Show();
      EXPECT_LE(TitleBar::TextWidth(form->Caption()), TitleBar::Room(form->frameGeometry().width()))
          << language << " \"" << form->Caption().toStdString() << "\" over a form " << form->width() << " wide";
      form->Hide();
    }
  }
}

TEST_F(LockDialogsWindow, hiddenEntriesOpenTheirWindowsAndTheTrafficMonitorCollectsLines) {
  for (const char* entry : {"FactoryDefault", "LockMode", "LockSetup", "MemoShow", "HidData"}) {
    EXPECT_FALSE(window.Form().MainMenu.Find(QLatin1String(entry))->Visible) << entry;
  }
  window.AddTrafficLogLine(QStringLiteral("Scan Host 1/2"));
  window.AddTrafficLine(QStringLiteral("Short reply 44 ignored"));
  EXPECT_EQ(hidData.hbHidData->Count(), 1) << "only the lines added whether shown or not reach a hidden monitor";
  window.Form().MainMenu.Find(QStringLiteral("HidData"))->Click();
  EXPECT_TRUE(hidData.isVisible());
  EXPECT_FALSE(hidData.Modal());
  window.AddTrafficLine(QStringLiteral("Short reply 44 ignored"));
  EXPECT_EQ(hidData.hbHidData->Count(), 2);
  EXPECT_EQ(hidData.hbHidData->ItemIndex(), 1);
  window.Form().MainMenu.Find(QStringLiteral("MemoShow"))->Click();
  EXPECT_TRUE(memo.isVisible());
  EXPECT_FALSE(memo.Modal());
  hidData.Hide();
  memo.Hide();
}

}  // namespace
