#include <gtest/gtest.h>

#include "dialogs/remote/TfmRs232Cmd.h"
#include "dialogs/remote/TfmRs232CmdEnglish.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "tests/dialogs/ComboPick.h"

namespace {

using S = RemoteSelector;

TEST(RemoteCodeForm, TheTwoFormsDifferInTheirTextsOnly) {
  TfmRs232CmdEnglish english;
  TfmRs232Cmd chinese;
  EXPECT_EQ(english.Caption(), QStringLiteral("RS232 Remote Control Code"));
  EXPECT_EQ(chinese.Caption(), QStringLiteral("232通讯协议代码"));
  EXPECT_EQ(english.lbInformation->Caption(), QStringLiteral("TCP/IP Port : 9761 Baudrate : 115200 Interval : 100ms"));
  EXPECT_EQ(chinese.lbInformation->Caption(), QStringLiteral("TCP/IP端口号: 9761 特波率 : 115200 间隔 : 100ms"));
  EXPECT_EQ(english.cbType->Items().value(8), QStringLiteral("Get Now Level "));
  EXPECT_EQ(chinese.Selector(S::cb3IncDecSel)->Items().value(1), QStringLiteral("递減"));
  EXPECT_EQ(english.cbType->ItemHeight(), 22);
  EXPECT_EQ(english.Selector(S::cb2Volume)->ItemHeight(), 22);
  EXPECT_EQ(chinese.cbType->ItemHeight(), 0);
  EXPECT_EQ(english.cbId->Count(), 250);
  EXPECT_EQ(chinese.Selector(S::cb2Volume)->Items().value(280), QStringLiteral("+0.0dB"));
  for (RemoteCodeForm* form : {static_cast<RemoteCodeForm*>(&english), static_cast<RemoteCodeForm*>(&chinese)}) {
    EXPECT_EQ(form->edRemoteCtrl->Text(), QStringLiteral("7B7D01410000007D7B"));
    EXPECT_TRUE(form->edRemoteCtrl->ReadOnly());
    EXPECT_EQ(form->Controls().Find<TComboBox>(QStringLiteral("cb2OutChSel")), form->Selector(S::cb2OutChSel));
  }
}

TEST(RemoteCodeForm, PicksComposeTheCodeAndItStaysBetweenShowings) {
  TfmRs232CmdEnglish form;
  form.Show();
  PickItem(*form.cbId, 249);
  PickItem(*form.cbType, 4);
  EXPECT_TRUE(form.Selector(S::cb2Volume)->Visible());
  EXPECT_FALSE(form.Selector(S::cb2InChSel)->Visible());
  EXPECT_FALSE(form.Selector(S::cb3IncDecSel)->Visible());
  PickItem(*form.Selector(S::cb1OutChannelSel), 5);
  PickItem(*form.Selector(S::cb2Volume), 280);
  EXPECT_EQ(form.edRemoteCtrl->Text(), QStringLiteral("7B7DFA450501187D7B"));
  form.Close();
  form.Show();
  EXPECT_EQ(form.edRemoteCtrl->Text(), QStringLiteral("7B7DFA450501187D7B"));

  PickItem(*form.cbType, 1);
  EXPECT_EQ(form.Selector(S::cb1OutChannelSel)->ItemIndex(), 0);
  PickItem(*form.Selector(S::cb1InOutSel), 1);
  EXPECT_TRUE(form.Selector(S::cb2OutChSel)->Visible());
  EXPECT_FALSE(form.Selector(S::cb2InChSel)->Visible());
  PickItem(*form.Selector(S::cb2OutChSel), 2);
  PickItem(*form.Selector(S::cb3MuteSel), 1);
  EXPECT_EQ(form.edRemoteCtrl->Text(), QStringLiteral("7B7DFA420102017D7B"));
  PickItem(*form.Selector(S::cb1InOutSel), 0);
  EXPECT_EQ(form.edRemoteCtrl->Text(), QStringLiteral("7B7DFA420000007D7B"));
  EXPECT_EQ(form.Selector(S::cb3MuteSel)->ItemIndex(), 0);
  form.Close();
}

}  // namespace
