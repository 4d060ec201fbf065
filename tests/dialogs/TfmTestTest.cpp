#include "dialogs/TfmTest.h"

#include <gtest/gtest.h>

#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "protocol/CommandCodes.h"
#include "tests/dialogs/ComboPick.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

using Sent = RecordingDialogHost::Sent;

Sent WorkMode(int mode, int index, int level, bool append) {
  return {CMD_WORK_MODE, {std::uint8_t(mode), std::uint8_t(index), std::uint8_t(level)}, append};
}

class TfmTestTest : public ::testing::Test {
protected:
  TfmTestTest() {
    host.englishTexts = {{QStringLiteral("SID_TEST_TITLE"), QStringLiteral("Input Signal Select")},
                         {QStringLiteral("SID_EXIT"), QStringLiteral("Exit")},
                         {QStringLiteral("SID_SINE_IN"), QStringLiteral("Sine Wave")}};
  }
  RecordingDialogHost host;
  TfmTest form{host};
};

TEST_F(TfmTestTest, Construction_holdsTheFormsValues) {
  EXPECT_TRUE(form.rbAnalogIn->Checked());
  EXPECT_EQ(form.rbSineWave->Tag(), 3);
  EXPECT_EQ(form.cbSineFreq->Count(), 31);
  EXPECT_EQ(form.cbSineFreq->Items().value(17), QStringLiteral("1KHz"));
  EXPECT_EQ(form.cbSineFreq->Items().value(30), QStringLiteral("20KHz"));
  EXPECT_EQ(form.cbSineFreq->ItemIndex(), 0);
  EXPECT_EQ(form.isToneGain->Min(), -80);
  EXPECT_EQ(form.isToneGain->Max(), 0);
  EXPECT_EQ(form.isToneGain->Position(), -40);
  EXPECT_EQ(form.isToneGain->Tag(), 2);
  EXPECT_EQ(form.lbToneGain->Caption(), QStringLiteral("-20.0 dB"));
  EXPECT_EQ(form.Controls().Find<TRadioButton>(QStringLiteral("rbWhiteNoise")), form.rbWhiteNoise);
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("Input Signal Select"));
  EXPECT_EQ(form.rbSineWave->Caption(), QStringLiteral("Sine Wave"));
  form.Close();
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(TfmTestTest, AFrequencyPickSwitchesTheSineOnOnce) {
  form.Show();
  form.rbPinkNoise->Click();
  EXPECT_EQ(form.SignalMode, 1);
  PickItem(*form.cbSineFreq, 17);
  EXPECT_TRUE(form.rbSineWave->Checked());
  EXPECT_FALSE(form.rbPinkNoise->Checked());
  PickItem(*form.cbSineFreq, 5);
  EXPECT_EQ(host.sent, (std::vector<Sent>{WorkMode(1, 0, 40, true), WorkMode(3, 17, 40, true),
                                          WorkMode(3, 17, 40, true), WorkMode(3, 5, 40, true)}));
  form.Close();
}

TEST_F(TfmTestTest, TheLevelGoesAsMinusThePositionAndMayBeReplaced) {
  form.rbWhiteNoise->Click();
  host.sent.clear();
  form.isToneGain->SetPosition(-80);
  EXPECT_EQ(form.lbToneGain->Caption(), QStringLiteral("-40.0 dB"));
  form.isToneGain->SetPosition(0);
  EXPECT_EQ(form.lbToneGain->Caption(), QStringLiteral(" 0.0 dB"));
  form.isToneGain->SetPosition(-13);
  EXPECT_EQ(form.lbToneGain->Caption(), QStringLiteral("-6.5 dB"));
  EXPECT_EQ(host.sent, (std::vector<Sent>{WorkMode(2, 0, 80, false), WorkMode(2, 0, 0, false),
                                          WorkMode(2, 0, 13, false)}));
}

TEST_F(TfmTestTest, NothingIsSentWhileTheWindowRefreshes) {
  host.refreshing = true;
  form.rbSineWave->Click();
  form.isToneGain->SetPosition(-12);
  EXPECT_EQ(form.SignalMode, 3);
  EXPECT_EQ(form.lbToneGain->Caption(), QStringLiteral("-6.0 dB"));
  EXPECT_TRUE(host.sent.empty());
}

}  // namespace
