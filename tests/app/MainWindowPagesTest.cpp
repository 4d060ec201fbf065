#include <QMouseEvent>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "link/LUnitSession.h"
#include "platform/text/AnsiCodePage.h"
#include "components/peq/TMyPEQType10.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPaintBox.h"
#include "protocol/LUnitControl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

/// The tests share one window; each starts on the Gain page in English with
/// the default image and no link.
class MainWindowPages : public SharedMainWindow<FakeLinkTransportFactory> {
protected:
  void SetUp() override {
    window.Session().CloseAllTransports();
    window.UnitControl().Image() = UnitImage::Default();
    window.State().SelectedCompressorInput = 0;
    Get<TMenuItem>(QStringLiteral("English")).Click();
    window.ApplyLanguageTexts();
    auto& gain = Get<TRzBmpButton>(QStringLiteral("rzbMenuGain"));
    gain.Click();
    gain.SetDown(true);
  }
};

TEST_F(MainWindowPages, buttonOfThePageShownChangesNothing) {
  auto& gain = Get<TRzBmpButton>(QStringLiteral("rzbMenuGain"));
  gain.Font().SetColor(clRed);  // would turn lime on a switch
  window.rzbMenuInAClick(&gain);
  EXPECT_EQ(gain.Font().Color(), clRed);
  EXPECT_EQ(window.State().CurrentPage, 11);
  window.rzbMenuInAClick(nullptr);  // not a button
  EXPECT_EQ(window.State().CurrentPage, 11);
}

TEST_F(MainWindowPages, switchGivesAnOpenSerialLinkOneSpareResend) {
  Get<TRzBmpButton>(QStringLiteral("rzbMenuDelay")).Click();  // no link: nothing to grant
  window.Session().SetComPortName(QStringLiteral("/dev/ttyS3"));
  window.Session().OpenSerialLink();
  FakeLinkRecord* serial = factory.Last(LinkKind::Serial);
  ASSERT_NE(serial, nullptr);
  serial->calls.clear();
  Get<TRzBmpButton>(QStringLiteral("rzbMenuDelay")).Click();  // the page shown
  EXPECT_TRUE(serial->calls.empty());
  Get<TRzBmpButton>(QStringLiteral("rzbMenuOut4")).Click();
  EXPECT_EQ(serial->calls, std::vector<std::string>{"SpareResends 1"});
}

TEST_F(MainWindowPages, switchShowsTheNewGroupsAndColoursTheButtons) {
  auto& delay = Get<TRzBmpButton>(QStringLiteral("rzbMenuDelay"));
  delay.Click();
  EXPECT_EQ(window.State().CurrentPage, 10);
  EXPECT_TRUE(Get<TRzGroupBox>(QStringLiteral("rzgFftDelay")).Visible());
  EXPECT_TRUE(Get<TRzGroupBox>(QStringLiteral("rzgParamDelay")).Visible());
  EXPECT_FALSE(Get<TRzGroupBox>(QStringLiteral("rzgFftGain")).Visible());
  EXPECT_FALSE(Get<TRzGroupBox>(QStringLiteral("rzgParamGain")).Visible());
  EXPECT_EQ(delay.Font().Color(), RGB(0, 255, 0));
  EXPECT_EQ(Get<TRzBmpButton>(QStringLiteral("rzbMenuGain")).Font().Color(), clWhite);
}

TEST_F(MainWindowPages, linkedChannelShowsItsLeadersGroupsUnderItsOwnName) {
  window.State().RefreshingControls = true;  // nothing to send
  window.UnitControl().SetMute(1, 1);  // InB alone is muted
  window.UnitControl().SetLinkMask(0, 0b011);
  window.UnitControl().SetLinkMask(1, 0);
  window.State().RefreshingControls = false;
  Get<TRzBmpButton>(QStringLiteral("rzbMenuInB")).Click();
  EXPECT_EQ(window.State().CurrentPage, 1);
  EXPECT_TRUE(Get<TRzGroupBox>(QStringLiteral("rzgFftInA")).Visible());
  EXPECT_TRUE(Get<TRzGroupBox>(QStringLiteral("rzgParamInA")).Visible());
  EXPECT_FALSE(Get<TRzGroupBox>(QStringLiteral("rzgParamInB")).Visible());
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbFftChannelInA")).Caption(), QStringLiteral("InB"));
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbGainNameInA")).Caption(), QStringLiteral("InB"));
  EXPECT_TRUE(Get<TRzBmpButton>(QStringLiteral("rzbMuteInA")).Down());
  // Back to InA: its own name and mute state.
  Get<TRzBmpButton>(QStringLiteral("rzbMenuInA")).Click();
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbFftChannelInA")).Caption(), QStringLiteral("InA"));
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbMuteInA")).Down());
}

TEST_F(MainWindowPages, overviewLabelsLeadToTheirPagesWithAHandCursor) {
  Get<TRzBmpButton>(QStringLiteral("rzbMenuMatrix")).Click();
  ASSERT_EQ(window.State().CurrentPage, 12);
  auto& peq = Get<TLabel>(QStringLiteral("lbMatrixPeqOut2"));
  peq.OnMouseMove(&peq, {}, 1, 1);
  EXPECT_EQ(peq.Cursor(), crHandPoint);
  peq.OnMouseLeave(&peq);
  EXPECT_EQ(peq.Cursor(), crDefault);
  peq.Click();
  EXPECT_EQ(window.State().CurrentPage, 4);
  EXPECT_TRUE(Get<TRzBmpButton>(QStringLiteral("rzbMenuOut2")).Down());
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbMenuMatrix")).Down());
  Get<TLabel>(QStringLiteral("lbMatrixLimitOut5")).Click();
  EXPECT_EQ(window.State().CurrentPage, 14);
  Get<TLabel>(QStringLiteral("lbMatrixPhaseInC")).Click();
  EXPECT_EQ(window.State().CurrentPage, 11);
  // A name label opens the name dialog: the page stays.
  auto& name = Get<TLabel>(QStringLiteral("lbMatrixChNameOut2"));
  name.OnMouseMove(&name, {}, 1, 1);
  EXPECT_EQ(name.Cursor(), crHandPoint);
  name.Click();
  EXPECT_EQ(window.State().CurrentPage, 11);
}

TEST_F(MainWindowPages, routingLinesAreDrawnInTheInputsColours) {
  window.State().RefreshingControls = true;
  for (int output = 3; output < 9; ++output) {
    for (int input = 0; input < 3; ++input) {
      window.UnitControl().SetRouting(output, input, input == 0 ? 1 : 0);  // InA feeds all six
    }
  }
  window.State().RefreshingControls = false;
  auto& paintBox = Get<TPaintBox>(QStringLiteral("pbMatrix"));
  Get<TRzBmpButton>(QStringLiteral("rzbMenuMatrix")).Click();
  const QImage image = paintBox.grab().toImage();
  // Each line leaves x = 0 at InA's height and ends at its output's height.
  EXPECT_EQ(QColor(image.pixel(1, 31)), QColor(128, 0, 128));
  int purple = 0;
  for (int y = 0; y < image.height(); ++y) {
    purple += QColor(image.pixel(image.width() - 2, y)) == QColor(128, 0, 128) ? 1 : 0;
  }
  EXPECT_GE(purple, 6);
  EXPECT_NE(QColor(image.pixel(1, 103)), QColor(128, 128, 0));  // InB feeds nothing
}

TEST_F(MainWindowPages, languageSwitchRecaptionsMenuButtonsAndTitles) {
  window.State().SelectedCompressorInput = 1;
  auto& phase = Get<TRzBmpButton>(QStringLiteral("rzbPhaseOut2"));
  phase.SetDown(true);
  auto& panel = Get<TMyPEQType10>(QStringLiteral("peqPeqInA"));
  panel.SetTypeValue(2, 3);
  auto& english = Get<TMenuItem>(QStringLiteral("English"));
  auto& chinese = Get<TMenuItem>(QStringLiteral("ChineseSimplified"));
  english.Click();  // already English: nothing changes
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbCompName")).Caption(), QStringLiteral("In A  RMS Compressor"));
  chinese.Click();
  EXPECT_TRUE(chinese.Checked);
  EXPECT_FALSE(english.Checked);
  EXPECT_EQ(window.State().LanguageName, QStringLiteral("ChineseGB"));
  EXPECT_EQ(Get<TMenuItem>(QStringLiteral("File")).Caption, window.LookUpText(QStringLiteral("SID_FILE")));
  EXPECT_NE(Get<TMenuItem>(QStringLiteral("File")).Caption, QStringLiteral("File"));
  english.Click();
  EXPECT_EQ(Get<TMenuItem>(QStringLiteral("File")).Caption, QStringLiteral("File"));
  EXPECT_EQ(phase.Caption(), QStringLiteral("Inverse"));
  EXPECT_EQ(Get<TRzBmpButton>(QStringLiteral("rzbPhaseBackupOut3")).Caption(), QStringLiteral("Normal"));
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbCompName")).Caption(), QStringLiteral("In B  RMS Compressor"));
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbLimitName")).Caption(), QStringLiteral("Out 1  Peak Limit"));
  EXPECT_EQ(panel.GetTypeValue(2), 3);  // the panel keeps its selections
}

TEST_F(MainWindowPages, channelNameGoesToTheOverviewLabelTheButtonHintAndTheModel) {
  window.State().RefreshingControls = true;
  window.SetChannelName(4, QByteArrayLiteral("Sub L"));
  window.State().RefreshingControls = false;
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbMatrixChNameOut2")).Caption(), QStringLiteral("Sub L"));
  EXPECT_EQ(Get<TRzBmpButton>(QStringLiteral("rzbMenuOut2")).Hint(), QStringLiteral("Sub L"));
  EXPECT_TRUE(window.GetChannelName(4).startsWith("Sub L"));
  // Names are in the unit's code page.
  window.State().RefreshingControls = true;
  window.SetChannelName(0, WideToAnsi(QStringLiteral("低音")));
  window.State().RefreshingControls = false;
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbMatrixChNameInA")).Caption(), QStringLiteral("低音"));
  EXPECT_EQ(Get<TRzBmpButton>(QStringLiteral("rzbMenuInA")).Hint(), QStringLiteral("低音"));
}

TEST_F(MainWindowPages, typeMenuEntriesShowTheDigitalPanels) {
  Get<TMenuItem>(QStringLiteral("InDigital")).Click();
  EXPECT_TRUE(Get<TMenuItem>(QStringLiteral("InDigital")).Checked);
  EXPECT_FALSE(Get<TMenuItem>(QStringLiteral("InAnalog")).Checked);
  EXPECT_TRUE(Get<TControl>(QStringLiteral("plAesIn1")).Visible());
  Get<TMenuItem>(QStringLiteral("InAnalog")).Click();
  EXPECT_FALSE(Get<TControl>(QStringLiteral("plAesIn1")).Visible());
}
