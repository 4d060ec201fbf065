#include <gtest/gtest.h>

#include "dialogs/TfmChNameList.h"
#include "dialogs/TfmChannelName.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

using Names = std::vector<std::pair<int, QByteArray>>;

TEST(TfmChannelNameTest, SetChannel_namesTheChannel) {
  RecordingDialogHost host;
  TfmChannelName form(host);
  EXPECT_EQ(form.lbChannel->Caption(), QStringLiteral("InA : "));
  EXPECT_EQ(form.edName->MaxLength(), 8);
  const std::pair<int, const char*> cases[] = {{0, "InA :"}, {1, "InB :"}, {2, "InC :"}, {3, "Out1 :"}, {6, "Out4 :"},
                                               {8, "Out6 :"}};
  for (const auto& [channel, caption] : cases) {
    form.SetChannel(channel);
    EXPECT_EQ(form.NameChannel, channel);
    EXPECT_EQ(form.lbChannel->Caption(), QLatin1String(caption));
  }
}

TEST(TfmChannelNameTest, SetNameText_cutsAtEightBytesAndDropsTrailingBlanks) {
  RecordingDialogHost host;
  TfmChannelName form(host);
  const std::pair<QByteArray, QString> cases[] = {
      {QByteArrayLiteral("Kick  \r "), QStringLiteral("Kick")},
      {QByteArrayLiteral("Tops L  "), QStringLiteral("Tops L")},
      {QByteArrayLiteral("ABCDEFGHIJ"), QStringLiteral("ABCDEFGH")},
      {QByteArray::fromHex("41d2bbb6fec8fdcbc4"), QString::fromUtf8("A一二三")},
  };
  for (const auto& [name, shown] : cases) {
    form.SetNameText(name);
    EXPECT_EQ(form.edName->Text(), shown) << name.toHex().toStdString();
  }
}

TEST(TfmChannelNameTest, OK_sendsTheNameAsTheUnitHoldsItEvenWhenUnchanged) {
  RecordingDialogHost host;
  TfmChannelName form(host);
  const std::pair<QString, QByteArray> cases[] = {
      {QStringLiteral("Kick"), QByteArray::fromHex("4b69636b00000000")},
      {QString(), QByteArray(8, '\0')},
      {QString::fromUtf8("A一二三四"), QByteArray::fromHex("41d2bbb6fec8fd00")},
      {QString::fromUtf8("Aกb"), QByteArrayLiteral("A?b\0\0\0\0\0")},
  };
  const QString shown[] = {QStringLiteral("Kick"), QString(), QString::fromUtf8("A一二三"), QStringLiteral("A?b")};
  form.SetChannel(5);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    form.edName->SetText(cases[i].first);
    form.btnOK->Click();
    EXPECT_EQ(form.edName->Text(), shown[i]);
    ASSERT_EQ(host.nameCalls.size(), i + 1);
    EXPECT_EQ(host.nameCalls.back(), std::make_pair(5, cases[i].second));
  }
  form.bnCancel->Click();
  EXPECT_EQ(host.nameCalls.size(), std::size(cases));
}

TEST(TfmChNameListTest, ShowsTheStoredNamesAndSendsOnlyTheChangedOnesInOrder) {
  RecordingDialogHost host;
  host.names[0] = QByteArrayLiteral("ABCDEFGH");  // all 8 bytes used: no terminator
  host.names[5] = QByteArrayLiteral("Horn\0\0\0\0");
  host.names[8] = QByteArray::fromHex("41d2bb0000000000");
  TfmChNameList form(host);
  EXPECT_EQ(form.NameEdit(4)->Text(), QStringLiteral("Output2"));
  form.Show();
  EXPECT_EQ(form.NameEdit(0)->Text(), QStringLiteral("ABCDEFGH"));
  EXPECT_EQ(form.NameEdit(5)->Text(), QStringLiteral("Horn"));
  EXPECT_EQ(form.NameEdit(8)->Text(), QString::fromUtf8("A一"));
  EXPECT_EQ(form.NameEdit(1)->Text(), QString());
  form.btnOK->Click();
  EXPECT_TRUE(host.nameCalls.empty());

  form.Show();
  form.NameEdit(7)->SetText(QString::fromUtf8("一二三四五"));
  form.NameEdit(5)->SetText(QStringLiteral("Horn2"));
  form.btnOK->Click();
  EXPECT_EQ(host.nameCalls, (Names{{5, QByteArrayLiteral("Horn2\0\0\0")}, {7, QByteArray::fromHex("d2bbb6fec8fdcbc4")}}));
  EXPECT_EQ(form.NameEdit(7)->Text(), QString::fromUtf8("一二三四"));

  host.nameCalls.clear();
  form.Show();
  form.NameEdit(2)->SetText(QStringLiteral("X"));
  form.btnCancel->Click();
  EXPECT_TRUE(host.nameCalls.empty());
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
