#include <gtest/gtest.h>

#include <QLocale>

#include "components/peq/TMyPEQAllpass2Steps.h"
#include "tests/components/PeqPanelTestSupport.h"

using namespace PeqPanelTest;

namespace {

class TMyPEQAllpass2StepsTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(TMyPEQAllpass2StepsTest, GainsKeepFifthOfADecibelSteps) {
  TMyPEQAllpass2Steps panel;
  SetUpAsOnForm(panel, 582, 270, 8);
  EXPECT_EQ(GainBox(panel, 0)->Text(), QStringLiteral("0dB"));
  TypeAndEnter(GainBox(panel, 0), QStringLiteral("3.3"));
  EXPECT_EQ(GainBox(panel, 0)->Text(), QStringLiteral("3.2dB"));
  EXPECT_DOUBLE_EQ(panel.GetGainValue(0), 16 * 0.2);
  TypeAndEnter(GainBox(panel, 0), QStringLiteral("25"));
  EXPECT_EQ(GainBox(panel, 0)->Text(), QStringLiteral("20dB"));
  panel.SetGainValue(1, 1.0);
  EXPECT_DOUBLE_EQ(panel.GetGainValue(1), 1.0);
  EXPECT_EQ(GainBox(panel, 1)->Text(), QStringLiteral("1dB"));
  panel.SetEqParamValue(2, 20, 10, -3.3, 3, true);
  EXPECT_EQ(GainBox(panel, 2)->Text(), QStringLiteral("-3.3dB"));
  EXPECT_DOUBLE_EQ(panel.GetGainValue(2), -16 * 0.2);
  EXPECT_EQ(QBox(panel, 2)->Text(), QStringLiteral("0.71"));
  EXPECT_DOUBLE_EQ(panel.GetFreqValue(2), PeqStepToFreq(-169));
  EXPECT_EQ(TypeList(panel, 2)->Text(), QStringLiteral(" Low Cut    "));
}

TEST_F(TMyPEQAllpass2StepsTest, LocaleSeparatorInQAndGainTexts) {
  QLocale::setDefault(QLocale(QLocale::German));
  TMyPEQAllpass2Steps panel;
  SetUpAsOnForm(panel, 582, 270, 8);
  panel.SetEqParamValue(0, 1000, 10, 1.4, 0, false);
  EXPECT_EQ(QBox(panel, 0)->Text(), QStringLiteral("0,71"));
  EXPECT_EQ(GainBox(panel, 0)->Text(), QStringLiteral("1,4dB"));
  EXPECT_EQ(FreqBox(panel, 0)->Text(), QStringLiteral("1.00KHz"));
}

TEST_F(TMyPEQAllpass2StepsTest, BandLeavingTheHighlightTakesRowZerosColourOfTheLastLayout) {
  TMyPEQAllpass2Steps panel;
  panel.SetColor(0, clBlue);  // row 0's boxes before the layout
  SetUpAsOnForm(panel, 582, 270, 8);
  panel.SetNowIndex(3);
  panel.SetNowIndex(5);
  EXPECT_EQ(TextColour(FreqBox(panel, 3)), ToQColor(clBlue));
  EXPECT_EQ(TextColour(FreqBox(panel, 5)), QColor(0, 176, 0));
}

}  // namespace
