#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "editors/filter/CrossoverPlan.h"
#include "editors/filter/FilterTexts.h"
#include "editors/filter/PlotPointer.h"
#include "protocol/ParameterScales.h"

namespace {

TEST(FilterTexts, gainCodesFrequenciesAndQ) {
  EXPECT_EQ(PeqGainCodeText(120), "+0.0dB");
  EXPECT_EQ(PeqGainCodeText(119), "-0.1dB");
  EXPECT_EQ(PeqGainCodeText(0), "-12.0dB");
  EXPECT_EQ(PeqGainCodeText(150), "+3.0dB");
  EXPECT_EQ(PeqGainCodeText(240), "+12.0dB");
  EXPECT_EQ(FilterFrequencyText(IndexToFreq(90)), "157.5Hz");
  EXPECT_EQ(FilterFrequencyText(IndexToFreq(90), true), " 157.5Hz");
  EXPECT_EQ(FilterFrequencyText(IndexToFreq(0)), "19.7Hz");
  EXPECT_EQ(FilterFrequencyText(1000.0, true), "1.00KHz");
  EXPECT_EQ(FilterFrequencyText(IndexToFreq(300)), "20.16KHz");
  EXPECT_EQ(PeqQIndexText(35), "3.00");
  EXPECT_EQ(PeqQIndexText(10), "0.71");
}

TEST(FilterTexts, everyGainPositionKeepsItsCodeThroughDecibels) {
  // The bar's position goes to dB and back to the code the unit receives.
  for (int code = 0; code <= 240; ++code) {
    EXPECT_EQ(GainToIndex(IndexToGain(code)), code) << code;
  }
}

TEST(CrossoverPlan, slopeRowsAndRecipes) {
  const CrossoverRecipe bypass = CrossoverRecipeFor(0);
  EXPECT_TRUE(bypass.direct);
  EXPECT_EQ(bypass.target.stage, CrossoverStage::Flat);
  const CrossoverRecipe bw6 = CrossoverRecipeFor(1);
  EXPECT_TRUE(bw6.direct);
  EXPECT_EQ(bw6.target.stage, CrossoverStage::FirstOrder);
  EXPECT_EQ(bw6.target.c0, 1.0f);
  // BL -6 is the Bessel first-order section with c0 1.0: the same filter.
  const CrossoverRecipe bl6 = CrossoverRecipeFor(2);
  EXPECT_FALSE(bl6.direct);
  EXPECT_EQ(bl6.work[0].stage, CrossoverStage::FirstOrder);
  EXPECT_EQ(bl6.work[0].c0, 1.0f);
  EXPECT_EQ(bl6.target.stage, CrossoverStage::FirstOrder);
  // LR -24: two order-2 Butterworth sections.
  const CrossoverRecipe lr24 = CrossoverRecipeFor(10);
  EXPECT_EQ(lr24.work[0].stage, CrossoverStage::SecondOrder);
  EXPECT_EQ(lr24.work[1].stage, CrossoverStage::SecondOrder);
  EXPECT_EQ(lr24.work[0].c0, 1.4142f);
  EXPECT_EQ(lr24.work[2].stage, CrossoverStage::Flat);
  // LR -48: 1.8478 twice, 0.7654 twice, the target takes the last.
  const CrossoverRecipe lr48 = CrossoverRecipeFor(20);
  EXPECT_EQ(lr48.work[3].c0, 0.7654f);
  EXPECT_EQ(lr48.target.c0, 0.7654f);
  EXPECT_EQ(lr48.work[4].stage, CrossoverStage::Flat);
  // BW -18: a first-order and one second-order section of 1.0.
  const CrossoverRecipe bw18 = CrossoverRecipeFor(6);
  EXPECT_EQ(bw18.work[0].stage, CrossoverStage::FirstOrder);
  EXPECT_EQ(bw18.work[1].stage, CrossoverStage::SecondOrder);
  EXPECT_EQ(bw18.work[1].c0, 1.0f);
  // BL -48: four Bessel second-order sections.
  const CrossoverRecipe bl48 = CrossoverRecipeFor(19);
  EXPECT_EQ(bl48.work[0].stage, CrossoverStage::Flat);
  EXPECT_EQ(bl48.work[4].stage, CrossoverStage::BesselSecondOrder);
  EXPECT_EQ(bl48.work[4].c1, 0.2087f);
  EXPECT_EQ(CrossoverSectionType(CrossoverStage::BesselSecondOrder, true), 16);
  EXPECT_EQ(CrossoverSectionType(CrossoverStage::FirstOrder, false), 11);
  // Every Butterworth coefficient is 2 sin((2k - 1) pi / 2n).
  for (int order = 2; order <= 8; ++order) {
    for (int k = 1; k <= order / 2; ++k) {
      const double expected = 2.0 * std::sin((2 * k - 1) * M_PI / (2 * order));
      bool found = false;
      for (float value : ButterworthSectionTable[std::size_t(order - 1)]) {
        found = found || std::fabs(value - expected) < 6e-5;
      }
      EXPECT_TRUE(found) << order << " " << k;
    }
  }
}

/// 10 pixels a dB, 1 column a bin: level L lies at y = 7 + (18 - L) * 10.
PlotPointer TenPixelsADecibel() {
  PlotPointer p;
  p.width = 2874;
  p.height = 360;
  return p;
}

int YOf(double level) { return int(std::lround(7 + (18 - level) * 10)); }

TEST(PlotPointer, grabWindowsOfBandsAboveAndBelowZeroAreMirrored) {
  const PlotPointer p = TenPixelsADecibel();
  const TPoint marker{100, 0};
  const int x = 42 + 100;
  struct Case {
    double gain, pointer;
    bool hit;
  };
  const Case cases[] = {
      {3.0, 4.0, true},  {3.0, 1.1, true},  {3.0, 1.0, false}, {3.0, 4.1, false},
      {-3.0, -1.0, true}, {-3.0, -3.9, true}, {-3.0, -4.0, false}, {-3.0, -0.9, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(p.Hits(x, YOf(c.pointer), marker, c.gain, 1.0), c.hit) << c.gain << " at " << c.pointer;
  }
  EXPECT_TRUE(p.Hits(x + 4, YOf(3.0), marker, 3.0, 1.0));
  EXPECT_FALSE(p.Hits(x + 5, YOf(3.0), marker, 3.0, 1.0));
  EXPECT_FALSE(p.Hits(x - 5, YOf(3.0), marker, 3.0, 1.0));
  // The hover's 1.5 scale narrows the window to about 3 pixels.
  EXPECT_TRUE(p.Hits(x + 3, YOf(3.0), marker, 3.0, 1.5));
  EXPECT_FALSE(p.Hits(x + 4, YOf(3.0), marker, 3.0, 1.5));
}

TEST(PlotPointer, aDraggedBandLandsOnThePointersLevelWithinTwelveDecibels) {
  const PlotPointer p = TenPixelsADecibel();
  EXPECT_DOUBLE_EQ(p.DragGain(YOf(-5.0)), -5.0);
  EXPECT_DOUBLE_EQ(p.DragGain(YOf(5.0)), 5.0);
  PlotPointer fine = p;
  fine.height = 3600;  // 100 pixels a dB: a level of -0.05 dB goes toward zero
  EXPECT_DOUBLE_EQ(fine.DragGain(7 + 1805), 0.0);
  EXPECT_DOUBLE_EQ(p.DragGain(YOf(-0.1)), -0.1);
  EXPECT_DOUBLE_EQ(p.DragGain(0), 12.0);
  EXPECT_DOUBLE_EQ(p.DragGain(2000), -12.0);
  EXPECT_NEAR(p.DragFrequency(-500), 19.7, 1e-9);
  EXPECT_NEAR(p.DragFrequency(5000), 20160.0, 1e-9);
  const double mid = p.DragFrequency(42 + 2000);
  EXPECT_DOUBLE_EQ(mid, IndexToFreq(FreqToIndex(mid)));
}

}  // namespace

#include "components/peq/TMyPEQType10.h"

namespace {

TEST(FilterCodes, everyBarPositionComesBackFromTheBandPanelAsItsCode) {
  // A bar's position goes to the panel as Hz (a 32-bit float) or dB (a
  // double) and comes back as the code the unit receives.
  TMyPEQType10 panel;
  panel.SetChannelNumber(9);
  for (int p = 0; p <= 300; ++p) {
    panel.SetFreqValue(0, float(IndexToFreq(p)));
    ASSERT_EQ(FreqToIndex(panel.GetFreqValue(0)), p);
  }
  for (int p = 0; p <= 240; ++p) {
    panel.SetGainValue(0, IndexToGain(p));
    ASSERT_EQ(GainToIndex(panel.GetGainValue(0)), p);
  }
}

}  // namespace
