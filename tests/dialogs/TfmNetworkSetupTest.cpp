#include "dialogs/TfmNetworkSetup.h"

#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

constexpr std::uint32_t kAddress = 0x7F000005;  // 127.0.0.5

QLineEdit& LineOf(TEdit& field) { return *field.findChild<QLineEdit*>(); }

void Leave(TEdit& field) {
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(&LineOf(field), &out);
}

void PressEnter(TEdit& field) {
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(&LineOf(field), &enter);
}

void Type(TEdit& field, QChar c) {
  QKeyEvent key(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
  QApplication::sendEvent(&LineOf(field), &key);
}

/// The setup dialog over a recording host, shown modeless.
class TfmNetworkSetupTest : public ::testing::Test {
protected:
  TfmNetworkSetupTest() {
    host.unitAddress = kAddress;
    host.englishTexts[QStringLiteral("SID_ID_NUMBER_ERROR")] = QStringLiteral("ID Setting Error");
    host.englishTexts[QStringLiteral("SID_IP_ADDRESS")] = QStringLiteral(" Input IP Address");
    host.englishTexts[QStringLiteral("SID_NUMBER")] = QStringLiteral("Number :");
    host.chineseTexts[QStringLiteral("SID_SET_NETWORK")] = QStringLiteral("设置ID/IP");
    host.chineseTexts[QStringLiteral("SID_NUMBER")] = QStringLiteral("编号 :");
  }

  void Fill(const QString& id, const std::vector<QString>& octets) {
    form.edId->SetText(id);
    for (int i = 0; i < 4; ++i) {
      form.AddressFields()[i]->SetText(octets[i]);
    }
  }

  RecordingDialogHost host;
  TfmNetworkSetup form{host};
};

TEST_F(TfmNetworkSetupTest, Showing_fillsTheAddressAndTextsAndKeepsTheLastIdEntered) {
  form.edId->SetText(QStringLiteral("17"));
  host.chinese = true;
  form.Show();
  EXPECT_EQ(form.edIp1->Text(), "127");
  EXPECT_EQ(form.edIp4->Text(), "5");
  EXPECT_EQ(form.edId->Text(), "17");
  EXPECT_EQ(form.Caption(), QStringLiteral("设置ID/IP"));
  EXPECT_EQ(form.lbMessage->Caption(), QStringLiteral("编号 :"));
  EXPECT_TRUE(form.rbManualSetting->Checked());
  EXPECT_FALSE(form.rbManualSetting->Visible());
  EXPECT_FALSE(form.rbAutoSetting->Visible());
  EXPECT_EQ(form.AddressText(), "127.0.0.5");
}

struct SetCase {
  const char* name;
  bool online;
  QString id;
  std::vector<QString> octets;
  std::vector<QString> calls;  ///< of the host, in order
  QString idAfter;
  bool closed;
};

void PrintTo(const SetCase& c, std::ostream* out) { *out << c.name; }

class TfmNetworkSetupSet : public TfmNetworkSetupTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(TfmNetworkSetupSet, bnSet_appliesWhatItMayAndClosesOnlyAfterAChange) {
  const SetCase& c = GetParam();
  host.online = c.online;
  form.Show();
  Fill(c.id, c.octets);
  Leave(*form.edIp4);
  form.bnSet->Click();
  EXPECT_EQ(host.calls, c.calls);
  EXPECT_EQ(form.edId->Text(), c.idAfter);
  EXPECT_EQ(form.isVisible(), !c.closed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TfmNetworkSetupSet,
    ::testing::Values(
        SetCase{"linkedSetsOnlyTheIdEvenAnotherOne", true, "9", {"10", "0", "0", "1"}, {"UnitId 9"}, "9", true},
        SetCase{"idAboveTheRangeIsRefusedTheAddressStillApplied",
                false,
                "251",
                {"10", "0", "0", "1"},
                {"Information ID Setting Error", "ManualAddress 0a000001"},
                "1",
                true},
        SetCase{"idAndAnOctetCorrectedOnLeaving", false, "7", {"10", "0", "0", "300"}, {"UnitId 7", "ManualAddress 0a0000ff"}, "7", true},
        SetCase{"emptyIdIsRefusedLikeOneOutOfRange",
                false,
                "",
                {"10", "0", "0", "1"},
                {"Information ID Setting Error", "ManualAddress 0a000001"},
                "1",
                true},
        SetCase{"emptyAddressFieldAppliesNoAddressAndStaysOpen",
                false,
                "3",
                {"10", "", "0", "1"},
                {"UnitId 3", "Information  Input IP Address"},
                "3",
                false}),
    [](const ::testing::TestParamInfo<SetCase>& info) { return std::string(info.param.name); });

TEST_F(TfmNetworkSetupTest, bnSet_aManualAddressAlsoMovesTheClientSocket) {
  form.Show();
  Fill(QStringLiteral("7"), {"10", "0", "0", "300"});
  Leave(*form.edIp4);
  EXPECT_EQ(form.edIp4->Text(), "255");
  form.bnSet->Click();
  EXPECT_EQ(host.unitId, 7);
  EXPECT_EQ(host.unitAddress, 0x0A0000FFu);
  EXPECT_EQ(host.clientAddress, 0x0A0000FFu);
}

TEST_F(TfmNetworkSetupTest, bnExit_restoresTheIdFieldToTheCurrentId) {
  host.unitId = 4;
  form.Show();
  form.edId->SetText(QStringLiteral("99"));
  form.bnExit->Click();
  EXPECT_EQ(form.edId->Text(), "4");
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(TfmNetworkSetupTest, Fields_limitTheirValuesOnLeavingAndOnEnterAndLeaveEmptyOnesAlone) {
  struct Limit {
    TEdit* field;
    QString typed;
    QString expected;
  };
  const Limit limits[] = {{form.edIp2, "300", "255"}, {form.edIp2, "255", "255"}, {form.edIp2, "", ""},
                          {form.edId, "0", "1"},      {form.edId, "251", "250"},  {form.edId, "250", "250"},
                          {form.edId, "", ""}};
  form.Show();
  for (const Limit& limit : limits) {
    limit.field->SetText(limit.typed);
    Leave(*limit.field);
    EXPECT_EQ(limit.field->Text(), limit.expected) << "leaving " << limit.typed.toStdString();
    limit.field->SetText(limit.typed);
    PressEnter(*limit.field);
    EXPECT_EQ(limit.field->Text(), limit.expected) << "Enter on " << limit.typed.toStdString();
    EXPECT_EQ(limit.field->SelText(), limit.expected);
  }
}

TEST_F(TfmNetworkSetupTest, Fields_takeDigitsOnlyTypedOrPasted) {
  form.Show();
  form.edIp1->SetText(QString());
  Type(*form.edIp1, QLatin1Char('1'));
  Type(*form.edIp1, QLatin1Char('x'));
  Type(*form.edIp1, QLatin1Char('2'));
  EXPECT_EQ(form.edIp1->Text(), "12");
  LineOf(*form.edId).selectAll();
  LineOf(*form.edId).insert(QStringLiteral("4a"));
  EXPECT_EQ(form.edId->Text(), "1");
  EXPECT_EQ(form.edIp1->MaxLength(), 3);
}

TEST_F(TfmNetworkSetupTest, LinkedLook_fixesTheAddressAndIdInSilver) {
  form.ShowLinkedState(true);
  EXPECT_FALSE(form.gbIpSetting->Enabled());
  for (TEdit* field : {form.edIp1, form.edIp2, form.edIp3, form.edIp4, form.edId}) {
    EXPECT_FALSE(field->Enabled());
    EXPECT_EQ(field->Color(), clSilver);
  }
  form.ShowLinkedState(false);
  EXPECT_TRUE(form.gbIpSetting->Enabled());
  for (TEdit* field : {form.edIp1, form.edIp2, form.edIp3, form.edIp4, form.edId}) {
    EXPECT_TRUE(field->Enabled());
    EXPECT_EQ(field->Color(), clWindow);
  }
}

TEST_F(TfmNetworkSetupTest, ShowAddress_fillsTheFieldsAndSetsTheClientSocket) {
  host.unitAddress = 0xC0A80109;
  form.ShowAddress();
  EXPECT_EQ(form.edIp1->Text(), "192");
  EXPECT_EQ(form.edIp3->Text(), "1");
  EXPECT_EQ(form.edIp4->Text(), "9");
  EXPECT_EQ(host.clientAddress, 0xC0A80109u);
}

}  // namespace
