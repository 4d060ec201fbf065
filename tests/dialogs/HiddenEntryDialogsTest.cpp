#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/TfmFactory.h"
#include "dialogs/TfmHidData.h"
#include "dialogs/TfmLockMode.h"
#include "dialogs/TfmMemo.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TListBox.h"
#include "platform/widgets/TMemo.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

using Log = std::vector<std::string>;

TEST(TfmFactoryTest, OkStartsTheFactoryResetCancelOnlyCloses) {
  RecordingDialogHost host;
  host.englishTexts = {{"SID_INFO_TITLE", "Information"},
                       {"SID_FACTORY_DEFAULT", "Are you Sure to Return Factory Default?"}};
  TfmFactory form(host);
  EXPECT_EQ(form.Caption(), QStringLiteral("Informaion"));
  EXPECT_EQ(form.width(), 361);
  EXPECT_EQ(form.height(), 174);
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("Information"));
  EXPECT_EQ(form.lbMessage->Caption(), QStringLiteral("Are you Sure to Return Factory Default?"));
  form.bnCancel->Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(host.log.empty());
  form.Show();
  form.btnOK->Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(host.log, Log{"StartFactoryReset"});
}

TEST(TfmLockModeTest, OneTimeHidesTheEntryAndSendsTheFixedPasswordWithTheLockOff) {
  RecordingDialogHost host;
  TfmLockMode form(host);
  EXPECT_EQ(form.width(), 330);
  EXPECT_EQ(form.height(), 166);
  for (TRzBmpButton* button : {form.btnPermanent, form.btnCancel}) {
    form.Show();
    button->Click();
    EXPECT_FALSE(form.isVisible());
  }
  EXPECT_TRUE(host.log.empty()) << "Permanent and Cancel send nothing";
  form.Show();
  form.btnOneTime->Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(host.log, (Log{"HideLockModeEntry", "47 [38 35 33 31 00] append 1"}));
}

TEST(TfmMemoTest, StartsWithMemoAndClearEmptiesIt) {
  TfmMemo form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Message List"));
  EXPECT_EQ(form.Memo->Lines(), QStringList{"Memo"});
  EXPECT_EQ(form.Memo->ScrollBars(), TScrollStyle::ssVertical);
  form.bnClearMemo->Click();
  EXPECT_TRUE(form.Memo->Lines().isEmpty());
}

TEST(TfmHidDataTest, KeepsTheNewestTenThousandLinesSelectingEachAndClearEmptiesIt) {
  TfmHidData form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Hid Data"));
  EXPECT_EQ(form.hbHidData->ItemHeight(), 13);
  form.AddLine(QStringLiteral("COM W 10 02"));
  EXPECT_EQ(form.hbHidData->Count(), 1);
  EXPECT_EQ(form.hbHidData->ItemIndex(), 0);
  for (int n = 1; n < 20000; ++n) {
    form.AddLine(QStringLiteral("line %1").arg(n));
  }
  EXPECT_EQ(form.hbHidData->Count(), TfmHidData::kMaxLines);
  EXPECT_EQ(form.hbHidData->Item(0), QStringLiteral("line 10000"));
  EXPECT_EQ(form.hbHidData->Item(TfmHidData::kMaxLines - 1), QStringLiteral("line 19999"));
  EXPECT_EQ(form.hbHidData->ItemIndex(), TfmHidData::kMaxLines - 1);
  form.bnClear->Click();
  EXPECT_EQ(form.hbHidData->Count(), 0);
}

}  // namespace
